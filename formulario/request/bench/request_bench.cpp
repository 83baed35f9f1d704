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

#include <filesystem>
#include <stdexcept>
#include <string>

#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/import/FrmImportar.h"
#include "formulario/request/Frm942.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/dao/sql_functions.h"
#include "platform/forms/forms.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"
#include "tools/debtfile/debt_file.h"
#include "tools/host/suite.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kRuc = "20456712348";

// Answers every message box with OK and keeps the last one's text.
class Anfitrion : public forms::Host {
 public:
  int MsgBox(const std::string& prompt, int, const std::string&) override {
    ultimo = prompt;
    return forms::vbOK;
  }
  void RunModal(forms::Form&) override { throw std::logic_error("no modal window here"); }
  void ShowHelp(const forms::HelpRequest&) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ultimo;
};

// A suite with one imported declaration of `deudas` debts of category 01, and
// the chooser of pending declarations on its row.
class Suite {
 public:
  explicit Suite(int deudas) {
    fs::create_directories(carpeta_ / "programa");
    fs::create_directories(carpeta_ / "archivos");
    vb::App::SetPath(carpeta_ / "programa");
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    forms::SetHost(&anfitrion_);
    korva::ReiniciaGlobales();
    base_ = host::CreateSuite(carpeta_ / "suite").databasePath;
    korva::LeeConfiguracion();
    nuvia::CreaTablasModulo(*korva::gDB);
    debtfile::Options opciones;
    opciones.ruc = kRuc;
    opciones.categories = {"01"};
    opciones.debtsPerCategory = deudas;
    debtfile::WriteDebtFile(carpeta_ / "archivos", opciones);
    Importa();
    korva::giModo = 1;
    forms::Instance<korva::FrmContAbrir>();
  }
  ~Suite() {
    forms::ResetApplication();
    if (korva::gDB) korva::gDB->Close();
    korva::ReiniciaGlobales();
    forms::SetHost(nullptr);
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
  const std::string& Base() const { return base_; }

 private:
  void Importa() {
    korva::FrmImportar& frm = forms::Instance<korva::FrmImportar>();
    frm.Show();
    frm.CmbRuc.SetListIndex(0);
    frm.CmbEntidad.SetListIndex(0);
    frm.flListaFiles.SetPath(carpeta_ / "archivos");
    frm.flListaFiles.SetListIndex(0);
    frm.CmdGrabar.SetValue(true);
    if (anfitrion_.ultimo != "La importación ha terminado satisfactoriamente")
      throw std::runtime_error("the import did not finish: " + anfitrion_.ultimo);
    forms::Release<korva::FrmImportar>();
  }

  testsupport::TempFolder carpeta_;
  testsupport::ScopedEnv home_{"HOME", carpeta_ / "home"};
  testsupport::ScopedEnv windir_{"WINDIR", carpeta_ / "suite/windows"};
  std::string base_;
  Anfitrion anfitrion_;
};

void Revisa(int resultado, sqlite3* db) {
  if (resultado != SQLITE_OK && resultado != SQLITE_DONE && resultado != SQLITE_ROW)
    throw std::runtime_error(sqlite3_errmsg(db));
}

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
  Revisa(sqlite3_open(suite.Base().c_str(), &db), db);
  // The table's text columns compare by the engine's collation.
  dao::RegisterJetSql(db);
  const std::string copia =
      std::string("INSERT INTO TMP_F0942DEUDAS SELECT * FROM F0942DEUDAS WHERE tip_doc_d = 6 AND "
                  "doc_id_d = '") + kRuc + "' AND formulario = '0942' AND semana = 1";
  for (auto _ : state) {
    state.PauseTiming();
    Revisa(sqlite3_exec(db, "DELETE FROM TMP_F0942DEUDAS", nullptr, nullptr, nullptr), db);
    state.ResumeTiming();
    Revisa(sqlite3_exec(db, copia.c_str(), nullptr, nullptr, nullptr), db);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopiaSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
