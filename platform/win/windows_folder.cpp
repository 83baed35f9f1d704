#include "platform/win/windows_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/win/text_helpers.h"

namespace win {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  std::vector<char> scratch(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, scratch.data(), scratch.size(), &found) == 0 && found)
    return found->pw_dir;
  return "/";
}

// A relative $XDG_CONFIG_HOME is not a valid setting and is ignored, as desktop
// programs do, so that the folder never depends on the current folder.
std::string ConfigFolder() {
  std::string config = Environment("XDG_CONFIG_HOME");
  if (!config.empty() && config.front() == '/') return config;
  return HomeFolder() + "/.config";
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

}  // namespace

std::string WindowsFolder() {
  std::string windir = Environment("WINDIR");
  if (!windir.empty()) return WithoutTrailingSeparator(windir);
  return WithoutTrailingSeparator(ConfigFolder()) + "/zep";
}

long GetWindowsDirectory(std::string& buffer, long size) {
  std::string folder = WindowsFolder();
  long length = detail::CharCount(folder);
  if (length + 1 > size) return length + 1;
  buffer = folder;
  return length;
}

}  // namespace win
