#include "platform/testsupport/shared_template.h"

#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/testsupport/temp_folder.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// Holds an exclusive lock on a file while it lives: one process at a time makes
// or looks for a template.
class FileLock {
 public:
  explicit FileLock(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ < 0 || flock(fd_, LOCK_EX) != 0) throw std::runtime_error("cannot lock " + path);
  }
  ~FileLock() { close(fd_); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

// The test program's own file tells its build apart: built again, it gets another
// stamp, and its templates are made again from the code it now holds.
std::string ProgramStamp() {
  struct stat program {};
  if (stat("/proc/self/exe", &program) != 0) return "0";
  return std::to_string(program.st_mtim.tv_sec) + "." + std::to_string(program.st_mtim.tv_nsec) + "-" +
         std::to_string(program.st_size);
}

// Folders of earlier builds of the same program are removed when a new one is made.
void RemoveEarlierBuilds(const fs::path& folder, const std::string& program, const std::string& current) {
  std::error_code ignored;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ignored)) {
    std::string name = entry.path().filename();
    if (name.starts_with(program + "-") && name != current && entry.is_directory(ignored))
      fs::remove_all(entry.path(), ignored);
  }
}

std::string ProgramFolder() {
  const char* build = getenv("FORM0942_BUILD_DIR");
  if (build == nullptr || *build == '\0') {
    static TempFolder own;
    return own.Path();
  }
  fs::path templates = fs::path(build) / "test-templates";
  fs::create_directories(templates);
  std::string program = fs::read_symlink("/proc/self/exe").filename();
  std::string current = program + "-" + ProgramStamp();
  fs::path folder = templates / current;
  FileLock lock(templates / (program + ".lock"));
  if (!fs::is_directory(folder)) {
    RemoveEarlierBuilds(templates, program, current);
    fs::create_directories(folder);
  }
  return folder;
}

}  // namespace

std::string SharedTemplate(const std::string& name,
                           const std::function<void(const std::string& path)>& make) {
  std::string path = ProgramFolder() + "/" + name;
  FileLock lock(path + ".lock");
  if (!fs::exists(path)) {
    std::string partial = path + ".partial";
    fs::remove_all(partial);
    make(partial);
    fs::rename(partial, path);
  }
  return path;
}

}  // namespace testsupport
