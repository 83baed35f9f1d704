// The code lookup list as a person sees it: the preview's pages painted as the
// screen paints them, and the list printed into a PDF with Qt's print support.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "formulario/printing/ImpCabeceras.h"
#include "formulario/printing/tests/prueba_impresion.h"
#include "platform/printer/qt_printer.h"
#include "platform/printer/testing/pdf_only_service.h"
#include "platform/qt/appearance.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/run.h"
#include "platform/qt/units.h"
#include "platform/vb/file_system.h"
#include "platform/vb/files.h"
#include "platform/testsupport/file_size_limit.h"
#include "platform/testsupport/pdf_reader.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;

class ImpresionQtTest : public PruebaImpresion {
 protected:
  void SetUp() override {
    PruebaImpresion::SetUp();
    PreparaQtFueraDePantalla();
    formsqt::Application();
    formsqt::InstallFontSubstitutes();
  }

  // A canvas painted as the preview shows it.
  static QImage Pinta(const forms::PictureBox& lienzo) {
    QImage imagen(formsqt::ToPixels(lienzo.Width()), formsqt::ToPixels(lienzo.Height()),
                  QImage::Format_RGB32);
    imagen.fill(formsqt::ToQColor(lienzo.BackColor()));
    QPainter pintor(&imagen);
    formsqt::PaintDrawing(pintor, lienzo.Drawing());
    return imagen;
  }
  // Whether any dot of the area (in twips) is dark.
  static bool HayTinta(const QImage& imagen, int x1, int y1, int x2, int y2) {
    for (int y = formsqt::ToPixels(y1); y < formsqt::ToPixels(y2); ++y)
      for (int x = formsqt::ToPixels(x1); x < formsqt::ToPixels(x2); ++x)
        if (qGray(imagen.pixel(x, y)) < 100) return true;
    return false;
  }
  static fs::path CarpetaImagenes(const fs::path& otra) {
    const char* construccion = std::getenv("FORM0942_BUILD_DIR");
    return construccion && *construccion ? fs::path(construccion) : otra;
  }
};

TEST_F(ImpresionQtTest, ThePreviewPaintsEachPageOfTheListOnItsLightBackground) {
  driver_.Answer(forms::vbOK);
  ImprimeTipos(52);
  std::vector<QImage> paginas;
  driver_.OnModal<frmPreview>([&](frmPreview& preview) {
    for (int hoja = 0; hoja < preview.TotalHojas(); ++hoja) paginas.push_back(Pinta(preview.picPrevia(hoja)));
    driver_.PressToolbarButton(preview.tlbPrevia, 5);
  });
  ASSERT_TRUE(MuestraReporte("Consultas.txt", "Vprevia"));
  ASSERT_EQ(paginas.size(), 2u);
  for (std::size_t i = 0; i < paginas.size(); ++i) {
    fs::path png = CarpetaImagenes(carpeta_.Path()) / ("korva-preview-" + std::to_string(i + 1) + ".png");
    EXPECT_TRUE(paginas[i].save(QString::fromStdString(png.string()), "PNG"));
    EXPECT_EQ(paginas[i].pixelColor(5, 5), QColor(192, 255, 255)) << i;
    EXPECT_TRUE(HayTinta(paginas[i], 500, 2500, 1300, 2700)) << "the headings on page " << i + 1;
  }
  EXPECT_TRUE(HayTinta(paginas[0], 1000, 1500, 4000, 1750)) << "the title";
  EXPECT_FALSE(HayTinta(paginas[1], 1000, 1500, 4000, 1750)) << "no title on page 2";
  EXPECT_TRUE(HayTinta(paginas[0], 500, 2900 + 250 * 50, 900, 2900 + 250 * 51)) << "row 51";
  EXPECT_FALSE(HayTinta(paginas[1], 500, 2900 + 250, 900, 2900 + 250 * 2)) << "page 2 holds one row";
}

