// The Connection's definition statements: each changes the SQLite table and the
// catalogue together, inside one savepoint, so that a failure leaves both as they
// were.
#include <sqlite3.h>

#include "platform/dao/connection.h"
#include "platform/dao/errors.h"
#include "platform/dao/sqlite_util.h"

namespace dao {
namespace {

constexpr const char* kRebuildName = "__dao_rebuild";

void RequireColumns(const TableSchema& schema, const std::vector<std::string>& columns) {
  for (const auto& column : columns) {
    if (schema.Column(column) == nullptr) RaiseEngineError(kErrItemNotFound, column);
  }
}

// SQLite cannot add a key to a table, so the table is built again with it.
TableSchema WithKey(const TableSchema& schema, const Definition& d) {
  if (!schema.keyColumns.empty()) RaiseEngineError(kErrPrimaryKeyExists, schema.name);
  RequireColumns(schema, d.columns);
  TableSchema changed = schema;
  changed.keyName = d.name;
  changed.keyColumns = d.columns;
  return changed;
}

TableSchema WithColumn(const TableSchema& schema, const Definition& d) {
  if (schema.Column(d.column.name) != nullptr) RaiseEngineError(kErrFieldDefinedTwice, d.column.name);
  TableSchema changed = schema;
  changed.columns.push_back(d.column);
  return changed;
}

TableSchema WithoutColumn(const TableSchema& schema, const Definition& d) {
  int index = schema.ColumnIndex(d.name);
  if (index < 0) RaiseEngineError(kErrItemNotFound, d.name);
  if (schema.IsKeyColumn(d.name)) RaiseEngineError(kErrFieldInIndex);
  TableSchema changed = schema;
  changed.columns.erase(changed.columns.begin() + index);
  return changed;
}

TableSchema WithoutKey(const TableSchema& schema, const Definition& d) {
  if (schema.keyColumns.empty() || !EqualsNoCase(schema.keyName, d.name)) RaiseEngineError(kErrItemNotFound, d.name);
  TableSchema changed = schema;
  changed.keyName.clear();
  changed.keyColumns.clear();
  return changed;
}

// A column given a new type keeps its name as first written and its AllowZeroLength.
TableSchema WithColumnChanged(const TableSchema& schema, const Definition& d) {
  int index = schema.ColumnIndex(d.column.name);
  if (index < 0) RaiseEngineError(kErrItemNotFound, d.column.name);
  TableSchema changed = schema;
  ColumnDef column = d.column;
  column.name = schema.columns[index].name;
  column.allowZeroLength = schema.columns[index].allowZeroLength;
  changed.columns[index] = column;
  return changed;
}

TableSchema Changed(const TableSchema& schema, const Definition& d) {
  using Action = Definition::Action;
  switch (d.action) {
    case Action::AddKey: return WithKey(schema, d);
    case Action::AddColumn: return WithColumn(schema, d);
    case Action::DropColumn: return WithoutColumn(schema, d);
    case Action::DropConstraint: return WithoutKey(schema, d);
    default: return WithColumnChanged(schema, d);
  }
}

// Index names are kept per table, as the engine keeps them; SQLite's are per file.
std::string IndexName(const TableSchema& schema, const std::string& name) {
  return QuoteName(schema.name + ":" + name);
}

}  // namespace

template <typename F>
void Connection::InSavepoint(F work) {
  ExecSql(db_, "SAVEPOINT dao_definition", &catalogue_);
  try {
    work();
    ExecSql(db_, "RELEASE dao_definition", &catalogue_);
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK TO dao_definition", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "RELEASE dao_definition", nullptr, nullptr, nullptr);
    catalogue_.Load();
    throw;
  }
  schemaVersion_ = -1;
  SyncCatalogue();
}

void Connection::ExecuteDefinition(std::string_view sql) {
  Definition definition = ParseDefinition(Tokenize(sql));
  SyncCatalogue();
  ClearCache();
  InSavepoint([&] { Apply(definition); });
}

const TableSchema& Connection::ExistingTable(const std::string& table) {
  if (catalogue_.Find(table) == nullptr) SyncCatalogue();
  const TableSchema* schema = catalogue_.Find(table);
  if (schema == nullptr) RaiseEngineError(kErrTableNotFound, table);
  return *schema;
}

void Connection::CreateStored(const TableSchema& schema, std::string_view storedName) {
  ExecSql(db_, CreateTableSql(schema, storedName), &catalogue_);
}

void Connection::Apply(const Definition& d) {
  using Action = Definition::Action;
  switch (d.action) {
    case Action::CreateTable: return CreateTable(d.schema);
    case Action::DropTable: return DropTable(d.table);
    case Action::CreateIndex: return CreateIndex(d);
    case Action::DropIndex:
      ExecSql(db_, "DROP INDEX " + IndexName(ExistingTable(d.table), d.name), &catalogue_);
      return;
    default: {
      TableSchema schema = ExistingTable(d.table);
      Rebuild(schema, Changed(schema, d));
    }
  }
}

void Connection::CreateTable(const TableSchema& schema) {
  if (catalogue_.Find(schema.name) != nullptr) RaiseEngineError(kErrTableExists, schema.name);
  RequireColumns(schema, schema.keyColumns);
  CreateStored(schema, schema.name);
  for (const auto& trigger : CounterTriggerSql(schema)) ExecSql(db_, trigger, &catalogue_);
  catalogue_.Save(schema);
}

void Connection::DropTable(const std::string& table) {
  const TableSchema* schema = catalogue_.Find(table);
  if (schema == nullptr) RaiseEngineError(kErrTableMissing, table);
  std::string name = schema->name;
  ExecSql(db_, "DROP TABLE " + QuoteName(name), &catalogue_);
  catalogue_.Forget(name);
}

void Connection::CreateIndex(const Definition& d) {
  const TableSchema& schema = ExistingTable(d.table);
  RequireColumns(schema, d.columns);
  std::string sql = std::string(d.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + IndexName(schema, d.name) +
                    " ON " + QuoteName(schema.name) + " (";
  for (std::size_t i = 0; i < d.columns.size(); ++i) sql += (i > 0 ? ", " : "") + QuoteName(d.columns[i]);
  ExecSql(db_, sql + ")", &catalogue_);
}

// Builds `to` as a new table, copies the rows that `from` holds into it and puts it
// in place of `from`, keeping its indexes. The copy enforces every rule of `to`:
// a key over duplicate rows fails with 3022, over Null values with 3058.
void Connection::Rebuild(const TableSchema& from, const TableSchema& to) {
  std::vector<std::string> indexes;
  {
    Statement list(db_, "SELECT sql FROM sqlite_schema WHERE type = 'index' AND sql IS NOT NULL AND tbl_name = ?1");
    list.BindText(1, from.name);
    while (list.Step()) indexes.push_back(ColumnText(list.get(), 0));
  }
  std::string names;
  for (const auto& column : to.columns) {
    if (from.Column(column.name) != nullptr) names += (names.empty() ? "" : ", ") + QuoteName(column.name);
  }
  ExecSql(db_, "DROP TABLE IF EXISTS " + QuoteName(kRebuildName), &catalogue_);
  CreateStored(to, kRebuildName);
  try {
    ExecSql(db_, "INSERT INTO " + QuoteName(kRebuildName) + " (" + names + ") SELECT " + names + " FROM " +
                     QuoteName(from.name),
            &catalogue_);
  } catch (const vb::Error& error) {
    if (error.Number() == kErrDuplicateKey) RaiseEngineError(kErrDuplicateKey, to.name);
    throw;
  }
  ExecSql(db_, "DROP TABLE " + QuoteName(from.name), &catalogue_);
  ExecSql(db_, "ALTER TABLE " + QuoteName(kRebuildName) + " RENAME TO " + QuoteName(to.name), &catalogue_);
  for (const auto& index : indexes) ExecSql(db_, index, &catalogue_);
  for (const auto& trigger : CounterTriggerSql(to)) ExecSql(db_, trigger, &catalogue_);
  catalogue_.Save(to);
}

void Connection::SetAllowZeroLength(const std::string& table, const std::string& column, bool allow) {
  RequireOpen();
  TableSchema schema = ExistingTable(table);
  int index = schema.ColumnIndex(column);
  if (index < 0) RaiseEngineError(kErrItemNotFound, column, "DAO.Field");
  if (!IsTextType(schema.columns[index].type)) RaiseEngineError(kErrInvalidOperation, {}, "DAO.Field");
  if (schema.columns[index].allowZeroLength == allow) return;
  TableSchema changed = schema;
  changed.columns[index].allowZeroLength = allow;
  ClearCache();
  InSavepoint([&] { Rebuild(schema, changed); });
}

// The values of a SELECT ... INTO make a new table whose columns take the types of
// the columns and expressions they come from.
void Connection::ExecuteSelectInto(const Cached& entry, const Scanned& scanned, std::string_view sql) {
  const std::string& target = entry.translation.table;
  if (catalogue_.Find(target) != nullptr) RaiseEngineError(kErrTableExists, target);
  TableSchema schema;
  schema.name = target;
  for (const auto& column : entry.columns) {
    ColumnDef def;
    def.name = column.name;
    def.type = column.type == 0 ? dbText : column.type;
    def.size = def.type == dbText ? (column.size > 0 ? column.size : 255) : FixedSize(def.type);
    def.allowZeroLength = true;
    schema.columns.push_back(def);
  }
  std::string insert = "INSERT INTO " + QuoteName(target) + " " + entry.translation.sql;
  InSavepoint([&] {
    CreateTable(schema);
    Statement statement(db_, insert, &catalogue_);
    std::vector<BoundLiteral> bound;
    Bind(statement.get(), scanned, bound);
    Run(statement.get(), sql);
  });
}

}  // namespace dao
