#pragma once
#include <memory>
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
    Held,            // this process holds the lock
    TakenByOther,    // another holds it alone (or, asked shared, in a mode that excludes this one)
    SharedByOthers,  // asked alone: others hold it shared, none alone
    Unavailable,     // the lock file could not be opened; nothing is known
  };

  // `access`: the permissions a lock file made here gets, whatever the umask.
  // A symbolic link in the lock file's place is not followed: the lock is then
  // Unavailable.
  FileLock(const std::string& lockPath, Mode mode, unsigned access = 0666);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  State LockState() const { return state_; }
  const std::string& Path() const { return path_; }
  // Why an Unavailable lock file could not be opened, as the runtime numbers a
  // file error (70 permission denied, 75 path or file access, 76 path not
  // found...); 0 otherwise.
  int ErrorNumber() const { return errorNumber_; }

  // The lock file that stands for `file` among the programs opening it: beside
  // it, its name followed by `extension`. Links and "." or ".." in the path are
  // resolved, so every program naming the file reaches the same lock file.
  static std::string PathFor(const std::string& file, const std::string& extension = ".lck");
  // The lock on that lock file, made if need be with the read and write
  // permissions of `file`, so that whoever can open the file can open it.
  static std::unique_ptr<FileLock> Beside(const std::string& file, Mode mode,
                                          const std::string& extension = ".lck");

 private:
  void Take(Mode mode);

  std::string path_;
  int fd_ = -1;
  State state_ = State::Unavailable;
  int errorNumber_ = 0;
};

}  // namespace win
