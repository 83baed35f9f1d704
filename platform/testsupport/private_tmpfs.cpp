#include "platform/testsupport/private_tmpfs.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace testsupport {
namespace {

// 0 once the process has a mount namespace of its own whose mounts do not
// propagate back; otherwise why not (errno).
int OwnMountNamespace() {
  static const int error = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                               ? 0
                               : errno;
  return error;
}

}  // namespace

PrivateTmpfs::PrivateTmpfs(const std::string& folder, std::uintmax_t bytes) : folder_(folder) {
  std::filesystem::create_directories(folder);
  std::string options = "size=" + std::to_string(bytes);
  if (int error = OwnMountNamespace()) {
    why_ = std::string("no mount namespace of its own: ") + std::strerror(error);
  } else if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
    why_ = std::string("a tmpfs cannot be mounted: ") + std::strerror(errno);
  }
}

PrivateTmpfs::~PrivateTmpfs() {
  if (Mounted()) umount2(folder_.c_str(), MNT_DETACH);
}

void PrivateTmpfs::FillLeaving(std::uintmax_t bytes) const {
  std::string filler = folder_ + "/.relleno";
  unlink(filler.c_str());
  struct statvfs info {};
  statvfs(folder_.c_str(), &info);
  std::uintmax_t free = static_cast<std::uintmax_t>(info.f_bavail) * info.f_frsize;
  int fd = open(filler.c_str(), O_CREAT | O_WRONLY, 0600);
  if (fd < 0) return;
  if (free > bytes) posix_fallocate(fd, 0, static_cast<off_t>(free - bytes));
  close(fd);
}

}  // namespace testsupport
