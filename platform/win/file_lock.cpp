#include "platform/win/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/vb/error.h"
#include "platform/vb/file_system.h"
#include "platform/win/shared_file.h"

namespace win {
namespace detail {
int (*gFlock)(int fd, int operation) = ::flock;
}  // namespace detail

namespace {

// A FIFO or a device in the lock file's place must not hold the program in
// open(), and a symbolic link must not take the lock (or the file made) elsewhere.
constexpr int kOpenFlags = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;

int OpenExisting(const std::string& path) {
  int fd = open(path.c_str(), O_RDWR | kOpenFlags);
  if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = open(path.c_str(), O_RDONLY | kOpenFlags);
  return fd;
}

// A lock file made here is made alone (O_EXCL), so that its permissions and
// owner are set by whoever made it; one another program made meanwhile is
// opened as it is.
int OpenLockFile(const std::string& path, unsigned access, const struct stat* owner) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    int fd = OpenExisting(path);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, access);
    if (fd >= 0) {
      fchmod(fd, access);
      if (owner) ShareLike(fd, path, *owner);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// What stands in the place of a lock file that could not be opened.
FileLock::State Misplaced(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return FileLock::State::Unavailable;
  return S_ISLNK(info.st_mode) ? FileLock::State::SymbolicLink : FileLock::State::NotAFile;
}

int Flock(int fd, int operation) {
  int result;
  do {
    result = detail::gFlock(fd, operation | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result;
}

std::string RefusalText(int error) {
  switch (error) {
    case ENOLCK: return "No quedan bloqueos disponibles";
    case EBADF: return "El archivo de bloqueo solo pudo abrirse para lectura";
    case EINVAL:
    case EOPNOTSUPP: return "El sistema de archivos no admite bloqueos";
    default: return "Error del sistema " + std::to_string(error);
  }
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, Mode mode, unsigned access, const struct stat* owner,
                   Owner whose)
    : path_(lockPath) {
  Open(access & 0777, owner, whose);
  if (fd_ >= 0) Take(mode);
}

void FileLock::Open(unsigned access, const struct stat* owner, Owner whose) {
  fd_ = OpenLockFile(path_, access, owner);
  struct stat info {};
  bool known = fd_ >= 0 && fstat(fd_, &info) == 0;
  bool others = known && whose == Owner::ThisAccount && info.st_uid != geteuid();
  if (known && S_ISREG(info.st_mode) && !others) return;
  int error = errno;
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  state_ = others ? State::OtherOwner : known ? State::NotAFile : Misplaced(path_);
  if (state_ == State::Unavailable) errorNumber_ = vb::FileErrorNumber(error, path_);
}

// An exclusive lock refused is asked again shared: granted, it was others'
// shares that kept this one out, and the share is let go at once.
void FileLock::Take(Mode mode) {
  if (Flock(fd_, mode == Mode::Shared ? LOCK_SH : LOCK_EX) == 0) {
    state_ = State::Held;
  } else if (errno != EWOULDBLOCK) {
    systemError_ = errno;
    state_ = State::Refused;
  } else if (mode == Mode::Exclusive && Flock(fd_, LOCK_SH) == 0) {
    detail::gFlock(fd_, LOCK_UN);
    state_ = State::SharedByOthers;
  } else {
    state_ = State::TakenByOther;
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}

std::string FileLock::FaultText(const std::string& what) const {
  std::string cannotOpen = "No se puede abrir el archivo de bloqueo " + what + ":\n" + path_ + "\n";
  std::string remove = ": elimínelo y el archivo de bloqueo se creará de nuevo.";
  switch (state_) {
    case State::SymbolicLink: return cannotOpen + "En su lugar hay un enlace simbólico, que no se sigue" + remove;
    case State::NotAFile:
      return cannotOpen + "En su lugar hay algo que no es un archivo común (una tubería, un dispositivo, " +
             "un socket o una carpeta)" + remove;
    case State::OtherOwner:
      return cannotOpen + "Pertenece a otra cuenta, que con él podría impedir que el programa se ejecute: " +
             "pida al administrador que lo elimine.";
    case State::Refused:
      return "El sistema no concede el bloqueo " + what + " en su archivo de bloqueo:\n" + path_ + "\n" +
             RefusalText(systemError_) +
             ". En una carpeta de red, el servidor debe admitir bloqueos de archivos y esta cuenta debe "
             "poder escribir en el archivo de bloqueo.";
    default: return cannotOpen + vb::ErrorText(errorNumber_);
  }
}

std::string FileLock::PathFor(const std::string& file, const std::string& extension) {
  std::error_code ec;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(file, ec);
  return (ec ? std::filesystem::path(file) : resolved).string() + extension;
}

std::unique_ptr<FileLock> FileLock::Beside(const std::string& file, Mode mode, const std::string& extension) {
  struct stat info;
  bool found = stat(file.c_str(), &info) == 0;
  return std::make_unique<FileLock>(PathFor(file, extension), mode, found ? info.st_mode & 0666 : 0666,
                                    found ? &info : nullptr);
}

}  // namespace win
