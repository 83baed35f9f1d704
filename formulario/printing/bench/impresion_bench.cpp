// The preview and the printer against plain Qt painting of the same texts.
//
//   korva_printing_bench [--benchmark_filter=...]
//
// The spool file is a listing of 100 pages (a title, column headings, 51 rows of
// two texts and a box on each page). BM_PreviewFirstPage opens the preview as
// MuestraReporte does, under Qt's windows on the offscreen platform, until its
// first page is painted on the screen: the window loads every page, as it must,
// and shows the first. BM_PrintToPdf prints the whole file into a PDF, as with
// no printer on the system. The plain comparisons read the same lines with the
// standard library, split them at "|" and paint the texts straight with
// QPainter: the first page onto an image, every page into a PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/printing/frmPreview.h"
#include "platform/forms/forms.h"
#include "platform/printer/testing/pdf_only_service.h"
#include "platform/printer/qt_printer.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/testsupport/temp_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHojas = 100;
constexpr int kFilasPorHoja = 51;
constexpr const char* kArchivo = "00000001.PRN";

std::string Pos(int x, int y, const std::string& texto, bool negrita, int tamano, int hoja) {
  return "pPos|" + std::to_string(x) + "|" + std::to_string(y) + "|" + texto +
         (negrita ? "|True|" : "|False|") + std::to_string(tamano) + "|" + std::to_string(hoja) + "|";
}

std::vector<std::string> Listado() {
  std::vector<std::string> lineas = {"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>",
                                     "<!Color!>&H00FFFFC0&<!/Color!>"};
  lineas.push_back(Pos(1000, 1500, "Consulta de Tributos", true, 10, 0));
  for (int hoja = 0; hoja < kHojas; ++hoja) {
    if (hoja > 0) lineas.push_back("pNuevaHoja");
    lineas.push_back("pCuadro|400|2400|11000|2750|" + std::to_string(hoja) + "|");
    lineas.push_back(Pos(500, 2500, "Código", true, 8, hoja));
    lineas.push_back(Pos(2500, 2500, "Descripción o Valor", true, 8, hoja));
    for (int fila = 0; fila < kFilasPorHoja; ++fila) {
      std::string codigo = std::to_string(1000 + hoja * kFilasPorHoja + fila);
      int y = 2900 + 250 * fila;
      lineas.push_back(Pos(500, y, codigo, false, 8, hoja));
      lineas.push_back(Pos(2500, y, "IMPUESTO GENERAL A LAS VENTAS - CUENTA PROPIA " + codigo, false, 8, hoja));
    }
  }
  lineas.push_back("<!nHojas!>" + std::to_string(kHojas) + "<!/nHojas!>");
  return lineas;
}

// Answers every message box with OK; a modal window is not expected.
class HostBench : public forms::Host {
 public:
  int MsgBox(const std::string&, int, const std::string&) override { return forms::vbOK; }
  void RunModal(forms::Form&) override { throw std::logic_error("no modal window here"); }
  void ShowHelp(const forms::HelpRequest&) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
};

// The report folder in a temporary folder with the listing, the renderer
// registered and Qt on the offscreen platform.
class Carpeta {
 public:
  Carpeta() {
    fs::create_directories(folder_ / "RPT");
    fs::create_directories(folder_ / "run");
    fs::permissions(folder_ / "run", fs::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (folder_ / "run").c_str(), 1);
    formsqt::Application();
    // The offscreen platform's notes (it cannot raise a window) are no result.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    korva::gsRutaRPT = folder_ / "RPT/";
    std::ofstream spool(korva::gsRutaRPT + kArchivo, std::ios::binary);
    for (const std::string& linea : Listado()) {
      lineas_.push_back(vb::ToCp1252(linea));
      spool << lineas_.back() << "\r\n";
    }
    printer::SetPrintService(&impresoras_);
    korva::RegistraImpresion();
  }
  ~Carpeta() {
    korva::FijaVisorReporte(nullptr);
    printer::SetPrintService(nullptr);
    korva::gsRutaRPT.clear();
  }
  std::string Pdf() const { return folder_ / "plano.pdf"; }

