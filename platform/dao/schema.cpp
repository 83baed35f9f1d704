#include "platform/dao/schema.h"

#include <string>

#include "platform/dao/errors.h"
#include "platform/dao/row_rules.h"
#include "platform/dao/tokenizer.h"

namespace dao {
namespace {

struct TypeName {
  const char* name;
  int type;
  int size;
  bool autoIncrement;
};

constexpr TypeName kTypeNames[] = {
    {"BYTE", dbByte, 1, false},          {"TINYINT", dbByte, 1, false},
    {"SHORT", dbInteger, 2, false},      {"SMALLINT", dbInteger, 2, false},
    {"INTEGER2", dbInteger, 2, false},   {"INTEGER", dbLong, 4, false},
    {"INT", dbLong, 4, false},           {"LONG", dbLong, 4, false},
    {"INTEGER4", dbLong, 4, false},      {"SINGLE", dbSingle, 4, false},
    {"REAL", dbSingle, 4, false},        {"FLOAT4", dbSingle, 4, false},
    {"DOUBLE", dbDouble, 8, false},      {"FLOAT", dbDouble, 8, false},
    {"FLOAT8", dbDouble, 8, false},      {"NUMBER", dbDouble, 8, false},
    {"NUMERIC", dbDouble, 8, false},     {"CURRENCY", dbCurrency, 8, false},
    {"MONEY", dbCurrency, 8, false},     {"DATE", dbDate, 8, false},
    {"DATETIME", dbDate, 8, false},      {"TIME", dbDate, 8, false},
    {"TIMESTAMP", dbDate, 8, false},     {"TEXT", dbText, 255, false},
    {"CHAR", dbText, 255, false},        {"VARCHAR", dbText, 255, false},
    {"STRING", dbText, 255, false},      {"ALPHANUMERIC", dbText, 255, false},
    {"MEMO", dbMemo, 0, false},          {"LONGTEXT", dbMemo, 0, false},
    {"LONGCHAR", dbMemo, 0, false},      {"NOTE", dbMemo, 0, false},
    {"YESNO", dbBoolean, 1, false},      {"BIT", dbBoolean, 1, false},
    {"LOGICAL", dbBoolean, 1, false},    {"BOOLEAN", dbBoolean, 1, false},
    {"COUNTER", dbLong, 4, true},        {"AUTOINCREMENT", dbLong, 4, true},
};

std::string Affinity(int type) {
  switch (type) {
    case dbBoolean: case dbByte: case dbInteger: case dbLong: return "INTEGER";
    case dbSingle: case dbDouble: case dbCurrency: case dbDate: return "REAL";
    default: return "TEXT COLLATE JET";
  }
}

// SQLite makes a lone key column declared INTEGER an alias of the row number: a
// Null written to it would be numbered instead of refused (3058), and a Null
// written over it refused as a mismatch. Such a key is declared INT, the same
// affinity without the alias; a counter keeps the alias, which numbers it.
std::string DeclaredType(const TableSchema& schema, const ColumnDef& column) {
  std::string affinity = Affinity(column.type);
  bool loneKey = schema.keyColumns.size() == 1 && EqualsNoCase(schema.keyColumns[0], column.name);
  return affinity == "INTEGER" && loneKey && !column.autoIncrement ? "INT" : affinity;
}

}  // namespace

int TableSchema::ColumnIndex(std::string_view column) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (EqualsNoCase(columns[i].name, column)) return static_cast<int>(i);
  }
  return -1;
}

const ColumnDef* TableSchema::Column(std::string_view column) const {
  int index = ColumnIndex(column);
  return index < 0 ? nullptr : &columns[index];
}

bool TableSchema::IsKeyColumn(std::string_view column) const {
  for (const auto& key : keyColumns) {
    if (EqualsNoCase(key, column)) return true;
  }
  return false;
}

bool JetTypeFromName(std::string_view name, int& type, int& size, bool& autoIncrement) {
  for (const auto& entry : kTypeNames) {
    if (EqualsNoCase(name, entry.name)) {
      type = entry.type;
      size = entry.size;
      autoIncrement = entry.autoIncrement;
      return true;
    }
  }
  return false;
}

int FixedSize(int type) {
  switch (type) {
    case dbBoolean: case dbByte: return 1;
    case dbInteger: return 2;
    case dbLong: case dbSingle: return 4;
    case dbDouble: case dbCurrency: case dbDate: return 8;
    default: return 0;
  }
}

bool IsTextType(int type) { return type == dbText || type == dbMemo; }

std::string QuoteName(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string CreateTableSql(const TableSchema& schema, std::string_view storedName) {
  std::string sql = "CREATE TABLE " + QuoteName(storedName) + " (";
  for (std::size_t i = 0; i < schema.columns.size(); ++i) {
    const ColumnDef& column = schema.columns[i];
    if (i > 0) sql += ", ";
    sql += QuoteName(column.name) + " " + DeclaredType(schema, column);
    if (column.required || schema.IsKeyColumn(column.name)) sql += " NOT NULL";
  }
  sql += RowCheckSql(schema);
  if (!schema.keyColumns.empty()) {
    sql += ", PRIMARY KEY (";
    for (std::size_t i = 0; i < schema.keyColumns.size(); ++i) {
      if (i > 0) sql += ", ";
      sql += QuoteName(schema.keyColumns[i]);
    }
    sql += ")";
  }
  return sql + ")";
}

std::vector<std::string> CounterTriggerSql(const TableSchema& schema) {
  std::vector<std::string> triggers;
  for (const auto& column : schema.columns) {
    if (!column.autoIncrement) continue;
    std::string table = QuoteName(schema.name);
    std::string name = QuoteName(column.name);
    triggers.push_back("CREATE TRIGGER " + QuoteName("jetcounter:" + schema.name + "." + column.name) +
                       " AFTER INSERT ON " + table + " WHEN NEW." + name +
                       " IS NULL BEGIN UPDATE " + table + " SET " + name +
                       " = (SELECT coalesce(max(" + name + "), 0) + 1 FROM " + table +
                       ") WHERE rowid = NEW.rowid; END");
  }
  return triggers;
}

}  // namespace dao
