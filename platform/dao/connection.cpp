#include "platform/dao/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <charconv>

#include "platform/dao/errors.h"
#include "platform/dao/jet_value.h"
#include "platform/dao/sql_functions.h"
#include "platform/dao/sqlite_util.h"

namespace dao {
namespace {

constexpr std::size_t kCacheCapacity = 256;
constexpr const char* kRebuildName = "__dao_rebuild";

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;
  struct stat info {};
  std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

sqlite3* OpenHandle(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(db);
    if (rc == SQLITE_CANTOPEN) RaiseEngineError(kErrFileNotFound, path);
    RaiseSqliteError(nullptr, rc);
  }
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, Connection::kBusyTimeoutMs);
  RegisterJetSql(db);
  return db;
}

// The statements of one import share a few dates; each is read once.
double DateSerialOf(std::string_view text) {
  struct Entry {
    std::string text;
    double serial = 0;
  };
  static thread_local Entry recent[4];
  static thread_local int next = 0;
  for (const Entry& entry : recent) {
    if (!entry.text.empty() && entry.text == text) return entry.serial;
  }
  Entry& entry = recent[next++ % 4];
  entry.serial = DateLiteralSerial(text);
  entry.text = std::string(text);
  return entry.serial;
}

void BindLiteral(sqlite3_stmt* stmt, int index, const RawToken& literal, std::vector<std::string>& keep) {
  std::string_view raw = literal.raw;
  switch (literal.kind) {
    case TokenKind::String: {
      std::string_view inner = raw.substr(1, raw.size() - 2);
      if (literal.escaped) {
        keep.push_back(StringValue(raw));
        inner = keep.back();
      }
      sqlite3_bind_text(stmt, index, inner.data(), static_cast<int>(inner.size()), SQLITE_STATIC);
      break;
    }
    case TokenKind::Number: {
      const char* first = raw.data();
      const char* last = raw.data() + raw.size();
      long long whole = 0;
      if (!literal.escaped) {
        auto [end, ec] = std::from_chars(first, last, whole);
        if (ec == std::errc() && end == last) {
          sqlite3_bind_int64(stmt, index, whole);
          break;
        }
      }
      double number = 0;
      std::from_chars(first, last, number);
      sqlite3_bind_double(stmt, index, number);
      break;
    }
    case TokenKind::Date: sqlite3_bind_double(stmt, index, DateSerialOf(raw.substr(1, raw.size() - 2))); break;
    default: break;
  }
}

std::string ColumnList(const TableSchema& schema, const std::vector<int>& columns) {
  std::string list;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) list += ", ";
    list += QuoteName(schema.columns[columns[i]].name);
  }
  return list;
}

std::vector<int> AllColumns(const TableSchema& schema) {
  std::vector<int> columns(schema.columns.size());
  for (std::size_t i = 0; i < columns.size(); ++i) columns[i] = static_cast<int>(i);
  return columns;
}

std::vector<ResultColumn> TableColumns(const TableSchema& schema) {
  std::vector<ResultColumn> columns;
  for (std::size_t i = 0; i < schema.columns.size(); ++i) {
    const ColumnDef& def = schema.columns[i];
    columns.push_back({def.name, def.type, IsTextType(def.type) ? def.size : FixedSize(def.type),
                       schema.name, static_cast<int>(i)});
  }
  return columns;
}

}  // namespace

Connection::Connection(sqlite3* db, std::string path) : db_(db), path_(std::move(path)), catalogue_(db) {}

