#include "platform/dao/row_rules.h"

#include <string>

#include "platform/vb/sql.h"

namespace dao {
namespace {

// SQLite passes at most 127 arguments to a function; wider tables get one check
// per group of columns.
constexpr std::size_t kColumnsPerCheck = 120;

// A column's rule as jet_check_row reads it: name, ':', its kind (t text, m memo,
// b byte, i integer, l long, y yes/no, n other numbers), a text's size, and 'z'
// when it may hold "".
char KindOf(const ColumnDef& column) {
  switch (column.type) {
    case dbText: return 't';
    case dbMemo: return 'm';
    case dbByte: return 'b';
    case dbInteger: return 'i';
    case dbLong: return 'l';
    case dbBoolean: return 'y';
    default: return 'n';
  }
}

std::string Encode(const ColumnDef& column) {
  std::string code(1, KindOf(column));
  if (column.type == dbText) code += std::to_string(column.size);
  if (column.allowZeroLength) code += 'z';
  return column.name + ':' + code;
}

}  // namespace

std::string RowCheckSql(const TableSchema& schema) {
  std::string sql;
  for (std::size_t first = 0; first < schema.columns.size(); first += kColumnsPerCheck) {
    std::string rules;
    std::string values;
    for (std::size_t i = first; i < schema.columns.size() && i < first + kColumnsPerCheck; ++i) {
      if (i > first) rules += kRuleSeparator;
      rules += Encode(schema.columns[i]);
      values += ", " + QuoteName(schema.columns[i].name);
    }
    sql += ", CHECK (jet_check_row(" + vb::SqlText(schema.name) + ", " + vb::SqlText(rules) + values + "))";
  }
  return sql;
}

}  // namespace dao
