#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/connection.h"
#include "platform/dao/recordset.h"
#include "platform/dao/tabledef.h"

namespace dao {

class Workspace;

// An open database file. Statements are Jet SQL as the programs write them; the
// layer translates each shape once and keeps it prepared.
class Database {
 public:
  Database(std::shared_ptr<Connection> connection, bool readOnly);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::string& Name() const;
  bool IsOpen() const;
  bool Updatable() const { return !readOnly_; }

  // Runs an action or definition statement. Whatever the options (0,
  // dbInconsistent, dbFailOnError), a statement that fails is undone as a whole
  // and raises its error: a failure is never reported as success.
  void Execute(const std::string& sql, int options = 0);
  long RecordsAffected() const { return recordsAffected_; }

  // `source` is a table name or a SELECT. Without a type, a table opens as a
  // table-type recordset and a query as a dynaset. A dynaset opened with
  // dbAppendOnly reads no stored row: it shows only the rows added through it.
  RecordsetPtr OpenRecordset(const std::string& source, int type = 0, int options = 0);
  dao::TableDefs& TableDefs();

  // Closes the database and its recordsets; an open transaction is rolled back.
  void Close();

  // The connection, for the workspace's transactions.
  Connection& connection() { return *connection_; }

 private:
  std::shared_ptr<Connection> connection_;
  bool readOnly_;
  long recordsAffected_ = 0;
  std::unique_ptr<dao::TableDefs> tableDefs_;
  std::vector<std::weak_ptr<Recordset>> recordsets_;
};

using DatabasePtr = std::shared_ptr<Database>;

}  // namespace dao