std::shared_ptr<Connection> Connection::Open(const std::string& path, bool exclusive, bool readOnly) {
  if (!FileExists(path)) RaiseEngineError(FolderExists(path) ? kErrFileNotFound : kErrInvalidPath, path);
  sqlite3* db = OpenHandle(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
  std::shared_ptr<Connection> connection(new Connection(db, path));
  // Opened exclusively, the file stays locked until it is closed, so that another
  // program opening it is told 3051, as the engine tells it.
  if (exclusive) {
    ExecSql(db, "PRAGMA locking_mode = EXCLUSIVE");
    ExecSql(db, "BEGIN EXCLUSIVE");
    ExecSql(db, "COMMIT");
  }
  connection->catalogue_.Load();
  connection->SyncCatalogue();
  return connection;
}

std::shared_ptr<Connection> Connection::Create(const std::string& path) {
  if (FileExists(path)) RaiseEngineError(kErrDatabaseExists, path);
  if (!FolderExists(path)) RaiseEngineError(kErrInvalidPath, path);
  sqlite3* db = OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  std::shared_ptr<Connection> connection(new Connection(db, path));
  connection->catalogue_.Initialise();
  connection->catalogue_.Load();
  connection->SyncCatalogue();
  return connection;
}

Connection::~Connection() { Close(); }

void Connection::Close() {
  if (db_ == nullptr) return;
  RollbackAll();
  ClearCache();
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

void Connection::RequireOpen() const {
  if (db_ == nullptr) RaiseEngineError(kErrObjectInvalid);
}

// The statement's shape: its text with every bound literal replaced by its kind.
// Statements that differ only in their values share one translation and one
// prepared SQLite statement.
void Connection::Scan(std::string_view sql, Scanned& scanned) {
  scanned.shape.clear();
  scanned.literals.clear();
  scanned.definition = false;
  Lexer lexer(sql);
  LiteralPolicy policy;
  RawToken token;
  bool first = true;
  while (lexer.Next(token)) {
    if (first && token.kind == TokenKind::Word) {
      scanned.definition = EqualsNoCase(token.raw, "CREATE") || EqualsNoCase(token.raw, "ALTER") ||
                           EqualsNoCase(token.raw, "DROP");
    }
    first = false;
    if (!scanned.shape.empty()) scanned.shape += ' ';
    if (policy.Parameterize(token)) {
      scanned.literals.push_back(token);
      scanned.shape += token.kind == TokenKind::String ? "?s" : token.kind == TokenKind::Number ? "?n" : "?d";
    } else {
      scanned.shape += token.raw;
    }
  }
}

sqlite3_stmt* Connection::Compile(const std::string& sql, std::string_view statement) {
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                              &stmt, nullptr);
  if (rc != SQLITE_OK) RaiseSqliteError(db_, rc, &catalogue_, statement);
  return stmt;
}

void Connection::Remember(std::string key, std::unique_ptr<Cached> entry) {
  if (cache_.size() >= kCacheCapacity) {
    auto oldest = cache_.find(recent_.back());
    sqlite3_finalize(oldest->second.second->stmt);
    cache_.erase(oldest);
    recent_.pop_back();
  }
  recent_.push_front(key);
  cache_.emplace(std::move(key), std::make_pair(recent_.begin(), std::move(entry)));
}

void Connection::ClearCache() {
  for (auto& [key, entry] : cache_) sqlite3_finalize(entry.second->stmt);
  cache_.clear();
  recent_.clear();
}

Connection::Cached& Connection::Prepared(const Scanned& scanned, std::string_view sql, bool updatable) {
  if (catalogue_.Version() != cacheVersion_) {
    ClearCache();
    cacheVersion_ = catalogue_.Version();
  }
  if (updatable) scratchKey_ = scanned.shape + "\x01R";
  const std::string& key = updatable ? scratchKey_ : scanned.shape;
  auto found = cache_.find(key);
  if (found != cache_.end()) {
    recent_.splice(recent_.begin(), recent_, found->second.first);
    return *found->second.second;
  }
  SyncCatalogue();
  auto entry = std::make_unique<Cached>();
  entry->translation = TranslateStatement(Tokenize(sql), catalogue_, updatable);
  entry->stmt = Compile(entry->translation.sql, sql);
  if (entry->translation.kind == StatementKind::Select || entry->translation.kind == StatementKind::SelectInto)
    entry->columns = Describe(entry->stmt, entry->translation);
  Cached& result = *entry;
  Remember(key, std::move(entry));
  return result;
}

Connection::Cached& Connection::PreparedText(const std::string& sql) {
  std::string key = "\x02" + sql;
  auto found = cache_.find(key);
  if (found != cache_.end()) {
    recent_.splice(recent_.begin(), recent_, found->second.first);
    return *found->second.second;
  }
  auto entry = std::make_unique<Cached>();
  entry->stmt = Compile(sql, sql);
  Cached& result = *entry;
  Remember(std::move(key), std::move(entry));
  return result;
}

void Connection::Bind(sqlite3_stmt* stmt, const Scanned& scanned) {
  static thread_local std::vector<std::string> keep;
  keep.clear();
  keep.reserve(scanned.literals.size());
  int count = sqlite3_bind_parameter_count(stmt);
  for (int i = 0; i < count && i < static_cast<int>(scanned.literals.size()); ++i)
    BindLiteral(stmt, i + 1, scanned.literals[i], keep);
}

long Connection::Run(sqlite3_stmt* stmt, std::string_view statement) {
  int rc = sqlite3_step(stmt);
  while (rc == SQLITE_ROW) rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) RaiseSqliteError(db_, rc, &catalogue_, statement);
  return sqlite3_changes(db_);
}

