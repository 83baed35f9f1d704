#pragma once
#include <array>
#include <string>

namespace win {

// The SHA-1 digest of a file's contents, read in blocks. The debt-file import
// compares it with the name the file was issued under, so a file that cannot be
// opened or read raises vb::Error (53 when it does not exist, 70 when access is
// refused, 75 for any other failure) rather than yield a digest of something
// else. "\" in the path separates folders and names are found whatever their case.
using Sha1Digest = std::array<unsigned char, 20>;
Sha1Digest FileSha1(const std::string& path);

// The same digest as 40 lower-case hexadecimal characters.
std::string FileSha1Hex(const std::string& path);

}  // namespace win
