#pragma once
// The host's database: its tables and sample rows.
#include <string>

#include "platform/dao/database.h"
#include "tools/host/suite.h"

namespace host {

// Creates every host table in `db` with its primary key. Text columns outside the
// key accept the empty string: the host's own forms store a blank as "", and the
// module writes "" into some of them (the correlative of its registry rows in
// PARAM, a guarantee box without a value in DET).
void CreateHostTables(dao::Database& db);

// The sample rows: the user in CLAVES, three taxpayers in CONT, the PARAM rows.
void AddSampleRows(dao::Database& db, const SuiteOptions& options);

// A new database file at `path` with the host tables and, when asked, the rows.
void CreateHostDatabase(const std::string& path, const SuiteOptions& options);

}  // namespace host
