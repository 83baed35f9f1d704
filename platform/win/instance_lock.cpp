#include "platform/win/instance_lock.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

namespace win {
namespace {

std::string LockName(const std::string& programName) {
  std::string name;
  for (char c : programName) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    name += (c == '/' || c == '\\') ? '_' : c;
  }
  return name.empty() ? "programa" : name;
}

// The temporary folder is shared by every user: the user's number in the name
// keeps one user's copy from blocking another's.
std::string LockFolderAndName(const std::string& programName) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return std::string(runtime) + "/" + LockName(programName) + ".lock";
  std::error_code ec;
  std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
  if (ec) temporary = "/tmp";
  return (temporary / (LockName(programName) + "-" + std::to_string(getuid()) + ".lock")).string();
}

}  // namespace

InstanceLock::InstanceLock(const std::string& programName)
    : lock_(LockPath(programName), FileLock::Mode::Exclusive, 0600, nullptr, FileLock::Owner::ThisAccount) {}

std::string InstanceLock::LockPath(const std::string& programName) {
  return LockFolderAndName(programName);
}

const InstanceLock& ProgramInstanceLock(const std::string& programName) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<InstanceLock>> locks;
  std::lock_guard guard(mutex);
  std::unique_ptr<InstanceLock>& lock = locks[LockName(programName)];
  if (!lock) lock = std::make_unique<InstanceLock>(programName);
  return *lock;
}

bool AnotherInstanceRunning(const std::string& programName) {
  return ProgramInstanceLock(programName).PrevInstance();
}

}  // namespace win
