#pragma once
#include <optional>
#include <string>

namespace testsupport {

// Sets (or, with nullopt, removes) an environment variable until the end of the
// scope, when it gets back the value it had.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const std::optional<std::string>& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Apply(const std::optional<std::string>& value) const;
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace testsupport
