#include "tools/host/host_database.h"

#include "platform/dao/dbengine.h"
#include "platform/dao/tabledef.h"
#include "platform/dao/transaction.h"
#include "platform/dao/workspace.h"
#include "tools/host/host_tables.h"
#include "tools/host/sample_rows.h"

namespace host {
namespace {

void AllowEmptyTexts(dao::Database& db, const HostTable& table) {
  dao::TableDef& def = db.TableDefs()[table.name];
  for (dao::FieldDef& field : def)
    if (field.Type() == dao::dbText && !IsKeyColumn(table, field.Name()))
      field.SetAllowZeroLength(true);
}

}  // namespace

void CreateHostTables(dao::Database& db) {
  for (const HostTable& table : HostTables()) {
    db.Execute(table.createSql, dao::dbFailOnError);
    db.Execute(PrimaryKeySql(table), dao::dbFailOnError);
    AllowEmptyTexts(db, table);
  }
}

void AddSampleRows(dao::Database& db, const SuiteOptions& options) {
  for (const std::string& statement : SampleRowStatements(options.user, options.userType))
    db.Execute(statement, dao::dbFailOnError);
}

// The tables and rows are written in one transaction: one write of the file
// instead of one per statement.
void CreateHostDatabase(const std::string& path, const SuiteOptions& options) {
  dao::Workspace& workspace = dao::Engine().Workspaces(0);
  dao::DatabasePtr db = workspace.CreateDatabase(path);
  {
    dao::Transaction transaction(workspace);
    CreateHostTables(*db);
    if (options.sampleRows) AddSampleRows(*db, options);
    transaction.Commit();
  }
  db->Close();
}

}  // namespace host
