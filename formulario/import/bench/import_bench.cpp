// The import of a personalised debt file against plain SQLite inserts of the
// same rows: the run's price for its checks, its recordsets and its check codes.
//
//   korva_import_bench [--benchmark_filter=...]
//
// Each iteration imports the file through the window (unzip, digest, every line,
// the header rows, the commit) into a suite of the host stand-in whose module
// tables were emptied beforehand; the comparison inserts the rows that import
// stored, with one prepared statement in one transaction, into the same table.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "formulario/import/bench/import_suite.h"
#include "platform/dao/dao.h"
#include "platform/dao/sql_functions.h"

namespace {

using importbench::Check;
using importbench::kRuc;
using importbench::Suite;

// The rows an import stored, read back with SQLite itself, and their insert.
class PlainRows {
 public:
  explicit PlainRows(const std::string& database) {
    Check(sqlite3_open(database.c_str(), &db_), db_);
    // The table's text columns compare by the engine's collation.
    dao::RegisterJetSql(db_);
    sqlite3_stmt* select = nullptr;
    Check(sqlite3_prepare_v2(db_, "SELECT * FROM F0942DEUDAS", -1, &select, nullptr), db_);
    columns_ = sqlite3_column_count(select);
    while (sqlite3_step(select) == SQLITE_ROW) {
      for (int c = 0; c < columns_; ++c) rows_.push_back(sqlite3_value_dup(sqlite3_column_value(select, c)));
    }
    sqlite3_finalize(select);
    std::string insert = "INSERT INTO F0942DEUDAS VALUES (?";
    for (int c = 1; c < columns_; ++c) insert += ", ?";
    Check(sqlite3_prepare_v2(db_, (insert + ")").c_str(), -1, &insert_, nullptr), db_);
  }
  ~PlainRows() {
    for (sqlite3_value* value : rows_) sqlite3_value_free(value);
    sqlite3_finalize(insert_);
    sqlite3_close(db_);
  }
  std::size_t Count() const { return rows_.size() / columns_; }
  void Empty() { Check(sqlite3_exec(db_, "DELETE FROM F0942DEUDAS", nullptr, nullptr, nullptr), db_); }
  void Insert() {
    Check(sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr), db_);
    for (std::size_t row = 0; row < Count(); ++row) {
      for (int c = 0; c < columns_; ++c) sqlite3_bind_value(insert_, c + 1, rows_[row * columns_ + c]);
      Check(sqlite3_step(insert_), db_);
      sqlite3_reset(insert_);
    }
    Check(sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr), db_);
  }

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  int columns_ = 0;
  std::vector<sqlite3_value*> rows_;
};

void BM_ImportDebtFile(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    suite.Empty();
    state.ResumeTiming();
    if (!suite.Import()) {
      state.SkipWithError("the import did not finish");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportDebtFile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PlainSqliteInserts(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.Empty();
  if (!suite.Import()) {
    state.SkipWithError("the import did not finish");
    return;
  }
  PlainRows rows(suite.Database());
  for (auto _ : state) {
    state.PauseTiming();
    rows.Empty();
    state.ResumeTiming();
    rows.Insert();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(rows.Count()));
}
BENCHMARK(BM_PlainSqliteInserts)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
