#include "formulario/printing/frmPreview.h"

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "formulario/printing/tests/prueba_impresion.h"
#include "platform/vb/files.h"

namespace korva::prueba {
namespace {

using forms::DrawCommand;

const Lineas kCabecera = {"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>",
                          "<!Color!>&H00FFFFC0&<!/Color!>"};

// A report of `hojas` pages, one line of text on each ("HOJA 1"...).
Lineas Reporte(int hojas) {
  Lineas lineas = kCabecera;
  for (int hoja = 0; hoja < hojas; ++hoja) {
    if (hoja > 0) lineas.push_back("pNuevaHoja");
    lineas.push_back("pPos|10|175|HOJA " + std::to_string(hoja + 1) + "|False|8|" +
                     std::to_string(hoja) + "|");
  }
  lineas.push_back("<!nHojas!>" + std::to_string(hojas) + "<!/nHojas!>");
  return lineas;
}

// The texts drawn on a canvas, with where and how.
Lineas Textos(const forms::PictureBox& lienzo) {
  Lineas textos;
  for (const DrawCommand& c : lienzo.Drawing()) {
    if (c.type != DrawCommand::Type::Text) continue;
    textos.push_back(std::to_string(static_cast<int>(c.x1)) + "," +
                     std::to_string(static_cast<int>(c.y1)) + " " + c.font.name + " " +
                     vb::Format(c.font.size, "0") + (c.font.bold ? " bold " : " ") + c.text);
  }
  return textos;
}

// Which canvases are shown.
std::vector<int> Visibles(frmPreview& preview) {
  std::vector<int> visibles;
  for (forms::PictureBox* lienzo : preview.picPrevia.Elements())
    if (lienzo->Visible()) visibles.push_back(lienzo->Index());
  return visibles;
}

long PicoDeMemoriaKB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

class FrmPreviewTest : public PruebaImpresion {
 protected:
  // The preview of a spool file as MuestraReporte opens it; `accion` runs while
  // it is shown, then "Salir" closes it.
  void Preliminar(const std::string& sArchivo, const std::function<void(frmPreview&)>& accion) {
    driver_.OnModal<frmPreview>([&](frmPreview& preview) {
      accion(preview);
      driver_.PressToolbarButton(preview.tlbPrevia, 5);
    });
    EXPECT_TRUE(MuestraReporte(sArchivo, "Vprevia"));
  }
  void Pagina(frmPreview& preview, int boton) { driver_.PressToolbarButton(preview.tlbPrevia, boton); }
  // The megabytes by which the peak memory of a child process grows while it
  // shows and then prints a spool file of these lines.
  long MegasAlMostrarEImprimir(const Lineas& lineas) {
    EscribeSpool("00000001.PRN", lineas);
    pid_t hijo = fork();
    if (hijo == 0) {
      // The memory the parent had freed goes back to the system and the peak
      // starts from what is left; blocks of a megabyte and more go back once
      // freed. The peak then counts what the child held at once.
      malloc_trim(0);
      mallopt(M_MMAP_THRESHOLD, 1 << 20);
      std::ofstream("/proc/self/clear_refs") << "5";
      long antes = PicoDeMemoriaKB();
      Preliminar("00000001.PRN", [](frmPreview&) {});
      MuestraReporte("00000001.PRN", "xx");
      _exit(static_cast<int>(std::min((PicoDeMemoriaKB() - antes) / 1024, 255L)));
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : 255;
  }
  const Lineas& Llamadas(std::size_t trabajo = 0) const { return impresoras_.Jobs().at(trabajo).calls; }
};

TEST_F(FrmPreviewTest, OpensOnItsFirstPageWithEveryPageDrawnOnItsOwnCanvas) {
  EscribeSpool("00000001.PRN", Reporte(3));
  Preliminar("00000001.PRN", [](frmPreview& preview) {
    EXPECT_EQ(preview.Caption(), "Presentación Preliminar");
    EXPECT_EQ(preview.TotalHojas(), 3);
    EXPECT_EQ(preview.NroHoja(), 0);
    EXPECT_EQ(Visibles(preview), std::vector<int>{0});
    for (int hoja = 0; hoja < 3; ++hoja)
      EXPECT_EQ(Textos(preview.picPrevia(hoja)),
                Lineas{"10,175 Courier New 8 HOJA " + std::to_string(hoja + 1)});
    Lineas tooltips;
    for (int boton = 1; boton <= 5; ++boton)
      tooltips.push_back(preview.tlbPrevia.Buttons(boton).ToolTipText());
    EXPECT_EQ(tooltips, (Lineas{"", "Pag Anterior", "Pag Sgt", "Imprimir", "Salir"}));
  });
  EXPECT_EQ(driver_.ModalForms(), std::vector<std::string>{"frmPreview"});
  EXPECT_EQ(driver_.MousePointers().back(), forms::vbDefault);
  EXPECT_TRUE(impresoras_.Jobs().empty());
}

TEST_F(FrmPreviewTest, PagingShowsOnePageAtATimeAndStopsAtBothEnds) {
  EscribeSpool("00000001.PRN", Reporte(3));
  struct Paso {
    int boton;
    int pagina;
  } pasos[] = {{2, 0}, {3, 1}, {3, 2}, {3, 2}, {2, 1}, {2, 0}, {2, 0}};
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    for (const Paso& p : pasos) {
      Pagina(preview, p.boton);
      EXPECT_EQ(preview.NroHoja(), p.pagina) << p.boton;
      EXPECT_EQ(Visibles(preview), std::vector<int>{p.pagina}) << p.boton;
    }
  });
}

TEST_F(FrmPreviewTest, BothVerticalBarsScrollTogetherAndPagingBringsThePageBackToItsTop) {
  EscribeSpool("00000001.PRN", Reporte(2));
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    driver_.Scroll(preview.vsbPic(1), 500);
    EXPECT_EQ(preview.vsbPic(0).Value(), 500);
    EXPECT_EQ(preview.picPrevia(0).Top(), -500);
    driver_.Scroll(preview.vsbPic(0), 800);
    EXPECT_EQ(preview.vsbPic(1).Value(), 800);
    EXPECT_EQ(preview.picPrevia(0).Top(), -800);
    driver_.Scroll(preview.HScroll1, 300);
    EXPECT_EQ(preview.picPrevia(0).Left(), -300);

    Pagina(preview, 3);
    EXPECT_EQ(preview.picPrevia(1).Top(), 0);
    EXPECT_EQ(preview.picPrevia(1).Left(), 0);
    EXPECT_EQ(preview.vsbPic(0).Value(), 0);
    EXPECT_EQ(preview.vsbPic(1).Value(), 0);
    driver_.Scroll(preview.vsbPic(0), 400);
    Pagina(preview, 3);
    EXPECT_EQ(preview.NroHoja(), 1) << "the last page stays";
    EXPECT_EQ(preview.picPrevia(1).Top(), 0);
    EXPECT_EQ(preview.vsbPic(1).Value(), 0);

    Pagina(preview, 2);
    EXPECT_EQ(preview.picPrevia(0).Top(), 0);
    EXPECT_EQ(preview.picPrevia(0).Left(), -300) << "a page keeps its own sideways position";
  });
}