 private:
  testsupport::TempFolder folder_;
  std::vector<std::string> lineas_;
  printer::testing::PdfOnlyService impresoras_;
};

// Shows the preview under Qt's windows; once the window is up its first page
// is painted (as the screen would) and the window closed.
void BM_PreviewFirstPage(benchmark::State& state) {
  Carpeta carpeta;
  formsqt::QtHost host;
  int paginas = 0;
  for (auto _ : state) {
    QTimer::singleShot(0, [&host, &paginas] {
      for (forms::Form* form : forms::Forms()) {
        auto* preview = dynamic_cast<korva::frmPreview*>(form);
        if (!preview) continue;
        paginas = preview->TotalHojas();
        benchmark::DoNotOptimize(host.TopLevelOf(*preview)->grab());
        host.Call([preview] { forms::Unload(*preview); });
      }
    });
    if (!korva::MuestraReporte(kArchivo, "Vprevia")) state.SkipWithError("the preview failed");
  }
  state.counters["pages"] = paginas;
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintToPdf(benchmark::State& state) {
  Carpeta carpeta;
  HostBench host;
  forms::SetHost(&host);
  for (auto _ : state) {
    if (!korva::MuestraReporte(kArchivo, "xx")) state.SkipWithError("the print failed");
  }
  forms::SetHost(nullptr);
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The plain reading: every line split at "|"; the texts of `hoja` (all pages
// with -1) handed to `pinta` with their position in twips, size and weight.
template <class Pinta>
void LeePlano(const std::string& ruta, int hoja, Pinta pinta) {
  std::ifstream spool(ruta, std::ios::binary);
  for (std::string linea; std::getline(spool, linea);) {
    if (linea.rfind("pPos|", 0) != 0) continue;
    std::vector<std::string> campos;
    for (std::size_t desde = 5, hasta; (hasta = linea.find('|', desde)) != std::string::npos; desde = hasta + 1)
      campos.push_back(linea.substr(desde, hasta - desde));
    if (campos.size() < 6) continue;
    int pagina = std::stoi(campos[5]);
    if (hoja >= 0 && pagina != hoja) continue;
    pinta(pagina, std::stoi(campos[0]), std::stoi(campos[1]), QString::fromLatin1(campos[2].c_str()),
          campos[3] == "True", std::stoi(campos[4]));
  }
}

QFont Courier(int tamano, bool negrita) {
  QFont font("Liberation Mono");
  font.setPointSize(tamano);
  font.setBold(negrita);
  return font;
}

void BM_PlainQtFirstPage(benchmark::State& state) {
  Carpeta carpeta;
  for (auto _ : state) {
    QImage imagen(1123, 1123, QImage::Format_RGB32);
    imagen.fill(QColor(192, 255, 255));
    QPainter pintor(&imagen);
    LeePlano(korva::gsRutaRPT + kArchivo, 0, [&](int, int x, int y, const QString& texto, bool negrita, int tamano) {
      pintor.setFont(Courier(tamano, negrita));
      pintor.drawText(QPointF(x / 15.0, y / 15.0 + pintor.fontMetrics().ascent()), texto);
    });
    pintor.end();
    benchmark::DoNotOptimize(imagen);
  }
}
BENCHMARK(BM_PlainQtFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainQtPdf(benchmark::State& state) {
  Carpeta carpeta;
  for (auto _ : state) {
    QPdfWriter pdf(QString::fromStdString(carpeta.Pdf()));
    pdf.setResolution(1440);
    QPainter pintor(&pdf);
    int actual = 0;
    LeePlano(korva::gsRutaRPT + kArchivo, -1, [&](int pagina, int x, int y, const QString& texto, bool negrita, int tamano) {
      for (; actual < pagina; ++actual) pdf.newPage();
      pintor.setFont(Courier(tamano, negrita));
      pintor.drawText(QPointF(x, y + pintor.fontMetrics().ascent()), texto);
    });
  }
}
BENCHMARK(BM_PlainQtPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
