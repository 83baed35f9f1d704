#pragma once
// Windows-1252 and UTF-8.
#include <string>

namespace vb {

// Text files of the suite are Windows-1252 on disk; inside the program text is
// UTF-8. A character with no Windows-1252 code is written as "?". The five
// undefined codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control characters
// of the same number, as the system's conversion does.
std::string ToCp1252(const std::string& utf8);
std::string FromCp1252(const std::string& bytes);

// The Windows-1252 code of one Unicode character, or -1 when it has none.
int Cp1252Code(char32_t ch);
char32_t Cp1252Char(unsigned char code);

// UTF-8 <-> code points; an invalid byte reads as the Windows-1252 character of
// that byte, so text that arrives unconverted is never lost.
std::u32string DecodeUtf8(const std::string& utf8);
std::string EncodeUtf8(const std::u32string& text);
std::string EncodeUtf8(char32_t ch);

}  // namespace vb
