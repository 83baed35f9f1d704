#include "platform/testsupport/file_size_limit.h"

namespace testsupport {

ScopedFileSizeLimit::ScopedFileSizeLimit(rlim_t bytes) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &oldAction_);
  getrlimit(RLIMIT_FSIZE, &old_);
  rlimit limit = old_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &old_);
  sigaction(SIGXFSZ, &oldAction_, nullptr);
}

}  // namespace testsupport
