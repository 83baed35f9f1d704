// The database layer's JET collation and row check as a loadable SQLite
// extension (jet.so), so that standard tools read and check a suite's database:
// its text columns are declared COLLATE JET and its tables check each row with
// jet_check_row. In the sqlite3 shell: .load <folder>/jet
#include "platform/dao/row_rules.h"
#include "platform/dao/sql_functions.h"
#include "platform/dao/sqlite_api.h"

SQLITE_EXTENSION_INIT1

extern "C" int sqlite3_jet_init(sqlite3* db, char** /*error*/, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  dao::RegisterJetCollation(db);
  dao::RegisterRowCheck(db);
  return SQLITE_OK;
}