TEST_F(FrmPreviewTest, TheColourTagPaintsEveryPageAndAColourThatIsNoneIsLeftAside) {
  struct Caso {
    const char* etiqueta;
    forms::Color fondo;
  } casos[] = {
      {"<!Color!>&H00FFFFC0&<!/Color!>", 16777152},
      {"<!Color!>&H80000005&<!/Color!>", forms::vbWindowBackground},
      {"<!Color!>verde&<!/Color!>", forms::vbWhite},
      {"<!Color!><!/Color!>", forms::vbWhite},
      {"", forms::vbWhite},
  };
  for (const Caso& c : casos) {
    EscribeSpool("00000001.PRN", {"pPos|10|175|a|False|8|1|", c.etiqueta, "pPos|10|175|b|False|8|0|",
                                  "pPos|10|175|c|False|8|2|"});
    Preliminar("00000001.PRN", [&](frmPreview& preview) {
      EXPECT_EQ(preview.picPrevia(0).BackColor(), c.fondo) << c.etiqueta;
      EXPECT_EQ(preview.picPrevia(1).BackColor(), forms::vbWhite) << "made before the tag";
      EXPECT_EQ(preview.picPrevia(2).BackColor(), c.fondo) << c.etiqueta;
    });
  }
}

// Pages the file skips get no canvas, however far the next one stands, and
// paging steps over them; a command for an earlier page still lands on it.
TEST_F(FrmPreviewTest, PagesTheFileSkipsCostNothingAndPagingStepsOverThem) {
  EscribeSpool("00000001.PRN", {"pPos|10|175|primera|False|8|0|", "pPos|10|175|lejos|False|8|32767|",
                                "pPos|10|350|segunda|False|8|1|", "pPos|10|175|ninguna|False|8|-1|"});
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    EXPECT_EQ(preview.TotalHojas(), 3);
    EXPECT_EQ(preview.picPrevia.Indexes(), (std::vector<int>{0, 1, 32767}));
    EXPECT_EQ(Textos(preview.picPrevia(1)), Lineas{"10,350 Courier New 8 segunda"});
    EXPECT_EQ(Textos(preview.picPrevia(32767)), Lineas{"10,175 Courier New 8 lejos"});
    for (auto [boton, pagina] : {std::pair{3, 1}, {3, 32767}, {3, 32767}, {2, 1}}) {
      Pagina(preview, boton);
      EXPECT_EQ(Visibles(preview), std::vector<int>{pagina}) << boton;
    }
  });
}

