#pragma once
// A table's Jet definition and the SQLite table that stores it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/constants.h"

namespace dao {

// One column as the creating statement declared it, with the properties the engine
// keeps for it. The record check code reads each value's type, so the declared
// Jet type decides the subtype of every value read back.
struct ColumnDef {
  std::string name;
  int type = dbText;
  int size = 255;
  bool allowZeroLength = false;
  bool required = false;
  bool autoIncrement = false;
};

struct TableSchema {
  std::string name;
  std::vector<ColumnDef> columns;
  // The primary key's constraint name: the engine keeps these names per table, so
  // two tables may each have a key of the same name.
  std::string keyName;
  std::vector<std::string> keyColumns;

  int ColumnIndex(std::string_view column) const;
  const ColumnDef* Column(std::string_view column) const;
  bool IsKeyColumn(std::string_view column) const;
};

// A Jet type name of the DDL (BYTE, SHORT, TEXT, ...) as the field type and its
// default size; false when the name is not a type.
bool JetTypeFromName(std::string_view name, int& type, int& size, bool& autoIncrement);
int FixedSize(int type);
bool IsTextType(int type);

// The SQLite table that stores `schema` under `storedName`: text columns compare
// with the JET collation (no case, accents kept apart), key columns refuse Null,
// and the engine's column rules are checked on every row written.
std::string CreateTableSql(const TableSchema& schema, std::string_view storedName);
// The triggers that number COUNTER columns, one per such column.
std::vector<std::string> CounterTriggerSql(const TableSchema& schema);

std::string QuoteName(std::string_view name);

}  // namespace dao
