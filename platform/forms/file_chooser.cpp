#include "platform/forms/file_chooser.h"

#include <algorithm>
#include <filesystem>

#include "platform/forms/errors.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace forms {

namespace {

bool Match(const std::u32string& name, std::size_t n, const std::u32string& pattern, std::size_t p) {
  while (p < pattern.size()) {
    if (pattern[p] == U'*') {
      for (std::size_t k = n; k <= name.size(); ++k) {
        if (Match(name, k, pattern, p + 1)) return true;
      }
      return false;
    }
    if (n >= name.size()) return false;
    if (pattern[p] != U'?' && pattern[p] != name[n]) return false;
    ++n;
    ++p;
  }
  return n == name.size();
}

std::u32string Trimmed(std::u32string text) {
  while (!text.empty() && text.back() == U' ') text.pop_back();
  while (!text.empty() && text.front() == U' ') text.erase(text.begin());
  return text;
}

}  // namespace

// Names and patterns compare without regard to case, as on the system the suite's
// files were named on.
bool MatchesPattern(const std::string& name, const std::string& pattern) {
  std::u32string chars = vb::DecodeUtf8(vb::LCase(name));
  std::u32string patterns = vb::DecodeUtf8(vb::LCase(pattern));
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(U';', start);
    if (end == std::u32string::npos) end = patterns.size();
    std::u32string one = Trimmed(patterns.substr(start, end - start));
    // "*.*" matches every name, with or without a dot, as it always has.
    if (one == U"*.*" || (!one.empty() && Match(chars, 0, one, 0))) return true;
    start = end + 1;
  }
  return false;
}

FileChooser::FileChooser(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->backColor = vbWindowBackground;
  common_->height = 1800;
}

void FileChooser::SetPath(std::string path) {
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) vb::Raise(76);
  if (path == props_->path) return;
  props_->path = std::move(path);
  Changed(ControlProperty::Path);
  ReadFolder();
  Fire(PathChange);
}

void FileChooser::SetPattern(std::string pattern) {
  if (!Assign(props_->pattern, std::move(pattern), ControlProperty::Pattern)) return;
  ReadFolder();
  Fire(PatternChange);
}

void FileChooser::Refresh() { ReadFolder(); }

void FileChooser::RestoreDesign() {
  Control::RestoreDesign();
  ReadFolder();
}

void FileChooser::ReadFolder() {
  files_.clear();
  props_->listIndex = -1;
  std::error_code error;
  if (!props_->path.empty()) {
    for (const auto& entry : std::filesystem::directory_iterator(props_->path, error)) {
      if (!entry.is_regular_file(error)) continue;
      std::string name = entry.path().filename().string();
      if (MatchesPattern(name, props_->pattern)) files_.push_back(name);
    }
  }
  std::sort(files_.begin(), files_.end(), [](const std::string& a, const std::string& b) {
    return vb::DecodeUtf8(vb::LCase(a)) < vb::DecodeUtf8(vb::LCase(b));
  });
  Changed(ControlProperty::List);
}

std::string FileChooser::List(int index) const {
  if (index < 0 || index >= ListCount()) return "";
  return files_[index];
}

void FileChooser::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) detail::Fail(380);
  if (Assign(props_->listIndex, index, ControlProperty::ListIndex)) Fire(Click);
}

std::string FileChooser::FilePath() const {
  if (ListIndex() < 0) return "";
  return (std::filesystem::path(props_->path) / FileName()).string();
}

void FileChooser::OnUserKey(int keyCode, int /*shift*/) {
  int last = ListCount() - 1;
  if (keyCode == vbKeyDown) SetListIndex(std::min(ListIndex() + 1, last));
  if (keyCode == vbKeyUp && ListIndex() > 0) SetListIndex(ListIndex() - 1);
}

}  // namespace forms
