#pragma once
#include <string>

#include "platform/win/file_lock.h"

namespace win {

// One running copy per program and user: an exclusive lock (flock) on the
// program's lock file in $XDG_RUNTIME_DIR, or in the temporary folder when that
// is not set. The lock goes with the process, so a copy that crashed never
// keeps the next one from starting.
class InstanceLock {
 public:
  // TakenByOther (or SharedByOthers): a copy is already running.
  using State = FileLock::State;

  explicit InstanceLock(const std::string& programName);

  State LockState() const { return lock_.LockState(); }
  bool PrevInstance() const {
    return LockState() == State::TakenByOther || LockState() == State::SharedByOthers;
  }

  static std::string LockPath(const std::string& programName);

 private:
  FileLock lock_;
};

// Takes the program's lock for the rest of the process's life (the first call
// does; later calls give the same answer) and says whether another running copy
// holds it. A lock file that cannot be opened lets the program run.
bool AnotherInstanceRunning(const std::string& programName);

}  // namespace win
