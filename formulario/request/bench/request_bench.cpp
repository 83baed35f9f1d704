// The request form on a declaration of 10,000 debts against plain SQLite doing
// the same rows' work: the window's price for its statements, its grids, its
// boxes, its validation and its store.
//
//   korva_request_bench [--benchmark_filter=...]
//
// One suite holds a declaration of 10,000 debts made by importing a generated
// debt file.
// - Opening: each iteration opens the request form on it, as the chooser does
//   (the working tables emptied and filled, the boxes loaded, the four grids read
//   with their counters and totals) and reads the first screen of grid 1; the
//   window is closed outside the timing. The comparison copies the same rows
//   into the working table with one INSERT ... SELECT, the table emptied
//   beforehand.
// - Interest: with every debt included and agreed, each iteration brings the
//   accepted debts up to an acceptance date 31 days after the debt file's
//   (Recalcula_deuda, one transaction). The comparison is one plain UPDATE of
//   the same rows computing the same interest in SQL.
// - Whole-grid answer: with the 10,000 debts unanswered, each iteration presses
//   "No acoge" on grid 1 (every row answered and given its check code in one
//   transaction, the grid reloaded). The comparison is one plain UPDATE of the
//   same rows.
// - Payment mode: each iteration writes one box of the open entity, whose change
//   runs its whole cascade (the payment form, the instalments, the initial
//   payment), or enters tab 4, which sums the 10,000 accepted amounts first.
// - Validating: every debt answered and a sound payment mode, so that every
//   check runs and none stops the run; each iteration validates in report mode
//   into Mens.txt. The comparison runs the same fifteen queries over the
//   working debts, written for SQLite.
// - Storing: each iteration stores the declaration (the grids counted again,
//   the header, the boxes, the debt, motive and supporting rows replaced in one
//   transaction). The comparison deletes and copies back the same rows in one
//   transaction.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/printing/spool/GlobalesImpresion.h"
#include "formulario/import/bench/import_suite.h"
#include "formulario/request/Calculos.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/sql_functions.h"
#include "platform/forms/forms.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"

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

  // The open form with every debt included and agreed, as "Acoger todas" leaves
  // them, an acceptance date 31 days after the debt file's and its rate.
  korva::Frm942& AbreAcogida() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    korva::gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_ver_deu = '00', ind_acog = 1, ind_conf = 1, "
                        "mto_tributo_c = mto_tributo_s, mto_int_cap_c = mto_int_cap_s, "
                        "mto_int_c = mto_int_s, mto_act_c = mto_act_s");
    vb::Date descarga = korva::ObtieneFechaDescarga();
    frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Date{descarga.serial + 31}), "dd/mm/yyyy"));
    // The ordinary case, whatever month the suite was made in.
    if (korva::EsCierreAnual(korva::gsPeriodo, frm.mkeFechaAcog.Text()))
      frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Date{descarga.serial + 62}), "dd/mm/yyyy"));
    frm.Obtiene_TIM(vb::Format(frm.mkeFechaAcog.Text(), "YYYYMM"));
    return frm;
  }

  // The open form with every debt answered and a payment mode without findings:
  // the whole debt in 36 instalments, its initial payment well above the minimum.
  korva::Frm942& Responde() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    korva::gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1");
    frm.txtTelefono.SetText("4567890");
    frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy"));
    korva::gbFormCargado = false;
    for (auto [nCasilla, sTexto] : {std::pair{500, "900,000,000"}, {501, "0"}, {503, "36"},
                                    {504, "30,000,000"}, {506, "NO"}, {535, "400,000,000"}})
      frm.txtValor(nCasilla).SetText(sTexto);
    korva::gbFormCargado = true;
    korva::gsArchivoReporte = korva::gsSysPath + "Mens.txt";
    return frm;
  }
};

// Runs `sql` and reads its rows, as a query the validation opens.
void Consulta(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* st = nullptr;
  Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), db);
  while (sqlite3_step(st) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_int(st, 0));
  sqlite3_finalize(st);
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

