#include "platform/win/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/vb/file_system.h"

namespace win {
namespace {

// A lock file made here is made alone (O_EXCL), so that its permissions are set
// by whoever made it; one another program made meanwhile is opened as it is.
int OpenLockFile(const std::string& path, unsigned access) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, access);
    if (fd >= 0) {
      fchmod(fd, access);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

int Flock(int fd, int operation) {
  int result;
  do {
    result = flock(fd, operation | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, Mode mode, unsigned access) : path_(lockPath) {
  fd_ = OpenLockFile(lockPath, access & 0777);
  if (fd_ >= 0) {
    Take(mode);
    return;
  }
  // A symbolic link refused by O_NOFOLLOW is a file that cannot be accessed,
  // not a missing path.
  errorNumber_ = errno == ELOOP ? 75 : vb::FileErrorNumber(errno, lockPath);
}

// An exclusive lock refused is asked again shared: granted, it was others'
// shares that kept this one out, and the share is let go at once.
void FileLock::Take(Mode mode) {
  if (Flock(fd_, mode == Mode::Shared ? LOCK_SH : LOCK_EX) == 0) {
    state_ = State::Held;
  } else if (errno != EWOULDBLOCK) {
    errorNumber_ = 75;
  } else if (mode == Mode::Exclusive && Flock(fd_, LOCK_SH) == 0) {
    flock(fd_, LOCK_UN);
    state_ = State::SharedByOthers;
  } else {
    state_ = State::TakenByOther;
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}

std::string FileLock::PathFor(const std::string& file, const std::string& extension) {
  std::error_code ec;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(file, ec);
  return (ec ? std::filesystem::path(file) : resolved).string() + extension;
}

std::unique_ptr<FileLock> FileLock::Beside(const std::string& file, Mode mode, const std::string& extension) {
  struct stat info;
  unsigned access = stat(file.c_str(), &info) == 0 ? info.st_mode & 0666 : 0666;
  return std::make_unique<FileLock>(PathFor(file, extension), mode, access);
}

}  // namespace win
