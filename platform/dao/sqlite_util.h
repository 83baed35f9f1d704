#pragma once
// Small SQLite helpers: errors as the engine's numbers, self-finalising statements.
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

class Catalogue;

// Raises the engine's error for SQLite's result `rc` on `db`: busy and locked give
// 3051, broken key and column rules their own numbers, unknown names 3078 or 3061,
// a database SQLite cannot write 3027 while it is there and 3024 once it is
// gone.
// `statement` is the Jet text the programs gave, quoted by syntax errors.
[[noreturn]] void RaiseSqliteError(sqlite3* db, int rc, const Catalogue* catalogue = nullptr,
                                   std::string_view statement = {});

// A prepared statement that finalises itself.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql, const Catalogue* catalogue = nullptr);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* get() const { return stmt_; }
  // True while there is a row; raises the engine's error on failure.
  bool Step();
  void BindText(int index, const std::string& text);
  void BindInt(int index, long long value);

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  const Catalogue* catalogue_;
};

// Runs statements that return no rows (schema work, transaction control).
void ExecSql(sqlite3* db, const std::string& sql, const Catalogue* catalogue = nullptr);

std::string ColumnText(sqlite3_stmt* stmt, int column);

}  // namespace dao
