#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/errors.h"
#include "platform/dao/workspace.h"

namespace dao {

// The database engine the programs talk to: its settings, its one workspace and
// the errors of the last failing call. SQLite has no workgroup security: SystemDB,
// DefaultUser, DefaultPassword and IniPath are kept for the programs to set and
// read, and nothing else is done with them.
class DBEngine {
 public:
  DBEngine(const DBEngine&) = delete;
  DBEngine& operator=(const DBEngine&) = delete;

  const std::string& SystemDB() const { return systemDb_; }
  void SetSystemDB(std::string path) { systemDb_ = std::move(path); }
  const std::string& DefaultUser() const { return defaultUser_; }
  void SetDefaultUser(std::string user) { defaultUser_ = std::move(user); }
  const std::string& DefaultPassword() const { return defaultPassword_; }
  void SetDefaultPassword(std::string password) { defaultPassword_ = std::move(password); }
  const std::string& IniPath() const { return iniPath_; }
  void SetIniPath(std::string path) { iniPath_ = std::move(path); }

  // Only workspace 0 exists; any other index raises 3265.
  Workspace& Workspaces(int index);
  int WorkspaceCount() const { return 1; }

  DatabasePtr OpenDatabase(const std::string& path, bool exclusive = false, bool readOnly = false,
                           const std::string& connect = {});
  DatabasePtr CreateDatabase(const std::string& path);
  void BeginTrans();
  void CommitTrans();
  void Rollback();

  // The errors of the last call that failed, in order.
  const std::vector<ErrorItem>& Errors() const { return errors_; }
  void RecordError(ErrorItem error);

 private:
  DBEngine();
  friend DBEngine& Engine();

  std::string systemDb_;
  std::string defaultUser_ = "admin";
  std::string defaultPassword_;
  std::string iniPath_;
  Workspace workspace_;
  std::vector<ErrorItem> errors_;
};

// The program's one engine (the system's DBEngine object).
DBEngine& Engine();

}  // namespace dao
