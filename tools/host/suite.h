#pragma once
// A suite folder as the host installs it.
#include <string>

namespace host {

struct SuiteOptions {
  // SysUser of the settings file, and the user of the sample rows.
  std::string user = "USUARIO";
  // His type in CLAVES: "0" sees every declarant, any other only his own.
  std::string userType = "1";
  // Without sample rows the host tables are created empty.
  bool sampleRows = true;
};

// A suite folder as the host installs it:
//   <folder>/zep/       the install folder (SysPath, DBPath) with RPT/, tmp/ and
//                       the database file TESCA.MDB
//   <folder>/windows/   the Windows folder (WINDIR) with TESCA.INI and win.ini
struct Suite {
  std::string folder;
  // Absolute, ending with "/": SysPath and DBPath as TESCA.INI holds them.
  std::string installFolder;
  std::string windowsFolder;
  std::string settingsPath;
  std::string databasePath;
};

inline constexpr const char* kDatabaseName = "TESCA.MDB";

// Creates the suite in `folder` (created when missing). It refuses, with
// std::runtime_error, a folder that already holds a suite's database, so that a
// second run never replaces a user's declarations.
Suite CreateSuite(const std::string& folder, const SuiteOptions& options = {});

// The same suite with a copy of `database`, the database of a suite made with the
// same options, instead of tables made one by one: tests make one and copy it.
Suite CreateSuiteWithDatabase(const std::string& folder, const SuiteOptions& options,
                              const std::string& database);

}  // namespace host