std::vector<ResultColumn> Connection::Describe(sqlite3_stmt* stmt, const Translation& translation) const {
  std::vector<ResultColumn> columns;
  int count = sqlite3_column_count(stmt);
  for (int i = translation.updatable ? 1 : 0; i < count; ++i) {
    ResultColumn column;
    column.name = sqlite3_column_name(stmt, i);
    const char* table = sqlite3_column_table_name(stmt, i);
    const char* origin = sqlite3_column_origin_name(stmt, i);
    const TableSchema* schema = table ? catalogue_.Find(table) : nullptr;
    int index = schema && origin ? schema->ColumnIndex(origin) : -1;
    if (index >= 0) {
      const ColumnDef& def = schema->columns[index];
      column.type = def.type;
      column.size = IsTextType(def.type) ? def.size : FixedSize(def.type);
      if (translation.updatable && EqualsNoCase(schema->name, translation.table)) {
        column.table = schema->name;
        column.tableColumn = index;
      }
    } else {
      for (const auto& hint : translation.hints) {
        if (EqualsNoCase(hint.name, column.name)) column.type = hint.type;
      }
      column.size = column.type == dbText ? 255 : FixedSize(column.type);
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

QueryResult Connection::Collect(sqlite3_stmt* stmt, std::vector<ResultColumn> columns, bool rowids,
                                std::string_view statement) {
  QueryResult result;
  int first = rowids ? 1 : 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<vb::Variant> row;
    row.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
      row.push_back(ReadValue(stmt, static_cast<int>(i) + first, columns[i].type));
    result.rows.push_back(std::move(row));
    if (rowids) result.rowids.push_back(sqlite3_column_int64(stmt, 0));
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) RaiseSqliteError(db_, rc, &catalogue_, statement);
  // An expression without a type of its own takes the type of its first value.
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].type != 0) continue;
    for (const auto& row : result.rows) {
      if (row[i].IsNull()) continue;
      columns[i].type = JetTypeOfValue(row[i]);
      columns[i].size = columns[i].type == dbText ? 255 : FixedSize(columns[i].type);
      break;
    }
  }
  result.columns = std::move(columns);
  return result;
}

long Connection::Execute(std::string_view sql) {
  RequireOpen();
  Scan(sql, scratch_);
  if (scratch_.definition) {
    ExecuteDefinition(sql);
    return 0;
  }
  Cached& entry = Prepared(scratch_, sql, false);
  switch (entry.translation.kind) {
    case StatementKind::Select: RaiseEngineError(kErrSelectNotExecutable);
    case StatementKind::SelectInto: ExecuteSelectInto(entry, scratch_, sql); return sqlite3_changes(db_);
    default: break;
  }
  Bind(entry.stmt, scratch_);
  return Run(entry.stmt, sql);
}

QueryResult Connection::Query(std::string_view sql, bool updatable) {
  RequireOpen();
  Scan(sql, scratch_);
  if (scratch_.definition) RaiseEngineError(kErrInvalidOperation);
  Cached& entry = Prepared(scratch_, sql, updatable);
  if (entry.translation.kind != StatementKind::Select) RaiseEngineError(kErrInvalidOperation);
  Bind(entry.stmt, scratch_);
  QueryResult result = Collect(entry.stmt, entry.columns, entry.translation.updatable, sql);
  if (entry.translation.updatable) result.table = entry.translation.table;
  return result;
}

QueryResult Connection::TableRows(std::string_view table) {
  RequireOpen();
  const TableSchema& schema = ExistingTable(std::string(table));
  std::string sql = "SELECT rowid, " + ColumnList(schema, AllColumns(schema)) + " FROM " +
                    QuoteName(schema.name) + " ORDER BY rowid";
  Cached& entry = PreparedText(sql);
  QueryResult result = Collect(entry.stmt, TableColumns(schema), true, table);
  result.table = schema.name;
  return result;
}

long long Connection::InsertRow(const TableSchema& schema, const std::vector<int>& columns,
                                const std::vector<vb::Variant>& values) {
  RequireOpen();
  std::string sql = "INSERT INTO " + QuoteName(schema.name);
  if (columns.empty()) {
    sql += " DEFAULT VALUES";
  } else {
    sql += " (" + ColumnList(schema, columns) + ") VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += i == 0 ? "?" : ", ?";
    sql += ")";
  }
  sqlite3_stmt* stmt = PreparedText(sql).stmt;
  for (std::size_t i = 0; i < values.size(); ++i) BindValue(stmt, static_cast<int>(i) + 1, values[i]);
  Run(stmt, sql);
  return sqlite3_last_insert_rowid(db_);
}

