#include "platform/testsupport/scoped_env.h"

#include <stdlib.h>

namespace testsupport {

ScopedEnv::ScopedEnv(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
  if (const char* old = getenv(name_.c_str())) old_ = old;
  Apply(value);
}

ScopedEnv::~ScopedEnv() { Apply(old_); }

void ScopedEnv::Apply(const std::optional<std::string>& value) const {
  if (value)
    setenv(name_.c_str(), value->c_str(), 1);
  else
    unsetenv(name_.c_str());
}

}  // namespace testsupport
