#pragma once
// A disk that fills: no file may grow past a size.
#include <signal.h>
#include <sys/resource.h>

namespace testsupport {

// Until the end of the scope no file this process writes grows past `bytes`:
// the write beyond fails (EFBIG, a full disk to the runtime, error 61) instead
// of ending the process.
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