void Connection::UpdateRow(const TableSchema& schema, long long rowid, const std::vector<int>& columns,
                           const std::vector<vb::Variant>& values) {
  RequireOpen();
  if (columns.empty()) return;
  std::string sql = "UPDATE " + QuoteName(schema.name) + " SET ";
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += QuoteName(schema.columns[columns[i]].name) + " = ?";
  }
  sql += " WHERE rowid = ?";
  sqlite3_stmt* stmt = PreparedText(sql).stmt;
  for (std::size_t i = 0; i < values.size(); ++i) BindValue(stmt, static_cast<int>(i) + 1, values[i]);
  sqlite3_bind_int64(stmt, static_cast<int>(values.size()) + 1, rowid);
  Run(stmt, sql);
}

void Connection::DeleteRow(const TableSchema& schema, long long rowid) {
  RequireOpen();
  std::string sql = "DELETE FROM " + QuoteName(schema.name) + " WHERE rowid = ?";
  sqlite3_stmt* stmt = PreparedText(sql).stmt;
  sqlite3_bind_int64(stmt, 1, rowid);
  if (Run(stmt, sql) == 0) RaiseEngineError(kErrRecordDeleted, {}, "DAO.Recordset");
}

std::vector<vb::Variant> Connection::ReadRow(const TableSchema& schema, long long rowid) {
  RequireOpen();
  std::string sql = "SELECT " + ColumnList(schema, AllColumns(schema)) + " FROM " + QuoteName(schema.name) +
                    " WHERE rowid = ?";
  sqlite3_stmt* stmt = PreparedText(sql).stmt;
  sqlite3_bind_int64(stmt, 1, rowid);
  QueryResult result = Collect(stmt, TableColumns(schema), false, sql);
  if (result.rows.empty()) RaiseEngineError(kErrRecordDeleted, {}, "DAO.Recordset");
  return std::move(result.rows.front());
}

void Connection::Refresh() {
  RequireOpen();
  catalogue_.Load();
  schemaVersion_ = -1;
  SyncCatalogue();
}

void Connection::SyncCatalogue() {
  RequireOpen();
  Statement version(db_, "PRAGMA schema_version");
  long long current = version.Step() ? sqlite3_column_int64(version.get(), 0) : 0;
  if (current != schemaVersion_ && schemaVersion_ >= 0) catalogue_.Load();
  schemaVersion_ = current;
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
  InSavepoint([&] {
    CreateStored(schema, schema.name);
    catalogue_.Save(schema);
    std::string insert = "INSERT INTO " + QuoteName(target) + " " + entry.translation.sql;
    Statement statement(db_, insert, &catalogue_);
    Bind(statement.get(), scanned);
    Run(statement.get(), sql);
  });
}

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
}