TEST_F(ImpresionQtTest, WithoutAPrinterTheListIsPrintedIntoAPdfBesideItsSpoolFile) {
  printer::testing::PdfOnlyService soloPdf;
  printer::SetPrintService(&soloPdf);
  std::string pdf = vb::ResolvePath(gsRutaRPT) + "Consultas.pdf";
  driver_.Expect({"No hay una impresora instalada. El reporte se guardó en el archivo " + pdf,
                  forms::vbInformation, "Presentación Preliminar"});
  driver_.Expect({"El reporte fue impreso satisfactoriamente", forms::vbInformation,
                  "Consulta de Tipos de Resolución"});
  ImprimeTipos(52);
  ASSERT_EQ(testsupport::PdfPageSizes(pdf).size(), 2u);
  std::vector<testsupport::PdfWord> palabras = testsupport::PdfWords(pdf);
  Lineas hoja1;
  Lineas hoja2;
  for (const testsupport::PdfWord& palabra : palabras)
    (palabra.page == 1 ? hoja1 : hoja2).push_back(palabra.text);
  Lineas esperada1{"Consulta", "de", "Tipos", "de", "Resolución", "Código", "Descripción", "o", "Valor"};
  for (int i = 1; i <= 51; ++i) Agrega(esperada1, {vb::Format(i, "000"), "TIPO", vb::Format(i, "000")});
  EXPECT_EQ(hoja1, esperada1);
  EXPECT_EQ(hoja2, (Lineas{"Código", "Descripción", "o", "Valor", "052", "TIPO", "052"}));
  // "Código" at x 500 and y 2500 twips of the printable area, a quarter of an
  // inch (18 points) inside the sheet.
  EXPECT_NEAR(palabras[5].xMin, 18 + 500 / 20.0, 0.1);
  EXPECT_NEAR(palabras[5].yMin, 18 + 2500 / 20.0, 1.5);
}

// The disk fills while the list is printed into its PDF (half of it fits):
// the person is told it could not be saved and why, never that it was saved
// or printed (a box more finds no answer), and no PDF is left.
TEST_F(ImpresionQtTest, AListCutByAFullDiskIsNotLeftNorAnnouncedAsSaved) {
  printer::testing::PdfOnlyService soloPdf;
  printer::SetPrintService(&soloPdf);
  std::string pdf = vb::ResolvePath(gsRutaRPT) + "Consultas.pdf";
  driver_.Answer(forms::vbOK);
  driver_.Answer(forms::vbOK);
  ImprimeTipos(52);
  const rlim_t limite = fs::file_size(pdf) / 2;
  fs::remove(pdf);
  driver_.Expect({"No hay una impresora instalada. No se pudo guardar el archivo " + pdf + ": Disco lleno",
                  forms::vbCritical, "Error al Imprimir"});
  driver_.OnModal<FrmConsultas>([&](FrmConsultas& consultas) {
    {
      testsupport::ScopedFileSizeLimit disco(limite);
      driver_.Click(consultas.cmdImprimir);
    }
    driver_.Click(consultas.CmdSalir);
  });
  forms::Instance<FrmConsultas>().Show(forms::vbModal);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(vb::FolderEntries(CarpetaRPT()), Lineas{"Consultas.txt"});
}

// A name of 100 characters, the taxpayer table's room, in the header blocks
// printed into a PDF: no word of a page lies over another, nor past the right
// edge of the sheet's printable area (a quarter of an inch inside it).
TEST_F(ImpresionQtTest, ALongNameStaysInItsRoomInEveryHeader) {
  printer::testing::PdfOnlyService soloPdf;
  printer::SetPrintService(&soloPdf);
  gsRazonSocial = "INDUSTRIAS METALURGICAS Y SERVICIOS DEL PACIFICO NORTE S.A.C. Y EMPRESAS "
                  "ASOCIADAS DE LA COSTA NORTE";
  gsCasillas[28] = "987654321";
  vb::Open(CarpetaRPT() + "Cabeceras.PRN", vb::OpenMode::Output, giArchivo = vb::FreeFile());
  gsSalida = "ARCHIVO";
  int iHoja = 0;
  int iMargen = 0;
  ImprimeCabeceraFormulario(0);
  ImprimeCabeceraVertical(iHoja, 0, "");
  ImprimeCabeceraHorizontal(iHoja, iMargen, "");
  ImprimeCabeceraGarantia(iHoja, 0, "CF");
  vb::Close(giArchivo);
  driver_.Answer(forms::vbOK);
  ASSERT_TRUE(MuestraReporte("Cabeceras.PRN", "Imprime"));
  std::string pdf = vb::ResolvePath(gsRutaRPT) + "Cabeceras.pdf";
  auto palabras = testsupport::PdfWords(pdf);
  std::vector<testsupport::PdfPageSize> hojas = testsupport::PdfPageSizes(pdf);
  ASSERT_EQ(hojas.size(), 4u);
  EXPECT_EQ(std::count_if(palabras.begin(), palabras.end(),
                          [](const testsupport::PdfWord& p) { return p.page == 4 && p.text == "social:"; }),
            1);
  for (const testsupport::PdfWord& palabra : palabras)
    EXPECT_LE(palabra.xMax, hojas[static_cast<std::size_t>(palabra.page - 1)].width - 18)
        << palabra.text << " on page " << palabra.page;
  for (const testsupport::PdfWord& a : palabras)
    for (const testsupport::PdfWord& b : palabras)
      EXPECT_FALSE(&a < &b && a.page == b.page && a.xMin < b.xMax && b.xMin < a.xMax &&
                   a.yMin < b.yMax && b.yMin < a.yMax) << a.text << " over " << b.text;
}

}  // namespace
}  // namespace korva::prueba
