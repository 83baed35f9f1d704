#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace dao {

// The default workspace: it opens databases and holds the transactions. BeginTrans
// nests (up to five levels, as the engine allows); a transaction still open when
// its database closes or when the program ends is rolled back, never committed.
class Workspace {
 public:
  const std::string& Name() const { return name_; }
  const std::string& UserName() const;

  DatabasePtr OpenDatabase(const std::string& path, bool exclusive = false, bool readOnly = false,
                           const std::string& connect = {});
  // A new, empty database file (3204 when the file exists).
  DatabasePtr CreateDatabase(const std::string& path);
  std::vector<DatabasePtr> Databases() const;

  void BeginTrans();
  void CommitTrans();
  void Rollback();
  int TransactionLevel() const { return depth_; }
  void RollbackAll();

 private:
  template <typename F>
  void ForEachAtLevel(int level, F action);
  std::string name_ = "#Default Workspace#";
  std::vector<std::weak_ptr<Database>> databases_;
  int depth_ = 0;
};

}  // namespace dao