void Connection::ExecuteDefinition(std::string_view sql) {
  Definition definition = ParseDefinition(Tokenize(sql));
  SyncCatalogue();
  ClearCache();
  InSavepoint([&] { Apply(definition); });
  schemaVersion_ = -1;
  SyncCatalogue();
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
  if (d.action == Action::CreateTable) {
    if (catalogue_.Find(d.table) != nullptr) RaiseEngineError(kErrTableExists, d.table);
    for (const auto& key : d.schema.keyColumns) {
      if (d.schema.Column(key) == nullptr) RaiseEngineError(kErrItemNotFound, key);
    }
    CreateStored(d.schema, d.table);
    for (const auto& trigger : CounterTriggerSql(d.schema)) ExecSql(db_, trigger, &catalogue_);
    catalogue_.Save(d.schema);
    return;
  }
  const TableSchema* found = catalogue_.Find(d.table);
  if (found == nullptr) RaiseEngineError(d.action == Action::DropTable ? kErrTableMissing : kErrTableNotFound, d.table);
  TableSchema schema = *found;
  TableSchema changed = schema;
  switch (d.action) {
    case Action::DropTable:
      ExecSql(db_, "DROP TABLE " + QuoteName(schema.name), &catalogue_);
      catalogue_.Forget(schema.name);
      return;
    case Action::AddKey:
      // SQLite cannot add a key to a table, so the table is built again with it.
      if (!schema.keyColumns.empty()) RaiseEngineError(kErrPrimaryKeyExists, schema.name);
      for (const auto& key : d.columns) {
        if (schema.Column(key) == nullptr) RaiseEngineError(kErrItemNotFound, key);
      }
      changed.keyName = d.name;
      changed.keyColumns = d.columns;
      break;
    case Action::AddColumn:
      if (schema.Column(d.column.name) != nullptr) RaiseEngineError(kErrFieldDefinedTwice, d.column.name);
      changed.columns.push_back(d.column);
      break;
    case Action::DropColumn: {
      int index = schema.ColumnIndex(d.name);
      if (index < 0) RaiseEngineError(kErrItemNotFound, d.name);
      if (schema.IsKeyColumn(d.name)) RaiseEngineError(kErrFieldInIndex);
      changed.columns.erase(changed.columns.begin() + index);
      break;
    }
    case Action::DropConstraint:
      if (schema.keyColumns.empty() || !EqualsNoCase(schema.keyName, d.name))
        RaiseEngineError(kErrItemNotFound, d.name);
      changed.keyName.clear();
      changed.keyColumns.clear();
      break;
    case Action::AlterColumn: {
      int index = schema.ColumnIndex(d.column.name);
      if (index < 0) RaiseEngineError(kErrItemNotFound, d.column.name);
      ColumnDef column = d.column;
      column.name = schema.columns[index].name;
      column.allowZeroLength = schema.columns[index].allowZeroLength;
      changed.columns[index] = column;
      break;
    }
    case Action::CreateIndex: {
      std::string sql = std::string(d.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
                        QuoteName(schema.name + ":" + d.name) + " ON " + QuoteName(schema.name) + " (";
      for (std::size_t i = 0; i < d.columns.size(); ++i) {
        if (schema.Column(d.columns[i]) == nullptr) RaiseEngineError(kErrItemNotFound, d.columns[i]);
        sql += (i > 0 ? ", " : "") + QuoteName(d.columns[i]);
      }
      ExecSql(db_, sql + ")", &catalogue_);
      return;
    }
    case Action::DropIndex:
      ExecSql(db_, "DROP INDEX " + QuoteName(schema.name + ":" + d.name), &catalogue_);
      return;
    default: return;
  }
  Rebuild(schema, changed);
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
  std::vector<std::string> kept;
  for (const auto& column : to.columns) {
    if (from.Column(column.name) != nullptr) kept.push_back(QuoteName(column.name));
  }
  std::string names;
  for (std::size_t i = 0; i < kept.size(); ++i) names += (i > 0 ? ", " : "") + kept[i];
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
  const TableSchema& schema = ExistingTable(table);
  int index = schema.ColumnIndex(column);
  if (index < 0) RaiseEngineError(kErrItemNotFound, column, "DAO.Field");
  if (!IsTextType(schema.columns[index].type)) RaiseEngineError(kErrInvalidOperation, {}, "DAO.Field");
  if (schema.columns[index].allowZeroLength == allow) return;
  TableSchema changed = schema;
  changed.columns[index].allowZeroLength = allow;
  TableSchema original = schema;
  ClearCache();
  InSavepoint([&] { Rebuild(original, changed); });
  schemaVersion_ = -1;
  SyncCatalogue();
}

void Connection::BeginTransaction() {
  RequireOpen();
  if (depth_ >= kMaxTransactionDepth) RaiseEngineError(kErrTooManyTransactions, {}, "DAO.Workspace");
  ExecSql(db_, depth_ == 0 ? "BEGIN" : "SAVEPOINT dao_level_" + std::to_string(depth_), &catalogue_);
  ++depth_;
}

void Connection::CommitTransaction() {
  RequireOpen();
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, "DAO.Workspace");
  int level = depth_ - 1;
  ExecSql(db_, level == 0 ? "COMMIT" : "RELEASE dao_level_" + std::to_string(level), &catalogue_);
  depth_ = level;
}

void Connection::RollbackTransaction() {
  RequireOpen();
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, "DAO.Workspace");
  int level = depth_ - 1;
  if (level == 0) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  } else {
    std::string name = "dao_level_" + std::to_string(level);
    ExecSql(db_, "ROLLBACK TO " + name, &catalogue_);
    ExecSql(db_, "RELEASE " + name, &catalogue_);
  }
  depth_ = level;
  catalogue_.Load();
}

void Connection::RollbackAll() {
  if (db_ == nullptr || depth_ == 0) return;
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  depth_ = 0;
  try {
    catalogue_.Load();
  } catch (const vb::Error&) {
    // The definitions are read again on the next Refresh; closing must not fail.
  }
}

}  // namespace dao
