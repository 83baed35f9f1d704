// The annexes of a declaration of 10,000 debts against plain SQLite and stdio.
//
//   korva_anexos_bench [--benchmark_filter=...]
//
// One suite holds a declaration of 10,000 debts made by importing a generated
// debt file: valores the taxpayer has not answered yet, so that the annex
// "VALORES - NO ACOGIDOS" runs to 271 landscape pages and the other seven annexes
// have a page each. BM_AnexosAlSpool writes the eight annexes into a spool file
// through the print driver, as the print dialog does; BM_AnexosPrimeraHoja adds
// the preview until its first page is painted (on Qt's offscreen platform), and
// BM_AnexosAlPdf the print into a PDF, as with no printer on the system. The plain
// comparison reads the same rows with their tax and document-type descriptions
// in one SQLite statement and writes the same fixed-pitch lines as spool
// commands with stdio.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/import/bench/import_suite.h"
#include "formulario/printing/ImpDeclaracion.h"
#include "formulario/printing/RegistroImpresion.h"
#include "platform/printer/testing/pdf_only_service.h"
#include "formulario/printing/frmPreview.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/dao/sql_functions.h"
#include "platform/printer/qt_printer.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"

namespace {

using importbench::Check;
using importbench::kRuc;

constexpr int kDeudas = 10000;
constexpr const char* kArchivo = "00000001.PRN";

// The imported declaration as the print dialog leaves it for the driver, with
// the eight annexes ticked, and the renderer registered under Qt's offscreen
// platform.
class Declaracion : public importbench::Suite {
 public:
  Declaracion() : importbench::Suite(kDeudas) {
    if (!Import()) throw std::runtime_error("the import did not finish");
    forms::Release<korva::FrmImportar>();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (carpeta_ / "").c_str(), 1);
    formsqt::Application();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    printer::SetPrintService(&impresoras_);
    korva::RegistraImpresion();
    korva::gsRuc = kRuc;
    korva::gsRazonSocial = "COMERCIAL ANDINA DEL SUR S.A.C.";
    korva::gnSemana = 1;
    korva::giEnviadas = 0;
    korva::gsCasillas[541] = "15/05/2010";
    korva::giCopias = 1;
    korva::giAnchoReporte = 104;
    for (std::size_t i = 0; i < 8; ++i) seleccion_.bAnexos[i] = true;
  }
  ~Declaracion() {
    korva::FijaVisorReporte(nullptr);
    korva::FijaEscritoresAnexos({}, {});
    printer::SetPrintService(nullptr);
  }

  void Escribe() {
    korva::gsSalida = "ARCHIVO";
    korva::gsArchivoReporte = korva::gsRutaRPT + kArchivo;
    korva::ImprimeDeclaracion(seleccion_);
  }
  std::string Plano() const { return carpeta_ / "plano.prn"; }

 private:
  testsupport::TempFolder carpeta_;
  printer::testing::PdfOnlyService impresoras_;
  korva::SeleccionImpresion seleccion_;
};

void BM_AnexosAlSpool(benchmark::State& state) {
  Declaracion declaracion;
  for (auto _ : state) declaracion.Escribe();
  state.counters["pages"] = korva::giNroHoja;
  state.SetItemsProcessed(state.iterations() * kDeudas);
}
BENCHMARK(BM_AnexosAlSpool)->Unit(benchmark::kMillisecond)->UseRealTime();

// The spool file written, then the preview shown until its first page is
// painted and closed.
void BM_AnexosPrimeraHoja(benchmark::State& state) {
  Declaracion declaracion;
  formsqt::QtHost host;
  for (auto _ : state) {
    declaracion.Escribe();
    QTimer::singleShot(0, [&host] {
      for (forms::Form* form : forms::Forms()) {
        auto* preview = dynamic_cast<korva::frmPreview*>(form);
        if (!preview) continue;
        benchmark::DoNotOptimize(host.TopLevelOf(*preview)->grab());
        host.Call([preview] { forms::Unload(*preview); });
      }
    });
    if (!korva::MuestraReporte(kArchivo, "Vprevia")) state.SkipWithError("the preview failed");
  }
}
BENCHMARK(BM_AnexosPrimeraHoja)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AnexosAlPdf(benchmark::State& state) {
  Declaracion declaracion;
  for (auto _ : state) {
    declaracion.Escribe();
    if (!korva::MuestraReporte(kArchivo, "xx")) state.SkipWithError("the print failed");
  }
}
BENCHMARK(BM_AnexosAlPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same rows, descriptions and lines with SQLite and stdio: one statement,
// each line formatted with printf's widths (the amount as it is stored).
void BM_SqlitePlano(benchmark::State& state) {
  Declaracion declaracion;
  sqlite3* db = nullptr;
  Check(sqlite3_open(declaracion.Database().c_str(), &db), db);
  dao::RegisterJetSql(db);
  const std::string consulta =
      "SELECT substr(d.per_doc,5,2) || '/' || substr(d.per_doc,1,4), "
      "substr(d.cod_tri,2,3) || substr(d.cod_tri,6,1), substr(t.Funcion,1,30), "
      "substr(c.Funcion,1,10), trim(d.Num_doc), d.mto_act_s, d.ind_acog, d.ind_conf, d.mto_act_c "
      "FROM F0942DEUDAS d LEFT JOIN PARAM t ON t.Numero = '725' AND t.Argumento = d.cod_tri "
      "LEFT JOIN PARAM c ON c.Numero = '726' AND c.Argumento = d.Cod_tip_doc "
      "WHERE d.doc_id_d = '" +
      std::string(kRuc) +
      "' AND d.Semana = 1 AND d.Ind_tip_deu = '01' "
      "ORDER BY d.per_doc DESC, d.cod_tri";
  auto texto = [](sqlite3_stmt* s, int i) {
    const unsigned char* t = sqlite3_column_text(s, i);
    return t ? reinterpret_cast<const char*>(t) : "";
  };
  for (auto _ : state) {
    FILE* salida = std::fopen(declaracion.Plano().c_str(), "wb");
    sqlite3_stmt* s = nullptr;
    Check(sqlite3_prepare_v2(db, consulta.c_str(), -1, &s, nullptr), db);
    int y = 2350;
    int hoja = 1;
    while (sqlite3_step(s) == SQLITE_ROW) {
      if ((y += 200) >= 9900) {
        y = 2580;
        std::fputs("pNuevaHoja\r\n", salida);
        ++hoja;
      }
      std::fprintf(
          salida,
          "pPos|300|%d|%-7s %-6s %-30s %-10s %-17s %-10s %18s %-3s %-3s %18s|False|8|%d|\r\n", y,
          texto(s, 0), texto(s, 1), texto(s, 2), texto(s, 3), texto(s, 4), "15/05/2010",
          texto(s, 5), texto(s, 6), texto(s, 7), texto(s, 8), hoja);
    }
    sqlite3_finalize(s);
    std::fclose(salida);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * kDeudas);
}
BENCHMARK(BM_SqlitePlano)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
