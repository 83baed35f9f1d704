// The request form on a declaration of 10,000 debts against plain SQLite doing
// the same rows' work: the window's price for its statements, its grids, its
// boxes, its validation and its store.
//
//   korva_request_bench [--benchmark_filter=...]
//
// One suite holds a declaration of 10,000 debts made by importing a generated
// debt file.
// - Opening: see request_views_bench.cpp, which opens the form with and
//   without its Qt views.
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

#include <string>
#include <vector>

#include "formulario/request/bench/request_suite.h"
#include "platform/forms/forms.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"

namespace {

using requestbench::Plana;
using requestbench::Suite;

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

void BM_ActualizacionSqlitePlana(benchmark::State& state) {
  Suite suite(static_cast<int>(state.range(0)));
  suite.AbreAcogida();
  Plana plana(suite.Database());
  const std::string actualiza = requestbench::ActualizacionPlana();
  for (auto _ : state) plana.Ejecuta(actualiza);
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
  Plana plana(suite.Database());
  const std::string responde =
      std::string("UPDATE TMP_F0942DEUDAS SET ind_acog = 2, mto_tributo_c = '0', mto_int_cap_c = '0', "
                  "mto_int_c = '0', mto_act_c = '0' WHERE doc_id_d = '") + importbench::kRuc + "' AND semana = 1 "
                  "AND ind_tip_deu IN ('01', '05') AND ind_ver_deu IN ('00', '07', '08') "
                  "AND ind_acog IS NULL";
  for (auto _ : state) {
    state.PauseTiming();
    plana.Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = NULL");
    state.ResumeTiming();
    plana.Ejecuta(responde);
  }
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
  Plana plana(suite.Database());
  const std::string deudas = "FROM TMP_F0942DEUDAS " + requestbench::DeudasDeLaDeclaracion();
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
    for (const std::string& consulta : consultas) plana.Lee(consulta);
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
  Plana plana(suite.Database());
  const std::string copia = requestbench::GrabacionPlana();
  for (auto _ : state) plana.Ejecuta(copia);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GrabaSqlitePlana)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