// What the preview and the print of a file hold follows the pages that hold
// something and the part of a text a sheet can show.
TEST_F(FrmPreviewTest, MemoryFollowsThePagesThatHoldSomethingAndWhatASheetShows) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "under AddressSanitizer the peak counts the sanitizer's own memory: nothing is measured";
#endif
  Lineas paginas;
  for (int hoja = 0; hoja < 5000; ++hoja) paginas.push_back("pPos||||||" + std::to_string(hoja) + "|");
  paginas.push_back("pPos|100|100|lejos|False|8|32767|");
  EXPECT_LT(MegasAlMostrarEImprimir(paginas), 16) << "5001 pages up to 32767 in under 100 KB";
  EXPECT_LT(MegasAlMostrarEImprimir({"pPos|10|175|" + std::string(12 << 20, 'x') + "|False|8|0|"}), 24)
      << "a line of 12 MB";
}

TEST_F(FrmPreviewTest, LinesItCannotReadAreSkippedAndTheRestIsDrawn) {
  EscribeSpool("00000001.PRN",
               {"<!font!>Arial<!/font!>", "", "comentario|x|", "pPos|10|175|sin hoja|False|8|",
                "pPos|99999|175|lejos|False|8|0|", "<!Orientacion!>H<!/Orientacion!>",
                "pPos|10|175|uno|True|12|0|", "pPos|10|350|raro|Quizas|0|0|", "pNuevaHoja",
                "pNuevaHoja", "pPos|10|525|dos|False|9|0|", "<!nHojas!>7<!/nHojas!>"});
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    EXPECT_EQ(preview.TotalHojas(), 1) << "page breaks make no pages";
    EXPECT_EQ(Textos(preview.picPrevia(0)),
              (Lineas{"10,175 Courier New 12 bold uno", "10,350 Courier New 12 raro",
                      "10,525 Courier New 9 dos"}));
  });
}