// Two acceptance dates a day apart in turn, so that every run changes every row.
void BM_RecalculaDeuda(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  korva::Frm942& frm = suite.AbreAcogida();
  const std::string fechas[] = {frm.mkeFechaAcog.Text(),
                                vb::Format(vb::Variant(vb::Date{vb::CDate(frm.mkeFechaAcog.Text()).serial + 1}),
                                           "dd/mm/yyyy")};
  int vez = 0;
  for (auto _ : state) {
    state.PauseTiming();
    frm.mkeFechaAcog.SetText(fechas[vez++ % 2]);
    state.ResumeTiming();
    frm.Recalcula_deuda();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecalculaDeuda)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same interest as one UPDATE: 31 days at 0.04 % a day (the rate 1.2) on the
// tax and the capitalised interest, the reported interest added, two decimals
// and whole soles.
void BM_ActualizacionSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.AbreAcogida();
  sqlite3* db = nullptr;
  Check(sqlite3_open(suite.Database().c_str(), &db), db);
  dao::RegisterJetSql(db);
  const std::string actualiza =
      std::string("UPDATE TMP_F0942DEUDAS SET "
                  "mto_int_c = printf('%.2f', mto_int_s + round((mto_tributo_c + mto_int_cap_s) * 0.0124, 2)), "
                  "mto_act_c = printf('%.0f', mto_tributo_c + mto_int_cap_s + mto_int_s + "
                  "round((mto_tributo_c + mto_int_cap_s) * 0.0124, 2)), cnumero = '000000' "
                  "WHERE doc_id_d = '") + kRuc + "' AND semana = 1 AND ind_tip_deu in ('01', '02', '03') "
                  "AND ind_ver_deu in ('00', '07', '08') AND ind_acog = 1 AND ind_conf = 1";
  for (auto _ : state) Check(sqlite3_exec(db, actualiza.c_str(), nullptr, nullptr, nullptr), db);
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ActualizacionSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

// Answers Yes to every question, so that "No acoge" goes on.
class HostSi : public importbench::HostBench {
 public:
  int MsgBox(const std::string& prompt, int style, const std::string& title) override {
    HostBench::MsgBox(prompt, style, title);
    return forms::vbYes;
  }
};

// "No acoge" on grid 1 with its 10,000 debts unanswered: every row read,
// answered, given its check code and stored in one transaction, then the grid
// reloaded. The debts are made unanswered again outside the timing.
void BM_NoAcoge(benchmark::State& state) {
  HostSi host;
  Suite suite(static_cast<int>(state.range(0)));
  korva::Frm942& frm = suite.AbreAcogida();
  forms::SetHost(&host);
  for (auto _ : state) {
    state.PauseTiming();
    korva::gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_acog = Null");
    state.ResumeTiming();
    frm.CmdNoAcoge(1).SetValue(true);
  }
  if (!korva::gDB->OpenRecordset("SELECT * FROM TMP_F0942DEUDAS WHERE ind_acog is null")->Eof())
    state.SkipWithError("the debts were not answered");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NoAcoge)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same answer as one plain UPDATE, which gives no check code.
void BM_NoAcogeSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.AbreAcogida();
  sqlite3* db = nullptr;
  Check(sqlite3_open(suite.Database().c_str(), &db), db);
  dao::RegisterJetSql(db);
  const std::string responde =
      std::string("UPDATE TMP_F0942DEUDAS SET ind_acog = 2, mto_tributo_c = '0', mto_int_cap_c = '0', "
                  "mto_int_c = '0', mto_act_c = '0' WHERE doc_id_d = '") + kRuc + "' AND semana = 1 "
                  "AND ind_tip_deu IN ('01', '05') AND ind_ver_deu IN ('00', '07', '08') "
                  "AND ind_acog IS NULL";
  for (auto _ : state) {
    state.PauseTiming();
    Check(sqlite3_exec(db, "UPDATE TMP_F0942DEUDAS SET ind_acog = NULL", nullptr, nullptr, nullptr), db);
    state.ResumeTiming();
    Check(sqlite3_exec(db, responde.c_str(), nullptr, nullptr, nullptr), db);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NoAcogeSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

// One box of the open entity written with two values in turn; the payment form
// "0" stands while the instalments and the initial payment change.
void BM_CambioCasilla(benchmark::State& state) {
  Suite suite(10000);
  korva::Frm942& frm = suite.AbreAcogida();
  frm.CalculaCasillas();
  frm.txtValor(501).SetText("0");
  frm.txtValor(503).SetText("12");
  if (frm.txtValor(503).Text() != "12") state.SkipWithError("the instalments box did not take 12");
  const int casilla = static_cast<int>(state.range(0));
  const std::string valores[][2] = {{"0", "2"}, {"12", "24"}, {"100000", "200000"}};
  const auto& par = valores[casilla == 501 ? 0 : casilla == 503 ? 1 : 2];
  int vez = 0;
  for (auto _ : state) {
    frm.txtValor(casilla).SetText(par[vez++ % 2]);
    if (casilla == 501) {
      state.PauseTiming();
      frm.txtValor(503).SetText("12");
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_CambioCasilla)->Arg(501)->Arg(503)->Arg(535)->Unit(benchmark::kMillisecond);

// Entering tab 4: the accepted debt summed over the 10,000 rows, then box b's
// cascade.
void BM_CalculaCasillas(benchmark::State& state) {
  Suite suite(10000);
  korva::Frm942& frm = suite.AbreAcogida();
  int vez = 0;
  for (auto _ : state) {
    state.PauseTiming();
    frm.txtValor(500).SetText(vez++ % 2 ? "1" : "");
    state.ResumeTiming();
    frm.CalculaCasillas();
  }
}
BENCHMARK(BM_CalculaCasillas)->Unit(benchmark::kMillisecond);

void BM_ValidaDeclaracion(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  korva::Frm942& frm = suite.Responde();
  for (auto _ : state) {
    frm.nArchivoReporte = vb::FreeFile();
    vb::Open(korva::gsArchivoReporte, vb::OpenMode::Output, frm.nArchivoReporte);
    std::uint8_t nModo = 0;
    if (!frm.ValidaTodo(nModo)) {
      state.SkipWithError(("the declaration has findings: " + korva::gsMensaje).c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValidaDeclaracion)->Arg(10000)->Unit(benchmark::kMillisecond);

// The validation's queries of a declaration without findings: the answers, four
// for each earlier regime and the latest period of an added debt.
void BM_ValidaSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.Responde();
  sqlite3* db = nullptr;
  Check(sqlite3_open(suite.Database().c_str(), &db), db);
  dao::RegisterJetSql(db);
  const std::string deudas = std::string("FROM TMP_F0942DEUDAS WHERE doc_id_d = '") + kRuc + "' AND semana = 1 ";
  std::vector<std::string> consultas = {
      "SELECT 'x' " + deudas + "AND Ind_tip_deu IN ('01', '02', '03') LIMIT 1",
      "SELECT 'x' " + deudas + "AND Ind_tip_deu IN ('01', '02', '03') AND (ind_acog = 0 OR ind_acog "
                               "IS NULL OR (ind_acog = 1 AND ind_conf = 2 AND mto_act_c = '')) LIMIT 1"};
  for (const char* tipo : {"001004", "001005", "001007"}) {
    std::string R = deudas + "AND Ind_tip_deu IN ('01', '02', '03') AND Cod_tip_doc = '" + tipo + "' ";
    consultas.push_back("SELECT 'x' " + deudas + "AND Ind_tip_deu = '04' AND cod_tri IN ('080206', "
                                                 "'052209', '053208', '050506') LIMIT 1");
    for (const char* condicion : {"AND ind_impugnado <> '00'", "AND ind_acog = 2", "AND ind_acog = 1"})
      consultas.push_back("SELECT 'x' " + R + condicion + " LIMIT 1");
  }
  consultas.push_back("SELECT 'x' " + deudas + "AND Ind_tip_deu = '04' AND per_doc > '201001' AND "
                      "cod_for_dj <> '3' AND substr(cod_tri, 1, 2) <> '06' LIMIT 1");
  for (auto _ : state)
    for (const std::string& consulta : consultas) Consulta(db, consulta);
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValidaSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_GrabaDeclaracion(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  korva::Frm942& frm = suite.Responde();
  korva::giGrabando = 1;
  for (auto _ : state) frm.GrabaFormulario();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GrabaDeclaracion)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_GrabaSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.Responde();
  sqlite3* db = nullptr;
  Check(sqlite3_open(suite.Database().c_str(), &db), db);
  dao::RegisterJetSql(db);
  const std::string clave = std::string(" WHERE tip_doc_d = 6 AND doc_id_d = '") + kRuc +
                            "' AND periodo = '" + korva::gsPeriodo + "' AND formulario = '0942' AND semana = 1";
  std::string copia = "BEGIN;";
  for (const char* tabla : {"F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN"})
    copia += std::string("DELETE FROM ") + tabla + clave + "; INSERT INTO " + tabla +
             " SELECT * FROM TMP_" + tabla + clave + ";";
  copia += "COMMIT;";
  for (auto _ : state) Check(sqlite3_exec(db, copia.c_str(), nullptr, nullptr, nullptr), db);
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GrabaSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
