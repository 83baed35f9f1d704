#include "platform/win/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace win {

FileLock::FileLock(const std::string& lockPath, Mode mode, unsigned access) {
  fd_ = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, access);
  if (fd_ < 0) return;
  int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  int result;
  do {
    result = flock(fd_, operation);
  } while (result != 0 && errno == EINTR);
  if (result == 0) state_ = State::Held;
  else if (errno == EWOULDBLOCK) state_ = State::TakenByOther;
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}

std::string FileLock::PathFor(const std::string& file) {
  std::error_code ec;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(file, ec);
  return (ec ? std::filesystem::path(file) : resolved).string() + ".lck";
}

}  // namespace win