TEST_F(FrmPreviewTest, VerticalTextAndBoxesAreDrawnPieceByPiece) {
  EscribeSpool("00000001.PRN", {"pPosVerti|500|1000|AÑO|True|10|0|", "pCuadro|150|2470|11000|2815|0|"});
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    EXPECT_EQ(Textos(preview.picPrevia(0)),
              (Lineas{"500,1000 Courier New 10 bold A", "500,1190 Courier New 10 bold Ñ",
                      "500,1380 Courier New 10 bold O"}));
    Lineas lineas;
    for (const DrawCommand& c : preview.picPrevia(0).Drawing()) {
      if (c.type != DrawCommand::Type::Line) continue;
      lineas.push_back(vb::Format(c.x1, "0") + " " + vb::Format(c.y1, "0") + " " +
                       vb::Format(c.x2, "0") + " " + vb::Format(c.y2, "0") + " w" +
                       std::to_string(c.width));
    }
    EXPECT_EQ(lineas, (Lineas{"150 2470 150 2815 w1", "11000 2470 11000 2815 w1",
                              "150 2470 11000 2470 w1", "150 2815 11000 2815 w1"}));
  });
}

TEST_F(FrmPreviewTest, AMissingFileIsSaidAndThePreviewShowsItsEmptyFirstPage) {
  driver_.Expect({"Archivo Físico del Reporte no Existe", forms::vbCritical, "Error al Imprimir"});
  Preliminar("00000009.PRN", [&](frmPreview& preview) {
    EXPECT_EQ(preview.TotalHojas(), 1);
    EXPECT_EQ(Visibles(preview), std::vector<int>{0});
    EXPECT_TRUE(preview.picPrevia(0).Drawing().empty());
  });
}

TEST_F(FrmPreviewTest, PrintingFromTheToolbarPrintsTheWholeFileEachTimeAndKeepsThePageShown) {
  EscribeSpool("00000001.PRN", Reporte(2));
  MessageBoxCall impreso{"Reporte se imprimió satisfactoriamente", forms::vbInformation,
                         "Presentación Preliminar"};
  driver_.Expect(impreso);
  driver_.Expect(impreso);
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    Pagina(preview, 3);
    Pagina(preview, 4);
    Pagina(preview, 4);
    EXPECT_EQ(preview.NroHoja(), 1);
    EXPECT_EQ(preview.TotalHojas(), 2);
    EXPECT_EQ(Visibles(preview), std::vector<int>{1});
    EXPECT_EQ(Textos(preview.picPrevia(1)), Lineas{"10,175 Courier New 8 HOJA 2"});
  });
  ASSERT_EQ(impresoras_.Jobs().size(), 2u);
  EXPECT_EQ(Llamadas(0), Llamadas(1));
}

TEST_F(FrmPreviewTest, WithoutAPrinterTheToolbarWritesAPdfBesideTheSpoolFileAndSaysWhere) {
  impresoras_.SetHasPrinter(false);
  EscribeSpool("00000001.PRN", Reporte(1));
  std::string pdf = vb::ResolvePath(gsRutaRPT) + "00000001.pdf";
  driver_.Expect({"No hay una impresora instalada. El reporte se guardó en el archivo " + pdf,
                  forms::vbInformation, "Presentación Preliminar"});
  driver_.Expect({"Reporte se imprimió satisfactoriamente", forms::vbInformation,
                  "Presentación Preliminar"});
  Preliminar("00000001.PRN", [&](frmPreview& preview) { Pagina(preview, 4); });
  ASSERT_EQ(impresoras_.Jobs().size(), 1u);
  EXPECT_EQ(impresoras_.Jobs()[0].pdfPath, pdf);
}

