#include "platform/printer/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/vb/error.h"
#include "platform/vb/file_system.h"

namespace printer {
namespace {

// Qt's PDF writer hands over each object header and cross-reference line on its
// own; they are held and written this many bytes at a time.
constexpr std::size_t kHeldBytes = 64 * 1024;
constexpr int kNameAttempts = 100;

// A name beside the destination that no other job of this or another program
// is using: the process and a count of this process's files.
std::string TemporaryName(const std::string& destination) {
  static unsigned count = 0;
  return destination + "." + std::to_string(getpid()) + "-" + std::to_string(++count) + ".tmp";
}

}  // namespace

ReplacingFile::ReplacingFile(std::string destination) : destination_(std::move(destination)) {}

ReplacingFile::~ReplacingFile() { Discard(); }

// Made alone (O_EXCL) and never through a link; its permissions are those of a
// new file of the user (the umask applies).
bool ReplacingFile::Create() {
  Discard();
  error_ = 0;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = TemporaryName(destination_);
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ >= 0) {
      temporary_ = name;
      return open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    if (errno != EEXIST) break;
  }
  error_ = errno;
  return false;
}

qint64 ReplacingFile::readData(char* /*data*/, qint64 /*maxSize*/) { return -1; }

qint64 ReplacingFile::writeData(const char* data, qint64 size) {
  if (error_ != 0) return -1;
  held_.append(data, static_cast<std::size_t>(size));
  if (held_.size() >= kHeldBytes) WriteHeld();
  return error_ == 0 ? size : -1;
}

void ReplacingFile::WriteHeld() {
  if (error_ == 0) error_ = vb::WriteAll(fd_, held_.data(), held_.size());
  held_.clear();
}

void ReplacingFile::Commit() {
  WriteHeld();
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (::close(fd_) != 0 && error_ == 0) error_ = errno;
  fd_ = -1;
  QIODevice::close();
  if (error_ == 0 && ::rename(temporary_.c_str(), destination_.c_str()) != 0) error_ = errno;
  if (error_ == 0) {
    temporary_.clear();
    return;
  }
  int err = error_;
  Discard();
  int number = vb::FileErrorNumber(err, destination_);
  vb::Raise(number, "No se pudo guardar el archivo " + destination_ + ": " + vb::ErrorText(number));
}

std::string ReplacingFile::Reason() const {
  return error_ == 0 ? "" : vb::ErrorText(vb::FileErrorNumber(error_, destination_));
}

void ReplacingFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (isOpen()) QIODevice::close();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  held_.clear();
}

}  // namespace printer
