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

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/import/FrmImportar.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/dao/sql_functions.h"
#include "platform/forms/forms.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"
#include "tools/debtfile/debt_file.h"
#include "tools/host/suite.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kRuc = "20456712348";

// Answers every message box with OK and keeps the last one's text.
class HostBench : public forms::Host {
 public:
  int MsgBox(const std::string& prompt, int, const std::string&) override {
    last = prompt;
    return forms::vbOK;
  }
  void RunModal(forms::Form&) override { throw std::logic_error("no modal window here"); }
  void ShowHelp(const forms::HelpRequest&) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string last;
};

// A suite in a temporary folder with one debt file of `debts` lines, and the
// import window open on it with the taxpayer, the entity and the file chosen.
class Suite {
 public:
  explicit Suite(int debts) {
    fs::create_directories(folder_ / "programa");
    fs::create_directories(folder_ / "archivos");
    vb::App::SetPath(folder_ / "programa");
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    forms::SetHost(&host_);
    korva::ReiniciaGlobales();
    database_ = host::CreateSuite(folder_ / "suite").databasePath;
    korva::LeeConfiguracion();
    nuvia::CreaTablasModulo(*korva::gDB);
    debtfile::Options options;
    options.ruc = kRuc;
    options.categories = {"01"};
    options.debtsPerCategory = debts;
    debtfile::WriteDebtFile(folder_ / "archivos", options);
    OpenWindow();
  }
  ~Suite() {
    forms::ResetApplication();
    if (korva::gDB) korva::gDB->Close();
    korva::ReiniciaGlobales();
    forms::SetHost(nullptr);
  }

  // Empties what an import writes, so that the same file imports again.
  void Empty() {
    for (const char* table : {"F0942DEUDAS", "CAB", "DET", "F0942GARANTIA"})
      korva::gDB->Execute(std::string("DELETE FROM ") + table);
    korva::gsPeriodo.clear();
    host_.last.clear();
  }
  bool Import() {
    window_->CmdGrabar.SetValue(true);
    return host_.last == "La importación ha terminado satisfactoriamente";
  }
  const std::string& Database() const { return database_; }

 private:
  void OpenWindow() {
    window_ = &forms::Instance<korva::FrmImportar>();
    window_->Show();
    window_->CmbRuc.SetListIndex(0);
    window_->CmbEntidad.SetListIndex(0);
    window_->flListaFiles.SetPath(folder_ / "archivos");
    window_->flListaFiles.SetListIndex(0);
  }

  testsupport::TempFolder folder_;
  testsupport::ScopedEnv home_{"HOME", folder_ / "home"};
  testsupport::ScopedEnv windir_{"WINDIR", folder_ / "suite/windows"};
  std::string database_;
  HostBench host_;
  korva::FrmImportar* window_ = nullptr;
};

void Check(int result, sqlite3* db) {
  if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
    throw std::runtime_error(sqlite3_errmsg(db));
}

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