TEST_F(FrmPreviewTest, APrintThePrinterRefusesIsReportedAndNeverAnnouncedAsDone) {
  impresoras_.SetJobsFail(true);
  EscribeSpool("00000001.PRN", Reporte(1));
  driver_.Expect({"La impresora no responde", forms::vbCritical, "Error al Imprimir"});
  Preliminar("00000001.PRN", [&](frmPreview& preview) { Pagina(preview, 4); });
  EXPECT_EQ(driver_.MessageBoxes().size(), 1u);
}

TEST_F(FrmPreviewTest, PrintingDrawsEachSheetInTheOrientationOfItsTagAndEndsInPortrait) {
  EscribeSpool("00000001.PRN",
               {"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>",
                "<!Color!>&H00FFFFC0&<!/Color!>", "pPos|300|2540|MODALIDAD DE PAGO|True|10|0|",
                "pCuadro|150|2470|11000|2815|0|", "pNuevaHoja", "<!Orientacion!>H<!/Orientacion!>",
                "pPos|300|350|ANEXO|False|8|1|", "pNuevaHoja", "<!Orientacion!> V <!/Orientacion!>",
                "<!Orientacion!>X<!/Orientacion!>", "pPosVerti|500|1000|AB|False|8|2|",
                "<!nHojas!>3<!/nHojas!>"});
  EXPECT_TRUE(MuestraReporte("00000001.PRN", "xx"));
  Lineas esperadas{"Orientation 1"};
  Agrega(esperadas, TextoImpreso(300, 2540, "MODALIDAD DE PAGO", true, 10));
  Agrega(esperadas, CuadroImpreso(150, 2470, 11000, 2815));
  Agrega(esperadas, {"NewPage", "Orientation 2"});
  Agrega(esperadas, TextoImpreso(300, 350, "ANEXO", false, 8));
  Agrega(esperadas, {"NewPage", "Orientation 1", "FontBold False", "FontSize 8", "CurrentX 500",
                     "CurrentY 1000", "Print A", "CurrentX 500", "CurrentY 1190", "Print B",
                     "EndDoc", "Orientation 1"});
  ASSERT_EQ(impresoras_.Jobs().size(), 1u);
  EXPECT_EQ(impresoras_.Jobs()[0].pdfPath, "");
  EXPECT_EQ(Llamadas(), esperadas);
  EXPECT_TRUE(driver_.ModalForms().empty());
  EXPECT_TRUE(driver_.MessageBoxes().empty()) << "a print MuestraReporte starts shows no message";
}

TEST_F(FrmPreviewTest, PrintingAMissingFileSaysSoAndOpensNoJob) {
  driver_.Expect({"Archivo Físico del Reporte no Existe", forms::vbCritical, "Error al Imprimir"});
  EXPECT_FALSE(MuestraReporte("00000009.PRN", "xx"));
  EXPECT_TRUE(impresoras_.Jobs().empty());
}

TEST_F(FrmPreviewTest, OnlyTheExactModeVpreviaPreviewsAnyOtherPrints) {
  EscribeSpool("00000001.PRN", Reporte(1));
  for (const char* modo : {"vprevia", "VPREVIA", "xx", ""}) EXPECT_TRUE(MuestraReporte("00000001.PRN", modo));
  EXPECT_EQ(impresoras_.Jobs().size(), 4u);
  EXPECT_TRUE(driver_.ModalForms().empty());
}

TEST_F(FrmPreviewTest, WithThePageRangeSetOnlyItsPagesAreDrawnCountedFromTheFirst) {
  EscribeSpool("00000001.PRN", Reporte(4));
  gbRangoPag = true;
  giPagDesde = 2;
  giPagHasta = 3;
  Preliminar("00000001.PRN", [&](frmPreview& preview) {
    EXPECT_EQ(preview.TotalHojas(), 2);
    EXPECT_EQ(Textos(preview.picPrevia(0)), Lineas{"10,175 Courier New 8 HOJA 2"});
    EXPECT_EQ(Textos(preview.picPrevia(1)), Lineas{"10,175 Courier New 8 HOJA 3"});
  });
  giPagDesde = giPagHasta = 2;
  EXPECT_TRUE(MuestraReporte("00000001.PRN", "xx"));
  Lineas esperadas{"Orientation 1"};
  Agrega(esperadas, TextoImpreso(10, 175, "HOJA 2", false, 8));
  Agrega(esperadas, {"NewPage", "EndDoc", "Orientation 1"});
  EXPECT_EQ(Llamadas(), esperadas);
}

