#pragma once
// One open database file, shared by its Database, TableDefs and Recordsets.
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/dao/catalogue.h"
#include "platform/dao/ddl.h"
#include "platform/dao/translator.h"
#include "platform/vb/variant.h"

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

// A result column: its name, the Jet type its values come back as, and, when it can
// be written back, the table column it stands for.
struct ResultColumn {
  std::string name;
  int type = 0;
  int size = 0;
  std::string table;
  int tableColumn = -1;
};

struct QueryResult {
  std::vector<ResultColumn> columns;
  std::vector<std::vector<vb::Variant>> rows;
  std::vector<long long> rowids;
  std::string table;  // the one table the rows can be written back to; "" when none
};

// One open database file: the SQLite handle with the layer's collation and
// functions, the catalogue, the cache of translated statements and the
// transaction levels. Database, TableDefs and Recordset share it.
class Connection {
 public:
  // How long a statement waits for another process's lock before 3051.
  static constexpr int kBusyTimeoutMs = 500;
  static constexpr int kMaxTransactionDepth = 5;

  static std::shared_ptr<Connection> Open(const std::string& path, bool exclusive, bool readOnly);
  static std::shared_ptr<Connection> Create(const std::string& path);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }
  // Raises 3420 once the database is closed, and kErrTransactionLost while its
  // transaction is one SQLite rolled back by itself (TransactionLost).
  void RequireOpen() const;

  // Runs an action or definition statement; the number of rows it touched.
  long Execute(std::string_view sql);
  // Every row of a SELECT; with `updatable` the rowids of a single-table query too.
  // With `rows` false the statement is described but not run: an append-only
  // recordset shows none of the stored rows.
  QueryResult Query(std::string_view sql, bool updatable, bool rows = true);
  QueryResult TableRows(std::string_view table, bool rows = true);

  // A recordset's row writes. Each statement is prepared once per table and set of
  // columns, so that adding thousands of rows costs little more than SQLite's own
  // inserts.
  long long InsertRow(const TableSchema& schema, const std::vector<int>& columns,
                      const std::vector<const vb::Variant*>& values);
  void UpdateRow(const TableSchema& schema, long long rowid, const std::vector<int>& columns,
                 const std::vector<const vb::Variant*>& values);
  void DeleteRow(const TableSchema& schema, long long rowid);
  // The stored row's values in the table's column order; false when no row has
  // that rowid any more.
  bool ReadRow(const TableSchema& schema, long long rowid, std::vector<vb::Variant>& values);

  const Catalogue& catalogue() const { return catalogue_; }
  void Refresh();
  // Reads the catalogue again when another program changed the file's tables.
  void SyncCatalogue();
  void SetAllowZeroLength(const std::string& table, const std::string& column, bool allow);

  // A statement's parameter as last bound: the literal as written, quotes and
  // all, and a string's value when it held doubled quotes. The bytes bound live
  // here for as long as the binding does.
  struct BoundLiteral {
    std::string raw;
    std::string value;
    bool bound = false;
  };

  int TransactionDepth() const { return depth_; }
  // True when SQLite has rolled back the transaction the layer's levels still
  // hold open: after a full disk, an I/O error, no memory or a lock held past
  // the wait, SQLite may undo the whole transaction, not only the statement.
  // Until the program rolls it back, every statement, commit or savepoint of it
  // raises kErrTransactionLost instead of running outside it, each statement
  // committing on its own; rolling it back succeeds without a word.
  bool TransactionLost() const;
  // `immediate` takes the write lock at once on the first level (3051 when
  // another program holds it past the busy timeout); inner levels are savepoints.
  void BeginTransaction(bool immediate = false);
  void CommitTransaction();
  void RollbackTransaction();
  void RollbackAll();

 private:
  struct Cached {
    Translation translation;
    sqlite3_stmt* stmt = nullptr;
    std::vector<ResultColumn> columns;
    std::vector<BoundLiteral> bound;
  };
  struct Scanned {
    std::string shape;
    std::vector<RawToken> literals;
    bool definition = false;
  };

  Connection(sqlite3* db, std::string path);
  static void Scan(std::string_view sql, Scanned& scanned);
  void ScanStatement(std::string_view sql);
  Cached& Prepared(const Scanned& scanned, std::string_view sql, bool updatable);
  Cached& PreparedText(const std::string& sql);
  template <typename Build>
  sqlite3_stmt* RowStatement(char action, const TableSchema& schema, const std::vector<int>& columns,
                             Build build);
  void DropStaleStatements();
  sqlite3_stmt* Compile(const std::string& sql, std::string_view statement);
  void Remember(std::string key, std::unique_ptr<Cached> entry);
  void ClearCache();
  void Bind(sqlite3_stmt* stmt, const Scanned& scanned, std::vector<BoundLiteral>& kept);
  long Run(sqlite3_stmt* stmt, std::string_view statement);
  std::vector<ResultColumn> Describe(sqlite3_stmt* stmt, const Translation& translation) const;
  QueryResult Collect(sqlite3_stmt* stmt, std::vector<ResultColumn> columns, bool rowids,
                      std::string_view statement);

  void ExecuteSelectInto(const Cached& entry, const Scanned& scanned, std::string_view sql);
  void ExecuteDefinition(std::string_view sql);
  void Apply(const Definition& definition);
  void CreateTable(const TableSchema& schema);
  void DropTable(const std::string& table);
  void CreateIndex(const Definition& definition);
  const TableSchema& ExistingTable(const std::string& table);
  void Rebuild(const TableSchema& from, const TableSchema& to);
  void CreateStored(const TableSchema& schema, std::string_view storedName);
  template <typename F>
  void InSavepoint(F work);

  sqlite3* db_;
  std::string path_;
  Catalogue catalogue_;
  int depth_ = 0;
  long long schemaVersion_ = -1;
  std::list<std::string> recent_;
  std::unordered_map<std::string, std::pair<std::list<std::string>::iterator, std::unique_ptr<Cached>>> cache_;
  std::uint64_t cacheVersion_ = 0;
  // The statement scanned last, its literals pointing into the layer's own copy
  // of its text.
  Scanned scratch_;
  std::string scratchText_;
  bool scratchValid_ = false;
  std::string scratchKey_;
  // The row write statement used last: a loader stores row after row with the
  // same columns, and finds it again without building and hashing its key.
  struct LastRow {
    char action = 0;
    std::string table;
    std::vector<int> columns;
    sqlite3_stmt* stmt = nullptr;
    std::list<std::string>::iterator recent;
  };
  LastRow lastRow_;
};

}  // namespace dao
