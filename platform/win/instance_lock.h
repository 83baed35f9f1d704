#pragma once
#include <string>

#include "platform/win/file_lock.h"

namespace win {

// One running copy per program and user: an exclusive lock (flock) on the
// program's lock file in $XDG_RUNTIME_DIR, or in the temporary folder when that
// is not set. The lock goes with the process, so a copy that crashed never
// keeps the next one from starting; a lock file there that another account
// owns is not used, since that account could hold it for ever.
class InstanceLock {
 public:
  // TakenByOther (or SharedByOthers): a copy is already running.
  using State = FileLock::State;

  explicit InstanceLock(const std::string& programName);

  State LockState() const { return lock_.LockState(); }
  bool PrevInstance() const { return lock_.TakenByOthers(); }
  const FileLock& Lock() const { return lock_; }

  static std::string LockPath(const std::string& programName);

 private:
  FileLock lock_;
};

// The program's lock, taken for the rest of the process's life by the first
// call; later calls give the same lock.
const InstanceLock& ProgramInstanceLock(const std::string& programName);

// Whether another running copy holds the program's lock (ProgramInstanceLock).
// A lock file that cannot be opened lets the program run; one that is a link,
// not a plain file or another account's is for the program to refuse (its
// LockState).
bool AnotherInstanceRunning(const std::string& programName);

}  // namespace win
