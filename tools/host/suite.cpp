#include "tools/host/suite.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <system_error>

#include "tools/host/host_database.h"
#include "tools/host/settings_files.h"

namespace host {
namespace fs = std::filesystem;
namespace {

void MakeFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder))
    throw std::runtime_error("cannot create the folder " + folder.string());
}

// The programs append names to SysPath ("RPT\", "TESCA.MDW"), so it ends with a
// separator. On this platform it is the real path with "/": the runtime reads "\"
// as "/", so "<SysPath>RPT\" still names the folder.
Suite Layout(const std::string& folder) {
  fs::path root = fs::absolute(folder).lexically_normal();
  std::string rootText = root.string();
  while (rootText.size() > 1 && rootText.back() == '/') rootText.pop_back();
  Suite suite;
  suite.folder = rootText;
  suite.installFolder = rootText + "/zep/";
  suite.windowsFolder = rootText + "/windows";
  suite.settingsPath = suite.windowsFolder + "/TESCA.INI";
  suite.databasePath = suite.installFolder + kDatabaseName;
  return suite;
}

void MakeFolders(const Suite& suite) {
  MakeFolder(suite.installFolder + "RPT");
  MakeFolder(suite.installFolder + "tmp");
  MakeFolder(suite.windowsFolder);
}

// A database that fails half-way is removed: a later run starts clean.
Suite MakeSuite(const std::string& folder, const SuiteOptions& options,
                const std::function<void(const std::string& database)>& makeDatabase) {
  Suite suite = Layout(folder);
  if (fs::exists(suite.databasePath))
    throw std::runtime_error("a suite already exists in " + suite.folder);
  MakeFolders(suite);
  WriteSuiteSettings(suite, options);
  WriteRegionalSettings(suite.windowsFolder);
  try {
    makeDatabase(suite.databasePath);
  } catch (...) {
    std::error_code ec;
    fs::remove(suite.databasePath, ec);
    throw;
  }
  return suite;
}

}  // namespace

Suite CreateSuite(const std::string& folder, const SuiteOptions& options) {
  return MakeSuite(folder, options, [&](const std::string& path) { CreateHostDatabase(path, options); });
}

Suite CreateSuiteWithDatabase(const std::string& folder, const SuiteOptions& options,
                              const std::string& database) {
  return MakeSuite(folder, options, [&](const std::string& path) { fs::copy_file(database, path); });
}

}  // namespace host
