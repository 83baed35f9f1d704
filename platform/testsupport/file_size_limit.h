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
  explicit ScopedFileSizeLimit(rlim_t bytes) : oldAction_(signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~ScopedFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldAction_);
  }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  void (*oldAction_)(int);
  rlimit old_{};
};

}  // namespace testsupport
