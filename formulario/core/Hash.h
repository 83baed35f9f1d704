#pragma once
// The SHA-1 digest of a file as the import checks it, and its byte-area helpers.
#include <array>
#include <cstdint>
#include <string>

namespace korva {

// The digest routine works on byte areas of this size: the path goes in as
// zero-terminated single-byte characters and the digest comes out at the start.
inline constexpr std::size_t kTamanoArea = 20000;
using AreaBytes = std::array<std::uint8_t, kTamanoArea>;

// The SHA-1 digest of a file's contents as 40 lower-case hexadecimal characters:
// the debt-file import compares it with the name the file was issued under. A
// file that cannot be read raises its error to the caller (53 missing, 70 access
// refused, 75 otherwise) instead of giving a digest of something else.
std::string HashArchivo(const std::string& sArchivo);

// Zeroes `area` and stores the Windows-1252 code of each character of the text
// from byte 0 on, as many characters as the text holds without blanks around it.
// A text longer than the area raises the subscript error 9.
void TextoABytes(AreaBytes& area, const std::string& sTexto);

// The hexadecimal text of the first `n` bytes, and of one byte (high nibble
// first, digits and lower-case letters: 0x0A gives "0a").
std::string BytesAHexadecimal(const std::uint8_t* area, std::size_t n);
std::string ByteAHexadecimal(std::uint8_t b);

}  // namespace korva
