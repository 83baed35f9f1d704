#pragma once
// The engine's column rules, checked on every row written.
#include <string>

#include "platform/dao/schema.h"

struct sqlite3;

namespace dao {

// The engine's column rules of a table, checked on every row written: a text
// longer than its TEXT(n) raises 3163, "" where AllowZeroLength is false 3315, a
// number out of a BYTE, SHORT or LONG column's range 3349, a value of the wrong
// kind 3464. One call per row, with the rules parsed once per statement, keeps
// writing close to SQLite's own speed.
std::string RowCheckSql(const TableSchema& schema);
// The check itself, jet_check_row, which the stored CHECK constraints call.
void RegisterRowCheck(sqlite3* db);

// Between the column rules of one CHECK's rules text.
inline constexpr char kRuleSeparator = '\x1f';

}  // namespace dao
