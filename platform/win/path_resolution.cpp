#include "platform/win/path_resolution.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/win/text_helpers.h"

namespace win::detail {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '/' || c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

std::string MatchInFolder(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  if (ec) return name;
  std::vector<std::string> matches;
  std::string wanted = FoldCase(name);
  for (const fs::directory_entry& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (FoldCase(candidate) == wanted) matches.push_back(candidate);
  }
  if (matches.empty()) return name;
  return *std::min_element(matches.begin(), matches.end());
}

fs::path Join(const fs::path& base, const std::string& name) {
  return base.empty() ? fs::path(name) : base / name;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  fs::path resolved = absolute ? fs::path("/") : fs::path();
  for (const std::string& part : Components(path)) {
    fs::path exact = Join(resolved, part);
    if (part == "." || part == ".." || Exists(exact)) {
      resolved = exact;
      continue;
    }
    resolved = Join(resolved, MatchInFolder(resolved, part));
  }
  return resolved.string();
}

bool IsBareFileName(const std::string& name) {
  return name.find_first_of("/\\") == std::string::npos;
}

}  // namespace win::detail
