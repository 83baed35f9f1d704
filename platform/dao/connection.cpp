#include "platform/dao/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstring>

#include "platform/dao/bytes.h"
#include "platform/dao/errors.h"
#include "platform/dao/jet_value.h"
#include "platform/dao/sql_functions.h"
#include "platform/dao/sqlite_util.h"
#include "platform/vb/files.h"

namespace dao {
namespace {

constexpr std::size_t kCacheCapacity = 256;

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

// A connection is used by one thread at a time, as every object of the layer is,
// so SQLite's own locking of each call is left out: a loader binds some thirty
// values for every row it stores. Nothing reads SQLite's memory statistics, so
// they are not kept either: keeping them locks and counts every allocation, and
// a statement run once per row (a recordset's Update) allocates each text it
// reads again. The setting holds for the process, from before its first
// connection.
sqlite3* OpenHandle(const std::string& path, int flags) {
  static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
  (void)configured;
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
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

// Binds `literal` to parameter `index`, keeping in `kept` its text and the
// bytes bound, which SQLite reads at every run until the parameter is bound
// again.
void BindLiteral(sqlite3_stmt* stmt, int index, const RawToken& literal, Connection::BoundLiteral& kept) {
  kept.bound = false;
  kept.raw.assign(literal.raw.data(), literal.raw.size());
  std::string_view raw = kept.raw;
  switch (literal.kind) {
    case TokenKind::String: {
      std::string_view inner = raw.substr(1, raw.size() - 2);
      if (literal.escaped) {
        kept.value = StringValue(raw);
        inner = kept.value;
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
  kept.bound = true;
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

// The settings give the file as the programs wrote it, "\" and all; the runtime
// resolves such a path as it does for every other file of the suite.
std::shared_ptr<Connection> Connection::Open(const std::string& path, bool exclusive, bool readOnly) {
  std::string file = vb::ResolvePath(path);
  if (!FileExists(file)) RaiseEngineError(FolderExists(file) ? kErrFileNotFound : kErrInvalidPath, path);
  sqlite3* db = OpenHandle(file, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
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
  std::string file = vb::ResolvePath(path);
  if (FileExists(file)) RaiseEngineError(kErrDatabaseExists, path);
  if (!FolderExists(file)) RaiseEngineError(kErrInvalidPath, path);
  sqlite3* db = OpenHandle(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
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
  if (TransactionLost()) RaiseTransactionLost();
}

bool Connection::TransactionLost() const {
  return db_ != nullptr && depth_ > 0 && sqlite3_get_autocommit(db_) != 0;
}

// The statement's shape: its text with every bound literal replaced by its kind.
// Statements that differ only in their values share one translation and one
// prepared SQLite statement.
void Connection::Scan(std::string_view sql, Scanned& scanned) {
  scanned.shape.clear();
  scanned.literals.clear();
  scanned.definition = false;
  scanned.shape.reserve(sql.size());
  Lexer lexer(sql);
  LiteralPolicy policy;
  RawToken token;
  bool first = true;
  while (lexer.Next(token)) {
    if (first && token.kind == TokenKind::Word) {
      scanned.definition = EqualsNoCase(token.raw, "CREATE") || EqualsNoCase(token.raw, "ALTER") ||
                           EqualsNoCase(token.raw, "DROP");
    }
    if (!first) scanned.shape.push_back(' ');
    first = false;
    if (policy.Parameterize(token)) {
      scanned.literals.push_back(token);
      scanned.shape.append(token.kind == TokenKind::String ? "?s" : token.kind == TokenKind::Number ? "?n" : "?d", 2);
    } else {
      scanned.shape.append(token.raw.data(), token.raw.size());
    }
  }
}

// A statement run again with the same text (a check the loader makes for every
// line of a file) is not read again; one that differs from the last only in its
// bound literals (a program storing row after row) has only those read.
void Connection::ScanStatement(std::string_view sql) {
  if (scratchValid_ && sql == scratchText_) return;
  bool sameShape = scratchValid_ && RereadLiterals(scratchText_, sql, scratch_.literals);
  scratchValid_ = false;
  scratchText_.assign(sql.data(), sql.size());
  if (sameShape) {
    for (RawToken& literal : scratch_.literals)
      literal.raw = std::string_view(scratchText_.data() + (literal.raw.data() - sql.data()), literal.raw.size());
  } else {
    Scan(scratchText_, scratch_);
  }
  scratchValid_ = true;
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
    if (oldest->second.second->stmt == lastRow_.stmt) lastRow_ = {};
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
  lastRow_ = {};
}

// A statement prepared under other table definitions may name columns by
// positions that have moved; every one is prepared again.
void Connection::DropStaleStatements() {
  if (catalogue_.Version() == cacheVersion_) return;
  ClearCache();
  cacheVersion_ = catalogue_.Version();
}

Connection::Cached& Connection::Prepared(const Scanned& scanned, std::string_view sql, bool updatable) {
  DropStaleStatements();
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

// SQLite keeps a statement's bindings from one run to the next, so a literal
// written as the one bound last is not bound again: a program storing row after
// row repeats most of its values (the same taxpayer, period and form), and
// binding is most of what running a prepared statement costs the layer.
void Connection::Bind(sqlite3_stmt* stmt, const Scanned& scanned, std::vector<BoundLiteral>& kept) {
  std::size_t count =
      std::min(static_cast<std::size_t>(sqlite3_bind_parameter_count(stmt)), scanned.literals.size());
  if (kept.size() != count) kept.assign(count, BoundLiteral{});
  for (std::size_t i = 0; i < count; ++i) {
    const RawToken& literal = scanned.literals[i];
    BoundLiteral& last = kept[i];
    if (last.bound && last.raw.size() == literal.raw.size() &&
        bytes::Same(last.raw.data(), literal.raw.data(), literal.raw.size()))
      continue;
    BindLiteral(stmt, static_cast<int>(i) + 1, literal, last);
  }
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
  ScanStatement(sql);
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
  Bind(entry.stmt, scratch_, entry.bound);
  return Run(entry.stmt, sql);
}

QueryResult Connection::Query(std::string_view sql, bool updatable, bool rows) {
  RequireOpen();
  ScanStatement(sql);
  if (scratch_.definition) RaiseEngineError(kErrInvalidOperation);
  Cached& entry = Prepared(scratch_, sql, updatable);
  if (entry.translation.kind != StatementKind::Select) RaiseEngineError(kErrInvalidOperation);
  QueryResult result;
  if (rows) {
    Bind(entry.stmt, scratch_, entry.bound);
    result = Collect(entry.stmt, entry.columns, entry.translation.updatable, sql);
  } else {
    result.columns = entry.columns;
  }
  if (entry.translation.updatable) result.table = entry.translation.table;
  return result;
}

QueryResult Connection::TableRows(std::string_view table, bool rows) {
  RequireOpen();
  const TableSchema& schema = ExistingTable(std::string(table));
  if (!rows) {
    QueryResult result;
    result.columns = TableColumns(schema);
    result.table = schema.name;
    return result;
  }
  std::string sql = "SELECT rowid, " + ColumnList(schema, AllColumns(schema)) + " FROM " +
                    QuoteName(schema.name) + " ORDER BY rowid";
  Cached& entry = PreparedText(sql);
  QueryResult result = Collect(entry.stmt, TableColumns(schema), true, table);
  result.table = schema.name;
  return result;
}

// The statement of one row write, found by the table and the positions of the
// columns it names: building and hashing its text for every row would cost more
// than running it.
template <typename Build>
sqlite3_stmt* Connection::RowStatement(char action, const TableSchema& schema, const std::vector<int>& columns,
                                       Build build) {
  DropStaleStatements();
  if (lastRow_.stmt != nullptr && lastRow_.action == action && lastRow_.columns == columns &&
      lastRow_.table == schema.name) {
    recent_.splice(recent_.begin(), recent_, lastRow_.recent);
    return lastRow_.stmt;
  }
  std::string key(1, '\x03');
  key += action;
  key += schema.name;
  key += '\0';
  for (int column : columns) {
    key += static_cast<char>(column & 0xff);
    key += static_cast<char>(column >> 8);
  }
  auto found = cache_.find(key);
  if (found == cache_.end()) {
    std::string sql = build();
    auto entry = std::make_unique<Cached>();
    entry->stmt = Compile(sql, sql);
    Remember(key, std::move(entry));
    found = cache_.find(key);
  }
  recent_.splice(recent_.begin(), recent_, found->second.first);
  lastRow_ = {action, schema.name, columns, found->second.second->stmt, found->second.first};
  return lastRow_.stmt;
}

long long Connection::InsertRow(const TableSchema& schema, const std::vector<int>& columns,
                                const std::vector<const vb::Variant*>& values) {
  RequireOpen();
  sqlite3_stmt* stmt = RowStatement('I', schema, columns, [&] {
    std::string sql = "INSERT INTO " + QuoteName(schema.name);
    if (columns.empty()) return sql + " DEFAULT VALUES";
    sql += " (" + ColumnList(schema, columns) + ") VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += i == 0 ? "?" : ", ?";
    return sql + ")";
  });
  for (std::size_t i = 0; i < values.size(); ++i) BindValue(stmt, static_cast<int>(i) + 1, *values[i]);
  Run(stmt, schema.name);
  return sqlite3_last_insert_rowid(db_);
}

void Connection::UpdateRow(const TableSchema& schema, long long rowid, const std::vector<int>& columns,
                           const std::vector<const vb::Variant*>& values) {
  RequireOpen();
  if (columns.empty()) return;
  sqlite3_stmt* stmt = RowStatement('U', schema, columns, [&] {
    std::string sql = "UPDATE " + QuoteName(schema.name) + " SET ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) sql += ", ";
      sql += QuoteName(schema.columns[columns[i]].name) + " = ?";
    }
    return sql + " WHERE rowid = ?";
  });
  for (std::size_t i = 0; i < values.size(); ++i) BindValue(stmt, static_cast<int>(i) + 1, *values[i]);
  sqlite3_bind_int64(stmt, static_cast<int>(values.size()) + 1, rowid);
  Run(stmt, schema.name);
}

void Connection::DeleteRow(const TableSchema& schema, long long rowid) {
  RequireOpen();
  sqlite3_stmt* stmt =
      RowStatement('D', schema, {}, [&] { return "DELETE FROM " + QuoteName(schema.name) + " WHERE rowid = ?"; });
  sqlite3_bind_int64(stmt, 1, rowid);
  if (Run(stmt, schema.name) == 0) RaiseEngineError(kErrRecordDeleted, {}, "DAO.Recordset");
}

bool Connection::ReadRow(const TableSchema& schema, long long rowid, std::vector<vb::Variant>& values) {
  RequireOpen();
  sqlite3_stmt* stmt = RowStatement('S', schema, {}, [&] {
    return "SELECT " + ColumnList(schema, AllColumns(schema)) + " FROM " + QuoteName(schema.name) +
           " WHERE rowid = ?";
  });
  sqlite3_bind_int64(stmt, 1, rowid);
  QueryResult result = Collect(stmt, TableColumns(schema), false, schema.name);
  if (result.rows.empty()) return false;
  values = std::move(result.rows.front());
  return true;
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

void Connection::BeginTransaction(bool immediate) {
  RequireOpen();
  if (depth_ >= kMaxTransactionDepth) RaiseEngineError(kErrTooManyTransactions, {}, "DAO.Workspace");
  std::string begin = immediate ? "BEGIN IMMEDIATE" : "BEGIN";
  ExecSql(db_, depth_ == 0 ? begin : "SAVEPOINT dao_level_" + std::to_string(depth_), &catalogue_);
  ++depth_;
}

void Connection::CommitTransaction() {
  RequireOpen();
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, "DAO.Workspace");
  int level = depth_ - 1;
  ExecSql(db_, level == 0 ? "COMMIT" : "RELEASE dao_level_" + std::to_string(level), &catalogue_);
  depth_ = level;
}

// A level of a transaction SQLite already rolled back has nothing left to undo.
void Connection::RollbackTransaction() {
  if (db_ == nullptr) RaiseEngineError(kErrObjectInvalid);
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, "DAO.Workspace");
  int level = depth_ - 1;
  if (level == 0) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  } else if (!TransactionLost()) {
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
