#pragma once
#include <string>

namespace win {

// One running copy per program and user: an exclusive lock (flock) on the
// program's lock file in $XDG_RUNTIME_DIR, or in the temporary folder when that
// is not set. The lock goes with the process, so a copy that crashed never
// keeps the next one from starting.
class InstanceLock {
 public:
  enum class State {
    Held,          // this process holds the lock
    TakenByOther,  // another process holds it: a copy is already running
    Unavailable,   // the lock file could not be opened; nothing is known
  };

  explicit InstanceLock(const std::string& programName);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State LockState() const { return state_; }
  bool PrevInstance() const { return state_ == State::TakenByOther; }

  static std::string LockPath(const std::string& programName);

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
};

// Takes the program's lock for the rest of the process's life (the first call
// does; later calls give the same answer) and says whether another running copy
// holds it. A lock file that cannot be opened lets the program run.
bool AnotherInstanceRunning(const std::string& programName);

}  // namespace win
