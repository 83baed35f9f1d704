#include "platform/qt/tests/test_application.h"

#include <QApplication>
#include <cstdlib>

#include "platform/qt/run.h"

namespace formsqt::testing {

namespace {

// The folder of the whole run, made before the application and removed after it.
std::filesystem::path RunFolder() {
  static const TempFolder folder;
  return folder.Path();
}

}  // namespace

void StartApplication() {
  static bool started = [] {
    std::filesystem::path folder = RunFolder();
    std::filesystem::create_directories(folder / "runtime");
    std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    Application();
    return true;
  }();
  (void)started;
}

std::filesystem::path PictureFolder() {
  const char* build = std::getenv("FORM0942_BUILD_DIR");
  if (build && *build) {
    std::filesystem::path folder = std::filesystem::path(build) / "platform" / "qt";
    std::filesystem::create_directories(folder);
    return folder;
  }
  return RunFolder();
}

}  // namespace formsqt::testing
