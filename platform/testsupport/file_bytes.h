#pragma once
// Whole files read and written as bytes.
#include <string>

namespace testsupport {

// A whole file as bytes; "" for a file that cannot be read.
std::string ReadBytes(const std::string& path);
// Writes `bytes` as the whole file, creating or emptying it first.
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace testsupport
