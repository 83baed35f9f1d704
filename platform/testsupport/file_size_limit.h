#pragma once
// A disk that fills: no file may grow past a size.
#include <signal.h>
#include <sys/resource.h>

namespace testsupport {

// Until the end of the scope no file this process (or a program it starts
// meanwhile) writes may grow past `bytes`, as if the disk were full there: the
// write beyond fails with EFBIG, which the runtime reports as a full disk
// (error 61), and the signal that would end the process is ignored.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit old_{};
  struct sigaction oldAction_{};
};

}  // namespace testsupport
