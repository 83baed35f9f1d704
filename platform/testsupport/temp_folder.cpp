#include "platform/testsupport/temp_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "platform/testsupport/file_bytes.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// Gives the owner every permission on `path` and, for a folder, on everything in
// it, so that remove_all can go in and delete.
void MakeRemovable(const fs::path& path) {
  std::error_code ignored;
  if (fs::is_symlink(path, ignored)) return;
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
  if (!fs::is_directory(path, ignored)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(path, ignored))
    MakeRemovable(entry.path());
}

}  // namespace

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "form0942-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("no temporary folder could be made under " + pattern);
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  MakeRemovable(path_);
  fs::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  WriteBytes(*this / name, bytes);
}

std::string TempFolder::Read(const std::string& name) const { return ReadBytes(*this / name); }

}  // namespace testsupport
