#include "platform/win/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/vb/encoding.h"
#include "platform/vb/file_system.h"
#include "platform/win/shared_file.h"
#include "platform/win/text_helpers.h"

namespace win::detail {
namespace {

struct Line {
  enum class Kind { Other, Section, Key };
  Kind kind = Kind::Other;
  std::string name;
  std::string value;
};

Line ParseSection(const std::string& text) {
  std::size_t close = text.find(']');
  if (close == std::string::npos) return {};
  return {Line::Kind::Section, TrimBlanks(text.substr(1, close - 1)), ""};
}

// Lines starting with ";" are comments; a line without "=" names no key.
Line Parse(const std::string& raw) {
  std::string text = TrimBlanks(vb::FromCp1252(raw));
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') return ParseSection(text);
  std::size_t equals = text.find('=');
  if (equals == std::string::npos) return {};
  std::string name = TrimBlanks(text.substr(0, equals));
  if (name.empty()) return {};
  return {Line::Kind::Key, name, TrimBlanks(text.substr(equals + 1))};
}

std::string WithoutQuotes(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool ReadAll(int fd, std::string& bytes) {
  char block[8192];
  for (;;) {
    ssize_t n = read(fd, block, sizeof block);
    if (n == 0) return true;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    bytes.append(block, static_cast<std::size_t>(n));
  }
}

// A link the account that writes made, or the owner of its folder made, is
// followed; in a folder several accounts may write (a shared Windows folder),
// another account's link would send the write of this one, root's included,
// to any file it names. The system follows links in shared temporary folders
// by the same rule.
bool LinkMayBeFollowed(const std::string& path) {
  struct stat link {};
  struct stat folder {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
  std::filesystem::path parent = std::filesystem::absolute(path).parent_path();
  return link.st_uid == geteuid() || (stat(parent.c_str(), &folder) == 0 && link.st_uid == folder.st_uid);
}

// A settings file reached through a link is written where the link points, so
// that the link stays; "" for a link that may not be followed.
std::string WriteTarget(const std::string& path) {
  if (!LinkMayBeFollowed(path)) return "";
  std::error_code ec;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : target.string();
}

// A new settings file gets the permissions the umask leaves.
mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::string& path) {
  ProfileFile file;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    file.state_ = errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Unreadable;
    return file;
  }
  std::string bytes;
  bool read = ReadAll(fd, bytes);
  close(fd);
  file.state_ = read ? State::Read : State::Unreadable;
  if (read) file.lines_ = SplitLines(bytes);
  return file;
}

std::optional<std::size_t> ProfileFile::FindSection(const std::string& section) const {
  std::string wanted = FoldCase(TrimBlanks(section));
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line line = Parse(lines_[i]);
    if (line.kind == Line::Kind::Section && FoldCase(line.name) == wanted) return i;
  }
  return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && Parse(lines_[i]).kind != Line::Kind::Section) ++i;
  return i;
}

std::optional<std::string> ProfileFile::Value(const std::string& section,
                                              const std::string& key) const {
  std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  std::string wanted = FoldCase(TrimBlanks(key));
  for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
    Line line = Parse(lines_[i]);
    if (line.kind == Line::Kind::Key && FoldCase(line.name) == wanted)
      return WithoutQuotes(line.value);
  }
  return std::nullopt;
}

void ProfileFile::SetValue(const std::string& section, const std::string& key,
                           const std::string& value) {
  std::string name = TrimBlanks(key);
  std::optional<std::size_t> header = FindSection(section);
  if (!header) {
    AppendSection(TrimBlanks(section), vb::ToCp1252(name + "=" + value));
    return;
  }
  std::string wanted = FoldCase(name);
  std::size_t insertAfter = *header;
  for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
    Line line = Parse(lines_[i]);
    if (line.kind != Line::Kind::Key) continue;
    if (FoldCase(line.name) == wanted) {
      lines_[i] = vb::ToCp1252(line.name + "=" + value);
      return;
    }
    insertAfter = i;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1,
                vb::ToCp1252(name + "=" + value));
}

void ProfileFile::AppendSection(const std::string& section, const std::string& entry) {
  if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.push_back("");
  lines_.push_back(vb::ToCp1252("[" + section + "]"));
  lines_.push_back(entry);
}

std::string ProfileFile::Bytes() const {
  std::string bytes;
  for (const std::string& line : lines_) bytes += line + "\r\n";
  return bytes;
}

// The new file takes the permissions, the group and (written by root) the owner
// of the one it replaces, so that every account that read the settings before
// reads them after.
bool SaveFile(const std::string& path, const std::string& bytes) {
  std::string target = WriteTarget(path);
  if (target.empty()) return false;
  struct stat old {};
  bool replacing = stat(target.c_str(), &old) == 0;
  std::string temporary = target + ".XXXXXX";
  int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = fchmod(fd, replacing ? old.st_mode & 07777 : NewFileMode()) == 0 &&
                 vb::WriteAll(fd, bytes.data(), bytes.size()) == 0 && fsync(fd) == 0;
  if (written && replacing) ShareLike(fd, target, old);
  written = close(fd) == 0 && written;
  if (written && rename(temporary.c_str(), target.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

}  // namespace win::detail
