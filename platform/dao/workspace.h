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

  // A transaction takes a database's write lock at its first write, so other
  // programs may write until then.
  void BeginTrans();
  // The same, with `db`'s write lock taken at once (3051 when another program
  // holds it past the wait), so that a number read inside the transaction (the
  // highest stored, say) and the row written with the next one are one step for
  // every other program. Only the first level locks; the other databases of the
  // workspace begin as BeginTrans begins them.
  void BeginWriteTrans(Database& db);
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
