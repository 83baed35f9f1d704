#include "platform/vb/file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"

namespace vb {
namespace {

std::u32string Folded(const std::string& text) { return DecodeUtf8(UCase(text)); }

bool Matches(const std::u32string& name, std::size_t n, const std::u32string& pattern, std::size_t p) {
  while (p < pattern.size()) {
    if (pattern[p] == U'*') {
      for (std::size_t k = n; k <= name.size(); ++k)
        if (Matches(name, k, pattern, p + 1)) return true;
      return false;
    }
    if (n >= name.size() || (pattern[p] != U'?' && pattern[p] != name[n])) return false;
    ++n;
    ++p;
  }
  return n == name.size();
}

std::string Joined(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

std::string FirstMatchIgnoringCase(const std::string& folder, const std::string& name) {
  for (const std::string& entry : FolderEntries(folder.empty() ? "." : folder))
    if (SameNameIgnoringCase(entry, name)) return entry;
  return name;
}

}  // namespace

int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return ENOSPC;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

std::string ResolvePath(const std::string& path) {
  std::string text = path;
  std::replace(text.begin(), text.end(), '\\', '/');
  if (text.empty()) return text;
  std::string resolved = text[0] == '/' ? "/" : "";
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t slash = text.find('/', start);
    if (slash == std::string::npos) slash = text.size();
    std::string component = text.substr(start, slash - start);
    start = slash + 1;
    if (component.empty()) continue;
    std::string exact = Joined(resolved, component);
    bool keep = component == "." || component == ".." || Exists(exact);
    resolved = keep ? exact : Joined(resolved, FirstMatchIgnoringCase(resolved, component));
  }
  if (text.back() == '/' && resolved.back() != '/') resolved += '/';
  return resolved;
}

int FileErrorNumber(int err, const std::string& path) {
  switch (err) {
    case ENOENT: return FolderExists(ParentFolder(path)) ? 53 : 76;
    case ENOTDIR:
    case ELOOP: return 76;
    case EACCES:
    case EPERM:
    case ETXTBSY:
    case EBUSY: return 70;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case EIO: return 57;
    case ENXIO:
    case ENODEV: return 68;
    case ENOMEDIUM: return 71;
    case ENAMETOOLONG:
    case EILSEQ: return 64;
    case EMFILE:
    case ENFILE: return 67;
    default: return 75;
  }
}

void RaiseFileError(int err, const std::string& path) { Raise(FileErrorNumber(err, path)); }

bool FolderExists(const std::string& path) {
  struct stat info;
  return stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool RegularFileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ParentFolder(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  std::size_t slash = trimmed.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : trimmed.substr(0, slash);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
  std::u32string folded = Folded(name);
  std::u32string wanted = Folded(pattern);
  if (Matches(folded, 0, wanted, 0)) return true;
  if (wanted.size() >= 2 && wanted.compare(wanted.size() - 2, 2, U".*") == 0)
    return Matches(folded, 0, wanted.substr(0, wanted.size() - 2), 0);
  return false;
}

}  // namespace vb