TEST_F(FrmPreviewTest, WithThePageRangeSetPrintingFromTheToolbarClosesThePreview) {
  EscribeSpool("00000001.PRN", Reporte(2));
  gbRangoPag = true;
  giPagDesde = 1;
  giPagHasta = 2;
  driver_.Expect({"Reporte se imprimió satisfactoriamente", forms::vbInformation,
                  "Presentación Preliminar"});
  driver_.OnModal<frmPreview>([&](frmPreview& preview) { Pagina(preview, 4); });
  EXPECT_TRUE(MuestraReporte("00000001.PRN", "Vprevia"));
  EXPECT_EQ(impresoras_.Jobs().size(), 1u);
}

class CodeLookupPrintTest : public PruebaImpresion {
 protected:
  MessageBoxCall Impreso() const {
    return {"El reporte fue impreso satisfactoriamente", forms::vbInformation,
            "Consulta de Tipos de Resolución"};
  }
};

TEST_F(CodeLookupPrintTest, TheListPrintsOnTheDefaultPrinterAsTheSpoolFileSays) {
  driver_.Expect(Impreso());
  ImprimeTipos(52);
  Lineas esperadas{"Orientation 1", "Orientation 1"};
  Agrega(esperadas, TextoImpreso(1000, 1500, "Consulta de Tipos de Resolución", true, 10));
  auto encabezados = [&] {
    Agrega(esperadas, TextoImpreso(500, 2500, "Código", true, 8));
    Agrega(esperadas, TextoImpreso(2500, 2500, "Descripción o Valor", true, 8));
  };
  encabezados();
  for (int i = 1; i <= 52; ++i) {
    int y = i <= 51 ? 2900 + 250 * (i - 1) : 2900;
    std::string codigo = vb::Format(i, "000");
    Agrega(esperadas, TextoImpreso(500, y, codigo, false, 8));
    Agrega(esperadas, TextoImpreso(2500, y, "TIPO " + codigo, false, 8));
    if (i == 51) {
      esperadas.push_back("NewPage");
      encabezados();
    }
  }
  Agrega(esperadas, {"EndDoc", "Orientation 1"});
  ASSERT_EQ(impresoras_.Jobs().size(), 1u);
  EXPECT_EQ(impresoras_.Jobs()[0].calls, esperadas);
}

TEST_F(CodeLookupPrintTest, WithoutAPrinterTheListGoesToAPdfAndTheUserIsToldWhere) {
  impresoras_.SetHasPrinter(false);
  std::string pdf = vb::ResolvePath(gsRutaRPT) + "Consultas.pdf";
  driver_.Expect({"No hay una impresora instalada. El reporte se guardó en el archivo " + pdf,
                  forms::vbInformation, "Presentación Preliminar"});
  driver_.Expect(Impreso());
  ImprimeTipos(2);
  ASSERT_EQ(impresoras_.Jobs().size(), 1u);
  EXPECT_EQ(impresoras_.Jobs()[0].pdfPath, pdf);
}

TEST_F(CodeLookupPrintTest, AListThePrinterRefusesIsNotAnnouncedAsPrinted) {
  impresoras_.SetJobsFail(true);
  driver_.Expect({"La impresora no responde", forms::vbCritical, "Error al Imprimir"});
  ImprimeTipos(2);
  EXPECT_EQ(driver_.MessageBoxes().size(), 1u);
}

}  // namespace
}  // namespace korva::prueba
