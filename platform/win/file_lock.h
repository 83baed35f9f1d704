#pragma once
#include <sys/stat.h>

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
    SymbolicLink,    // a symbolic link stands in the lock file's place; it is not followed
    NotAFile,        // something other than a plain file stands there (a FIFO, a device, a socket, a folder)
    Refused,         // the lock file opened, but the system grants no lock on it (a share without locks)
    OtherOwner,      // asked to be this account's own, it belongs to another account
  };
  // Whose lock file may be used: anyone's (one the programs share), or only this
  // account's own (one in a folder every account may write, where another
  // account's file could keep this one out for ever).
  enum class Owner { Any, ThisAccount };

  // `access`: the permissions a lock file made here gets, whatever the umask;
  // `owner`, when given: the file whose owner and group it gets (ShareLike).
  // Opening never blocks and never follows a symbolic link. The lock file is
  // open for reading and writing where the account may (a network share grants
  // an exclusive lock only so), for reading only where it may not.
  FileLock(const std::string& lockPath, Mode mode, unsigned access = 0666, const struct stat* owner = nullptr,
           Owner whose = Owner::Any);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  State LockState() const { return state_; }
  // Another program holds the lock in a mode that keeps this one out.
  bool TakenByOthers() const { return state_ == State::TakenByOther || state_ == State::SharedByOthers; }
  const std::string& Path() const { return path_; }
  // Why an Unavailable lock file could not be opened, as the runtime numbers a
  // file error (70 permission denied, 75 path or file access, 76 path not
  // found...); 0 otherwise.
  int ErrorNumber() const { return errorNumber_; }
  // What is wrong with a lock file that gives no lock (Unavailable, a link, not
  // a file, Refused, another account's) and what to do, in Spanish, for a person: the lock file of
  // `what` ("de la base de datos"), its path, and the reason.
  std::string FaultText(const std::string& what) const;

  // The lock file that stands for `file` among the programs opening it: beside
  // it, its name followed by `extension`. Links and "." or ".." in the path are
  // resolved, so every program naming the file reaches the same lock file.
  static std::string PathFor(const std::string& file, const std::string& extension = ".lck");
  // The lock on that lock file, made if need be with the read and write
  // permissions, the group and (made by root) the owner of `file`, so that
  // whoever can open the file can open it.
  static std::unique_ptr<FileLock> Beside(const std::string& file, Mode mode,
                                          const std::string& extension = ".lck");

 private:
  void Open(unsigned access, const struct stat* owner, Owner whose);
  void Take(Mode mode);

  std::string path_;
  int fd_ = -1;
  State state_ = State::Unavailable;
  int errorNumber_ = 0;
  int systemError_ = 0;  // why a Refused lock was refused (errno)
};

namespace detail {
// The system's lock call (flock). Tests put in its place one that refuses as a
// network share without locks does.
extern int (*gFlock)(int fd, int operation);
}  // namespace detail

}  // namespace win
