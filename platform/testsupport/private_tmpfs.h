#pragma once
// A small file system of a test's own, to fill up.
#include <cstdint>
#include <string>

namespace testsupport {

// A tmpfs of `bytes` mounted on `folder` (made when missing) for as long as the
// object lives, in a mount namespace of this process's own: nothing mounted
// shows to another process or outlives this one. Where the process may not
// mount, nothing is mounted and Why() says why, for the test's skip message.
class PrivateTmpfs {
 public:
  PrivateTmpfs(const std::string& folder, std::uintmax_t bytes);
  ~PrivateTmpfs();
  PrivateTmpfs(const PrivateTmpfs&) = delete;
  PrivateTmpfs& operator=(const PrivateTmpfs&) = delete;

  bool Mounted() const { return why_.empty(); }
  const std::string& Why() const { return why_; }
  // Takes all its free space but `bytes` (whole pages) with a file of its own,
  // in place of the one an earlier call made.
  void FillLeaving(std::uintmax_t bytes) const;

 private:
  std::string folder_;
  std::string why_;
};

}  // namespace testsupport
