#include "platform/zip/entry_name.h"

#include <cctype>
#include <vector>

namespace zip {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::vector<std::string> Components(const std::string& name) {
  std::vector<std::string> parts(1);
  for (char c : name) {
    if (IsSeparator(c)) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

bool IsAbsolute(const std::string& name) {
  if (!name.empty() && IsSeparator(name[0])) return true;
  return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

}  // namespace

bool IsFolderName(const std::string& entryName) {
  return !entryName.empty() && IsSeparator(entryName.back());
}

std::optional<std::string> SafeBaseName(const std::string& entryName) {
  if (entryName.empty() || IsAbsolute(entryName) || IsFolderName(entryName)) return std::nullopt;
  std::vector<std::string> parts = Components(entryName);
  for (const std::string& part : parts) {
    if (part == "..") return std::nullopt;
  }
  const std::string& base = parts.back();
  if (base.empty() || base == ".") return std::nullopt;
  return base;
}

}  // namespace zip
