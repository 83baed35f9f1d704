#include "platform/dao/sqlite_util.h"

#include <sqlite3.h>

#include <charconv>

#include "platform/dao/catalogue.h"
#include "platform/dao/errors.h"
#include "platform/vb/file_system.h"

namespace dao {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string After(std::string_view text, std::string_view prefix) {
  return std::string(text.substr(prefix.size()));
}

// "jet3163:TABLE.column" or "jet:3464:detail", as the layer's CHECK names and SQL
// functions report them.
bool ParseLayerError(std::string_view message, int& number, std::string& detail) {
  std::size_t at = message.find("jet");
  if (at == std::string_view::npos) return false;
  std::string_view rest = message.substr(at + 3);
  if (!rest.empty() && rest.front() == ':') rest.remove_prefix(1);
  auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (ec != std::errc() || end == rest.data() || end == rest.data() + rest.size() || *end != ':')
    return false;
  detail = std::string(end + 1, rest.data() + rest.size());
  return true;
}

std::string TableOf(const std::string& qualified) {
  auto dot = qualified.find('.');
  return dot == std::string::npos ? qualified : qualified.substr(0, dot);
}

std::string ColumnOf(const std::string& qualified) {
  auto dot = qualified.find('.');
  return dot == std::string::npos ? qualified : qualified.substr(dot + 1);
}

[[noreturn]] void RaiseConstraint(sqlite3* db, int extended, const Catalogue* catalogue) {
  std::string_view message = sqlite3_errmsg(db);
  int number = 0;
  std::string detail;
  if (ParseLayerError(message, number, detail)) RaiseEngineError(number, detail);
  if (extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE) {
    std::string columns = After(message, "UNIQUE constraint failed: ");
    RaiseEngineError(kErrDuplicateKey, TableOf(columns));
  }
  if (extended == SQLITE_CONSTRAINT_NOTNULL) {
    std::string qualified = After(message, "NOT NULL constraint failed: ");
    std::string column = ColumnOf(qualified);
    const TableSchema* schema = catalogue ? catalogue->Find(TableOf(qualified)) : nullptr;
    if (schema == nullptr || schema->IsKeyColumn(column)) RaiseEngineError(kErrNullInKey, column);
    RaiseEngineError(kErrRequired, qualified);
  }
  RaiseEngineError(kErrReserved, std::string(message));
}

[[noreturn]] void RaiseError(sqlite3* db, std::string_view statement) {
  std::string_view message = sqlite3_errmsg(db);
  int number = 0;
  std::string detail;
  if (ParseLayerError(message, number, detail)) RaiseEngineError(number, detail);
  if (StartsWith(message, "no such table: ")) RaiseEngineError(kErrTableNotFound, After(message, "no such table: "));
  if (StartsWith(message, "no such column: "))
    RaiseEngineError(kErrTooFewParameters, After(message, "no such column: "));
  if (StartsWith(message, "no such function: "))
    RaiseEngineError(kErrUndefinedFunction, After(message, "no such function: "));
  if (StartsWith(message, "table ") && message.find("already exists") != std::string_view::npos)
    RaiseEngineError(kErrTableExists, std::string(message.substr(6, message.find(' ', 6) - 6)));
  if (StartsWith(message, "no such index: ")) RaiseEngineError(kErrItemNotFound, After(message, "no such index: "));
  if (StartsWith(message, "index ") && message.find("already exists") != std::string_view::npos)
    RaiseEngineError(kErrIndexExists);
  if (message.find("values were supplied") != std::string_view::npos ||
      message.find("values for") != std::string_view::npos)
    RaiseEngineError(kErrValueCountMismatch);
  if (message.find("syntax error") != std::string_view::npos ||
      message.find("incomplete input") != std::string_view::npos)
    RaiseEngineError(kErrSyntaxInExpression, std::string(statement));
  RaiseEngineError(kErrReserved, std::string(message));
}

}  // namespace

void RaiseSqliteError(sqlite3* db, int rc, const Catalogue* catalogue, std::string_view statement) {
  int extended = db ? sqlite3_extended_errcode(db) : rc;
  const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
  std::string fileName = file ? file : "";
  switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: RaiseEngineError(kErrLocked, fileName);
    case SQLITE_CONSTRAINT: RaiseConstraint(db, extended, catalogue);
    // A database SQLite may not write, or beside which it cannot open a file it
    // needs (its journal, on a medium turned read-only), is read-only while it
    // is there; one deleted or moved away is missing.
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
      RaiseEngineError(vb::RegularFileExists(fileName) ? kErrReadOnly : kErrFileNotFound, fileName);
    case SQLITE_FULL: RaiseEngineError(kErrDiskFull);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: RaiseEngineError(kErrUnrecognisedFormat, fileName);
    case SQLITE_MISMATCH: RaiseEngineError(kErrTypeMismatch);
    case SQLITE_TOOBIG: RaiseEngineError(kErrFieldTooSmall);
    default: break;
  }
  if (db == nullptr) RaiseEngineError(kErrReserved, sqlite3_errstr(rc));
  RaiseError(db, statement);
}

Statement::Statement(sqlite3* db, std::string_view sql, const Catalogue* catalogue)
    : db_(db), catalogue_(catalogue) {
  int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) RaiseSqliteError(db, rc, catalogue, sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

bool Statement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3_reset(stmt_);
  RaiseSqliteError(db_, rc, catalogue_);
}

void Statement::BindText(int index, const std::string& text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Statement::BindInt(int index, long long value) { sqlite3_bind_int64(stmt_, index, value); }

void ExecSql(sqlite3* db, const std::string& sql, const Catalogue* catalogue) {
  char* error = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  sqlite3_free(error);
  if (rc != SQLITE_OK) RaiseSqliteError(db, rc, catalogue, sql);
}

std::string ColumnText(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  if (text == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(stmt, column));
}

}  // namespace dao
