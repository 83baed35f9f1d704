#pragma once
// The file functions' shared ground: error numbers, listings, name matching.
#include <cstddef>
#include <string>
#include <vector>

namespace vb {

// The file functions' shared ground: the runtime's number for an errno of an
// operation on `path`, folder listings and name matching.
int FileErrorNumber(int err, const std::string& path);
[[noreturn]] void RaiseFileError(int err, const std::string& path);

// Writes the `size` bytes at `data` into the open file `fd` whole, writing on
// after an interruption or a short write: 0 once all are written, else the
// errno of the failure (ENOSPC when the system wrote nothing without an error).
int WriteAll(int fd, const char* data, std::size_t size);

bool FolderExists(const std::string& path);
bool RegularFileExists(const std::string& path);
// The folder part of a resolved path ("." for a bare name).
std::string ParentFolder(const std::string& path);
// The entry names of a folder in byte order, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);
// Case-insensitive "*" and "?" matching, with "x.*" also matching "x".
bool MatchesWildcard(const std::string& name, const std::string& pattern);
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// Whether a file is open in this program: any mode, or only for writing.
enum class OpenUse { Any, Writing };
bool IsOpenInProgram(const std::string& path, OpenUse use);

}  // namespace vb
