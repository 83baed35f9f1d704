// Opening a declaration in the request form against a plain SQLite copy of the
// same debt rows: the window's price for its statements, its grids and its boxes.
//
//   korva_request_bench [--benchmark_filter=...]
//
// One suite holds a declaration of 10,000 debts made by importing a generated
// debt file. Each iteration opens the request form on it, as the chooser does
// (the working tables emptied and filled, the boxes loaded, the four grids read
// with their counters and totals) and reads the first screen of grid 1; the
// window is closed outside the timing. The comparison copies the same rows into
// the working table with one INSERT ... SELECT, the table emptied beforehand.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/import/bench/import_suite.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/sql_functions.h"
#include "platform/forms/forms.h"

namespace {

using importbench::Check;
using importbench::kRuc;

// The suite with its declaration imported, and the chooser of pending
// declarations on its row.
class Suite : public importbench::Suite {
 public:
  explicit Suite(int deudas) : importbench::Suite(deudas) {
    if (!Import()) throw std::runtime_error("the import did not finish");
    forms::Release<korva::FrmImportar>();
    korva::giModo = 1;
    forms::Instance<korva::FrmContAbrir>();
  }

  // Opens the form and reads grid 1's first screen; false when it did not load.
  bool Abre() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    forms::DataGrid& grilla = frm.TDBGrid(1);
    long filas = std::min<long>(grilla.RowCount(), grilla.VisibleRows());
    for (long fila = 0; fila < filas; ++fila)
      for (int col = 0; col < 6; ++col) benchmark::DoNotOptimize(grilla.CellText(fila, col));
    return frm.bCargaCompleta;
  }
  void Cierra() { forms::Release<korva::Frm942>(); }
};

void BM_AbreDeclaracion(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!suite.Abre()) {
      state.SkipWithError("the request form did not load");
      break;
    }
    state.PauseTiming();
    suite.Cierra();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AbreDeclaracion)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CopiaSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  sqlite3* db = nullptr;
  Check(sqlite3_open(suite.Database().c_str(), &db), db);
  // The table's text columns compare by the engine's collation.
  dao::RegisterJetSql(db);
  const std::string copia =
      std::string("INSERT INTO TMP_F0942DEUDAS SELECT * FROM F0942DEUDAS WHERE tip_doc_d = 6 AND "
                  "doc_id_d = '") + kRuc + "' AND formulario = '0942' AND semana = 1";
  for (auto _ : state) {
    state.PauseTiming();
    Check(sqlite3_exec(db, "DELETE FROM TMP_F0942DEUDAS", nullptr, nullptr, nullptr), db);
    state.ResumeTiming();
    Check(sqlite3_exec(db, copia.c_str(), nullptr, nullptr, nullptr), db);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopiaSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
