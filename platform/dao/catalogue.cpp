#include "platform/dao/catalogue.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

#include "platform/dao/sqlite_util.h"
#include "platform/dao/tokenizer.h"

namespace dao {
namespace {

int TypeFromDeclared(const std::string& declared, int& size) {
  std::string upper = AsciiUpper(declared);
  size = 255;
  int type = dbText;
  bool autoIncrement = false;
  std::string word = upper.substr(0, upper.find_first_of(" ("));
  if (JetTypeFromName(word, type, size, autoIncrement)) return type;
  if (upper.find("INT") != std::string::npos) {
    size = 4;
    return dbLong;
  }
  if (upper.find("REAL") != std::string::npos || upper.find("FLOA") != std::string::npos ||
      upper.find("DOUB") != std::string::npos) {
    size = 8;
    return dbDouble;
  }
  return dbText;
}

}  // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
  });
}

void Catalogue::Load() {
  std::map<std::string, TableSchema, NoCaseLess> tables;
  LoadStoredTables(tables);
  LoadDefinitions(tables);
  for (auto& [name, schema] : tables) {
    if (schema.columns.empty()) schema = Derived(name);
  }
  tables_ = std::move(tables);
  ++version_;
}

void Catalogue::LoadStoredTables(std::map<std::string, TableSchema, NoCaseLess>& tables) {
  Statement list(db_,
                 "SELECT name FROM sqlite_schema WHERE type = 'table' "
                 "AND substr(name, 1, 7) <> 'sqlite_' AND name <> '__dao_catalogue'");
  while (list.Step()) {
    std::string name = ColumnText(list.get(), 0);
    tables[name].name = name;
  }
}

void Catalogue::LoadDefinitions(std::map<std::string, TableSchema, NoCaseLess>& tables) {
  Statement exists(db_, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = '__dao_catalogue'");
  if (!exists.Step()) return;
  Statement rows(db_,
                 "SELECT table_name, column_name, jet_type, size, allow_zero_length, required, "
                 "auto_increment, key_name, key_position FROM __dao_catalogue "
                 "ORDER BY table_name, ordinal");
  std::map<std::string, std::vector<std::pair<int, std::string>>, NoCaseLess> keys;
  while (rows.Step()) {
    sqlite3_stmt* s = rows.get();
    auto it = tables.find(ColumnText(s, 0));
    if (it == tables.end()) continue;
    ColumnDef column;
    column.name = ColumnText(s, 1);
    column.type = sqlite3_column_int(s, 2);
    column.size = sqlite3_column_int(s, 3);
    column.allowZeroLength = sqlite3_column_int(s, 4) != 0;
    column.required = sqlite3_column_int(s, 5) != 0;
    column.autoIncrement = sqlite3_column_int(s, 6) != 0;
    if (sqlite3_column_type(s, 7) != SQLITE_NULL) it->second.keyName = ColumnText(s, 7);
    if (sqlite3_column_type(s, 8) != SQLITE_NULL)
      keys[it->first].emplace_back(sqlite3_column_int(s, 8), column.name);
    it->second.columns.push_back(std::move(column));
  }
  for (auto& [table, positions] : keys) {
    std::sort(positions.begin(), positions.end());
    for (auto& [position, column] : positions) tables[table].keyColumns.push_back(column);
  }
}

TableSchema Catalogue::Derived(const std::string& table) {
  TableSchema schema;
  schema.name = table;
  Statement info(db_, "PRAGMA table_info(" + QuoteName(table) + ")");
  std::vector<std::pair<int, std::string>> keys;
  while (info.Step()) {
    ColumnDef column;
    column.name = ColumnText(info.get(), 1);
    column.type = TypeFromDeclared(ColumnText(info.get(), 2), column.size);
    column.allowZeroLength = true;
    column.required = sqlite3_column_int(info.get(), 3) != 0;
    int key = sqlite3_column_int(info.get(), 5);
    if (key > 0) keys.emplace_back(key, column.name);
    schema.columns.push_back(std::move(column));
  }
  std::sort(keys.begin(), keys.end());
  for (auto& [position, column] : keys) schema.keyColumns.push_back(column);
  if (!keys.empty()) schema.keyName = "PrimaryKey";
  return schema;
}

const TableSchema* Catalogue::Find(std::string_view table) const {
  auto it = tables_.find(table);
  return it == tables_.end() ? nullptr : &it->second;
}

std::vector<const TableSchema*> Catalogue::Tables() const {
  std::vector<const TableSchema*> list;
  for (const auto& [name, schema] : tables_) list.push_back(&schema);
  return list;
}

void Catalogue::EnsureTable() {
  ExecSql(db_,
          "CREATE TABLE IF NOT EXISTS __dao_catalogue (table_name TEXT NOT NULL COLLATE NOCASE, "
          "ordinal INTEGER NOT NULL, column_name TEXT NOT NULL, jet_type INTEGER NOT NULL, "
          "size INTEGER NOT NULL, allow_zero_length INTEGER NOT NULL, required INTEGER NOT NULL, "
          "auto_increment INTEGER NOT NULL, key_name TEXT, key_position INTEGER, "
          "PRIMARY KEY (table_name, ordinal))");
}

void Catalogue::Save(const TableSchema& schema) {
  EnsureTable();
  Statement remove(db_, "DELETE FROM __dao_catalogue WHERE table_name = ?1");
  remove.BindText(1, schema.name);
  remove.Step();
  Statement insert(db_,
                   "INSERT INTO __dao_catalogue VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
  for (std::size_t i = 0; i < schema.columns.size(); ++i) {
    const ColumnDef& column = schema.columns[i];
    sqlite3_reset(insert.get());
    insert.BindText(1, schema.name);
    insert.BindInt(2, static_cast<long long>(i));
    insert.BindText(3, column.name);
    insert.BindInt(4, column.type);
    insert.BindInt(5, column.size);
    insert.BindInt(6, column.allowZeroLength);
    insert.BindInt(7, column.required);
    insert.BindInt(8, column.autoIncrement);
    if (schema.keyName.empty()) {
      sqlite3_bind_null(insert.get(), 9);
    } else {
      insert.BindText(9, schema.keyName);
    }
    sqlite3_bind_null(insert.get(), 10);
    for (std::size_t k = 0; k < schema.keyColumns.size(); ++k) {
      if (EqualsNoCase(schema.keyColumns[k], column.name)) insert.BindInt(10, static_cast<long long>(k));
    }
    insert.Step();
  }
  tables_[schema.name] = schema;
  ++version_;
}

void Catalogue::Forget(std::string_view table) {
  Statement exists(db_, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = '__dao_catalogue'");
  if (exists.Step()) {
    Statement remove(db_, "DELETE FROM __dao_catalogue WHERE table_name = ?1");
    remove.BindText(1, std::string(table));
    remove.Step();
  }
  auto it = tables_.find(table);
  if (it != tables_.end()) tables_.erase(it);
  ++version_;
}

}  // namespace dao
