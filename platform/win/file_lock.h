#pragma once
#include <string>

namespace win {

// A lock the programs that work in one file take on a lock file of their own:
// shared by each that may work beside the others, exclusive by one that must be
// alone. It is taken at once or not at all, never waited for. An flock: it goes
// with the process, so a program that crashed never keeps another out.
class FileLock {
 public:
  enum class Mode { Shared, Exclusive };
  enum class State {
    Held,          // this process holds the lock
    TakenByOther,  // another holds it in a mode that excludes this one
    Unavailable,   // the lock file could not be opened; nothing is known
  };

  // `access`: the permissions a lock file made here gets (less the umask). A
  // symbolic link in the lock file's place is not followed.
  FileLock(const std::string& lockPath, Mode mode, unsigned access = 0666);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  State LockState() const { return state_; }

  // The lock file that stands for `file` among the programs opening it: beside
  // it, its name followed by ".lck". Links and "." or ".." in the path are
  // resolved, so every program naming the file reaches the same lock file.
  static std::string PathFor(const std::string& file);

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
};

}  // namespace win
