#include "platform/win/profile.h"

#include <filesystem>
#include <system_error>

#include "platform/win/path_resolution.h"
#include "platform/win/profile_file.h"
#include "platform/win/text_helpers.h"
#include "platform/win/windows_folder.h"

namespace win {
namespace {

constexpr const char* kWinIni = "win.ini";

bool HasLineEnd(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

bool IsSectionName(const std::string& section) {
  return !detail::TrimBlanks(section).empty() && !HasLineEnd(section) &&
         section.find(']') == std::string::npos;
}

// A key name must not read back as a comment, a section header or part of a value.
bool IsKeyName(const std::string& key) {
  std::string name = detail::TrimBlanks(key);
  return !name.empty() && !HasLineEnd(name) && name.find('=') == std::string::npos &&
         name.front() != ';' && name.front() != '[';
}

bool FitsOnOneLine(const std::string& section, const std::string& key, const std::string& value) {
  return IsSectionName(section) && IsKeyName(key) && !HasLineEnd(value);
}

// The Windows folder may not exist yet on a fresh account; a write to a file
// that lives there creates it, as the folder always exists on the system.
bool PrepareFolderFor(const std::string& fileName) {
  if (!detail::IsBareFileName(fileName)) return true;
  std::error_code ec;
  std::filesystem::create_directories(WindowsFolder(), ec);
  return !ec;
}

}  // namespace

std::string ProfilePath(const std::string& fileName) {
  if (detail::IsBareFileName(fileName))
    return detail::ResolvePath(WindowsFolder() + "/" + fileName);
  return detail::ResolvePath(fileName);
}

long GetPrivateProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::string& buffer, long size,
                             const std::string& fileName) {
  std::string value = GetPrivateProfileString(section, key, defaultValue, fileName);
  buffer = detail::LeftChars(value, size - 1);
  return detail::CharCount(buffer);
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue,
                                    const std::string& fileName) {
  detail::ProfileFile file = detail::ProfileFile::Load(ProfilePath(fileName));
  std::optional<std::string> value = file.Value(section, key);
  return value ? *value : detail::TrimTrailingBlanks(defaultValue);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
  if (!FitsOnOneLine(section, key, value) || !PrepareFolderFor(fileName)) return false;
  std::string path = ProfilePath(fileName);
  detail::ProfileFile file = detail::ProfileFile::Load(path);
  if (file.FileState() == detail::ProfileFile::State::Unreadable) return false;
  file.SetValue(section, key, value);
  return detail::SaveFile(path, file.Bytes());
}

long GetProfileString(const std::string& section, const std::string& key,
                      const std::string& defaultValue, std::string& buffer, long size) {
  return GetPrivateProfileString(section, key, defaultValue, buffer, size, kWinIni);
}

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
  return GetPrivateProfileString(section, key, defaultValue, kWinIni);
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value) {
  return WritePrivateProfileString(section, key, value, kWinIni);
}

}  // namespace win
