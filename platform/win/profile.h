#pragma once
#include <string>

namespace win {

// Profile (INI) files as the programs read and write their settings. A file named
// without a folder ("TESCA.INI") lives in the Windows folder; "\" separates
// folders like "/", and names are found whatever their case. Section and key
// names compare case-insensitively. Values come back without the blanks around
// them and without a pair of surrounding quotes. Files are Windows-1252 with
// CR LF line ends.

// Where a profile file of that name is read and written.
std::string ProfilePath(const std::string& fileName);

// GetPrivateProfileString: buffer receives the value of key in section, or
// `defaultValue` (without its trailing blanks) when the file, the section or the
// key is missing, cut to size - 1 characters; the call returns the number of
// characters placed in buffer. Unlike the system's call, buffer holds exactly
// those characters: there is no terminating NUL for the caller to cut off.
long GetPrivateProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::string& buffer, long size,
                             const std::string& fileName);

// The whole value, for callers that have no use for a buffer size.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue,
                                    const std::string& fileName);

// WritePrivateProfileString: sets key=value in section, creating the file, the
// section and the key as needed and keeping every other line. It returns false
// and writes nothing when the file cannot be written, or when a name or the
// value would break the file's lines (a line end, "]" in a section name, "=" in
// a key name), so that a value never plants other keys in the file.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName);

// GetProfileString / WriteProfileString: the same on the user's WIN.INI.
long GetProfileString(const std::string& section, const std::string& key,
                      const std::string& defaultValue, std::string& buffer, long size);
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue);
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace win
