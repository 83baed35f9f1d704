// Dir, Kill, FileCopy and Name.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/vb/error.h"
#include "platform/vb/file_system.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"

namespace vb {
namespace {

struct Listing {
  std::vector<std::string> names;
  std::size_t next = 0;
};

std::optional<Listing>& CurrentListing() {
  static std::optional<Listing> listing;
  return listing;
}

struct FolderAndPattern {
  std::string folder;  // resolved; "." for the current folder
  std::string pattern;
};

FolderAndPattern SplitPattern(const std::string& path) {
  std::string text = path;
  std::replace(text.begin(), text.end(), '\\', '/');
  std::size_t slash = text.rfind('/');
  if (slash == std::string::npos) return {".", text.empty() ? "*" : text};
  std::string folder = slash == 0 ? "/" : text.substr(0, slash);
  std::string pattern = text.substr(slash + 1);
  return {ResolvePath(folder), pattern.empty() ? "*" : pattern};
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder == "." ? name : folder + (folder.back() == '/' ? "" : "/") + name;
}

// Ordinary files only: folders and the hidden dot files are left out.
std::vector<std::string> MatchingFiles(const FolderAndPattern& where) {
  if (!FolderExists(where.folder)) Raise(76);
  std::vector<std::string> names;
  for (const std::string& name : FolderEntries(where.folder))
    if (name[0] != '.' && MatchesWildcard(name, where.pattern) &&
        RegularFileExists(Joined(where.folder, name)))
      names.push_back(name);
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return StrComp(a, b, vbTextCompare) < 0;
  });
  return names;
}

std::string NextListed() {
  std::optional<Listing>& listing = CurrentListing();
  if (!listing) Raise(5);
  if (listing->next >= listing->names.size()) {
    listing.reset();
    return "";
  }
  return listing->names[listing->next++];
}

std::string ExistingFile(const std::string& path) {
  std::string resolved = ResolvePath(path);
  if (!RegularFileExists(resolved)) {
    struct stat info;
    RaiseFileError(stat(resolved.c_str(), &info) == 0 ? EISDIR : ENOENT, resolved);
  }
  return resolved;
}

void CopyContents(const std::string& from, const std::string& to) {
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (in == nullptr) RaiseFileError(errno, from);
  std::FILE* out = std::fopen(to.c_str(), "wb");
  if (out == nullptr) {
    int err = errno;
    std::fclose(in);
    RaiseFileError(err, to);
  }
  char buffer[65536];
  std::size_t got = 0;
  bool failed = false;
  while (!failed && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
    failed = std::fwrite(buffer, 1, got, out) != got;
  failed = failed || std::ferror(in) != 0;
  int err = errno;
  failed = (std::fclose(out) != 0) || failed;
  std::fclose(in);
  if (failed) RaiseFileError(err == 0 ? EIO : err, to);
}

}  // namespace

std::string Dir(const std::string& pattern) {
  CurrentListing().reset();
  if (pattern.empty()) return "";
  CurrentListing() = Listing{MatchingFiles(SplitPattern(pattern)), 0};
  return NextListed();
}

std::string Dir() { return NextListed(); }

void Kill(const std::string& pattern) {
  FolderAndPattern where = SplitPattern(pattern);
  std::vector<std::string> names = MatchingFiles(where);
  if (names.empty()) Raise(53);
  for (const std::string& name : names) {
    std::string path = Joined(where.folder, name);
    if (IsOpenInProgram(path, OpenUse::Any)) Raise(75);
    if (::unlink(path.c_str()) != 0) RaiseFileError(errno, path);
  }
}

void FileCopy(const std::string& source, const std::string& destination) {
  std::string from = ExistingFile(source);
  std::string to = ResolvePath(destination);
  if (!FolderExists(ParentFolder(to))) Raise(76);
  if (IsOpenInProgram(from, OpenUse::Writing) || IsOpenInProgram(to, OpenUse::Any)) Raise(70);
  CopyContents(from, to);
}

void Name(const std::string& oldPath, const std::string& newPath) {
  std::string from = ResolvePath(oldPath);
  struct stat info;
  if (lstat(from.c_str(), &info) != 0) RaiseFileError(errno, from);
  std::string to = ResolvePath(newPath);
  if (lstat(to.c_str(), &info) == 0) Raise(58);
  if (!FolderExists(ParentFolder(to))) Raise(76);
  if (IsOpenInProgram(from, OpenUse::Any)) Raise(75);
  if (std::rename(from.c_str(), to.c_str()) != 0) Raise(errno == EXDEV ? 74 : FileErrorNumber(errno, to));
}

void MkDir(const std::string& path) {
  std::string resolved = ResolvePath(path);
  if (::mkdir(resolved.c_str(), 0777) == 0) return;
  int err = errno;
  if (err == ENOENT) Raise(76);
  RaiseFileError(err == EEXIST ? EISDIR : err, resolved);
}

void RmDir(const std::string& path) {
  std::string resolved = ResolvePath(path);
  if (::rmdir(resolved.c_str()) == 0) return;
  int err = errno;
  if (err == ENOENT || err == ENOTDIR) Raise(76);
  RaiseFileError(err == ENOTEMPTY || err == EEXIST ? EISDIR : err, resolved);
}

void ChDir(const std::string& path) {
  std::string resolved = ResolvePath(path);
  if (::chdir(resolved.c_str()) != 0) Raise(errno == EACCES ? 70 : 76);
}

std::string CurDir() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) RaiseFileError(errno, ".");
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

long long FileLen(const std::string& path) {
  struct stat info;
  std::string resolved = ExistingFile(path);
  if (stat(resolved.c_str(), &info) != 0) RaiseFileError(errno, resolved);
  return static_cast<long long>(info.st_size);
}

Date FileDateTime(const std::string& path) {
  struct stat info;
  std::string resolved = ResolvePath(path);
  if (stat(resolved.c_str(), &info) != 0) RaiseFileError(errno, resolved);
  std::tm local{};
  localtime_r(&info.st_mtime, &local);
  Date day = DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return Date{day.serial + TimeSerial(local.tm_hour, local.tm_min, local.tm_sec).serial};
}

}  // namespace vb
