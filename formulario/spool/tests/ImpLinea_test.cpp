#include "formulario/spool/ImpLinea.h"

#include <sys/wait.h>
#include <functional>
#include <unistd.h>

#include "formulario/core/tests/entorno_prueba.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/tests/prueba_spool.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

// A report being written, its page counter as a report's driver sets it.
class SpoolTest : public PruebaSpool {
 protected:
  void SetUp() override {
    PruebaSpool::SetUp();
    giNroHoja = 1;
  }
};

TEST_F(SpoolTest, FreeTextLinesAdvanceAndPageThemselves) {
  for (int i = 1; i <= 86; ++i) EscribeLinea("línea " + std::to_string(i));
  Lineas lineas = Escrito();
  ASSERT_EQ(lineas.size(), 87u);
  EXPECT_EQ(lineas[0], "pPos|10|175|línea 1|False|8|0|");
  EXPECT_EQ(lineas[1], "pPos|10|350|línea 2|False|8|0|");
  EXPECT_EQ(lineas[84], "pPos|10|14875|línea 85|False|8|0|");
  EXPECT_EQ(lineas[85], "pNuevaHoja");
  EXPECT_EQ(lineas[86], "pPos|10|175|línea 86|False|8|1|");
  EXPECT_EQ(giNroHoja, 2);
  EXPECT_EQ(giLinea, 1);
  EXPECT_EQ(giPosY, 175);
}

TEST_F(SpoolTest, WideReportsBreakAfterEightyThreeLines) {
  giAnchoReporte = 104;
  for (int i = 1; i <= 84; ++i) EscribeLinea("x");
  Lineas lineas = Escrito();
  ASSERT_EQ(lineas.size(), 85u);
  EXPECT_EQ(lineas[83], "pNuevaHoja");
  EXPECT_EQ(lineas[84], "pPos|10|175|x|False|8|1|");
}

TEST_F(SpoolTest, HeaderTagsCountAsLinesAndLaterPagesTakeOnlyAPendingOrientation) {
  EscribeLinea("<!font!>Courier New<!/font!>");
  EscribeLinea("<!Orientacion!>V<!/Orientacion!>");
  EscribeLinea("<!Color!>&H00FFFFC0&<!/Color!>");
  EXPECT_EQ(giLinea, 3);
  EXPECT_EQ(giPosY, 0);
  giNroHoja = 2;
  EscribeLinea("<!Color!>&H00FFFFC0&<!/Color!>");
  EXPECT_EQ(giLinea, 3);
  gsNroHojas = "<!Orientacion!>H<!/Orientacion!>";
  EscribeLinea("<!Orientacion!>H<!/Orientacion!>");
  EXPECT_EQ(giLinea, 4);
  gsNroHojas = "<!Orientacion!>h<!/Orientacion!>";
  EscribeLinea("<!Orientacion!>H<!/Orientacion!>");
  EXPECT_EQ(Escrito(),
            (Lineas{"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>",
                    "<!Color!>&H00FFFFC0&<!/Color!>", "<!Orientacion!>H<!/Orientacion!>"}));
}

// A report on counters of its own, as the send summary writes: its own page
// length, its tags on the first page only, whatever the output mode, and the
// printing globals left alone.
TEST_F(SpoolTest, FreeTextLinesOnTheirOwnCountersKeepTheirPageLength) {
  gsSalida = "";
  int iHoja = 1;
  int iLinea = 0;
  std::int16_t iPosY = 0;
  HojaLineas hoja{giArchivo, iHoja, iLinea, iPosY, 3, false};
  for (const char* sTexto :
       {"<!font!>Courier New<!/font!>", "uno", "dos", "<!Color!>&H80000005&<!/Color!>", "tres"})
    EscribeLinea(hoja, sTexto);
  EXPECT_EQ(Escrito(), (Lineas{"<!font!>Courier New<!/font!>", "pPos|10|175|uno|False|8|0|",
                               "pPos|10|350|dos|False|8|0|", "pNuevaHoja", "pPos|10|175|tres|False|8|1|"}));
  EXPECT_EQ(iHoja, 2);
  EXPECT_EQ(iLinea, 1);
  EXPECT_EQ(iPosY, 175);
  EXPECT_EQ(giNroHoja, 1);
  EXPECT_EQ(giLinea, 0);
  EXPECT_EQ(giPosY, 0);
}

TEST_F(SpoolTest, PositionedTextIsBoldOnlyForTheRuntimesTrue) {
  EscribePos(1000, 1500, "Consulta de Tributos", -1, 10, 0);
  EscribePos(500, 2500, "Código", 1, 8, 0);
  EscribePos(2500, 2500, "Descripción o Valor", true, vb::Variant(8.0), 0);
  EscribePos(500, 2900, "", false, 8, 1);
  EscribePos(0, 0, "pNuevaHoja", -1, 8, 0);
  EscribePos(0, 0, "<!Orientacion!>V<!/Orientacion!>", 0, 8, 0);
  giNroHoja = 2;
  EscribePos(0, 0, "<!Orientacion!>V<!/Orientacion!>", 0, 8, 1);
  EscribeCuadro(100, 200, 11000, 15000, 3);
  EXPECT_EQ(
      Escrito(),
      (Lineas{"pPos|1000|1500|Consulta de Tributos|True|10|0|", "pPos|500|2500|Código|False|8|0|",
              "pPos|2500|2500|Descripción o Valor|True|8|0|", "pPos|500|2900||False|8|1|",
              "pNuevaHoja", "<!Orientacion!>V<!/Orientacion!>", "pCuadro|100|200|11000|15000|3|"}));
  EXPECT_EQ(giLinea, 0);
  EXPECT_EQ(giNroHoja, 2);
}

TEST_F(SpoolTest, TextIsStoredInWindows1252) {
  EscribePos(500, 2500, "Año Ñ", 0, 8, 0);
  vb::Close(giArchivo);
  EXPECT_EQ(ReadBytes(Ruta()), "pPos|500|2500|A\xF1o \xD1|False|8|0|\r\n");
}

// A name or description holding the field separator or a line break would split
// or end its command line.
TEST_F(SpoolTest, TextsNeverSplitTheirCommandLine) {
  struct Caso {
    const char* texto;
    const char* campo;
  } casos[] = {
      {"SOTO | HIJOS S.A.", "SOTO ¦ HIJOS S.A."},
      {"linea 1\r\nlinea 2", "linea 1  linea 2"},
      {"a\nb\rc||", "a b c¦¦"},
      {"pNuevaHoja|", "pNuevaHoja¦"},
  };
  Lineas esperadas;
  int y = 0;
  for (const Caso& c : casos) {
    EscribeLinea(c.texto);
    EscribePos(300, 1000, c.texto, false, 8, 0);
    y += 175;
    esperadas.push_back("pPos|10|" + std::to_string(y) + "|" + c.campo + "|False|8|0|");
    esperadas.push_back(std::string("pPos|300|1000|") + c.campo + "|False|8|0|");
  }
  EXPECT_EQ(Escrito(), esperadas);
}

// The page starters' tags are written on any page and are no lines of a page, so
// that a long report never gets a page break of their making.
TEST_F(SpoolTest, PageStartersTagsAreWrittenOnAnyPageAndNeverCounted) {
  giAnchoReporte = 104;
  giLinea = 82;
  giNroHoja = 80;
  EscribeEtiqueta("<!Orientacion!>H<!/Orientacion!>");
  EscribeEtiqueta("<!nHojas!>81<!/nHojas!>");
  EXPECT_EQ(giLinea, 82);
  EXPECT_EQ(giNroHoja, 80);
  EXPECT_EQ(Escrito(),
            (Lineas{"<!Orientacion!>H<!/Orientacion!>", "<!nHojas!>81<!/nHojas!>"}));
}

TEST_F(SpoolTest, OnlyTheSpoolFileIsWritten) {
  gsSalida = "IMPRESORA";
  for (auto escribe : {+[] { EscribeLinea("x"); }, +[] { EscribePos(0, 0, "x", 0, 8, 0); },
                       +[] { EscribeCuadro(0, 0, 1, 1, 0); },
                       +[] { EscribeEtiqueta("<!nHojas!>1<!/nHojas!>"); }}) {
    EXPECT_EQ(ErrorOf(escribe), 482);
  }
  EXPECT_EQ(giLinea, 0);
  EXPECT_EQ(giPosY, 0);
  gsSalida = "ARCHIVO";
  EXPECT_EQ(Escrito(), Lineas{});
}

TEST(Contador, IncrementaContadorCountsInSixteenBits) {
  struct Case {
    int inicio;
    int paso;
    const char* texto;
  } cases[] = {{0, 175, "175"}, {-200, 175, "-25"}, {32592, 175, "32767"}, {-32768, 0, "-32768"}};
  for (const auto& c : cases) {
    std::int16_t contador = static_cast<std::int16_t>(c.inicio);
    EXPECT_EQ(IncrementaContador(contador, c.paso), c.texto);
    EXPECT_EQ(std::to_string(contador), c.texto);
  }
  std::int16_t contador = 32600;
  EXPECT_EQ(ErrorOf([&] { IncrementaContador(contador, 175); }), 6);
  EXPECT_EQ(contador, 32600);
}

class RegistraSpoolTest : public PruebaConSuite {
 protected:
  void SetUp() override {
    PruebaConSuite::SetUp();
    vb::SetClock([] { return vb::Date{Fecha(2010, 3, 15).serial + 0.5}; });
  }
};

TEST_F(RegistraSpoolTest, ReportsShareOneFileCounterAndNumberTheirOwnSequence) {
  EXPECT_EQ(RegistraSpool("F36004", "20456712348", 6), "00000001.PRN");
  EXPECT_EQ(gsSQL, "SELECT * FROM SPOOL");
  EXPECT_EQ(RegistraSpool("F94201", "20603189753", 6), "00000002.PRN");
  EXPECT_EQ(RegistraSpool("F36004", "20603189753", 1), "00000003.PRN");
  EXPECT_EQ(
      Consulta("SELECT CodRep, Secuencia, Archivo, Fecha, Usuario, tip_doc_d, doc_id_d FROM SPOOL "
            "ORDER BY Archivo"),
      (std::vector<std::vector<std::string>>{
          {"F36004", "000001", "00000001.PRN", "15/03/2010 12:00:00 p.m.", "USUARIO", "6",
           "20456712348"},
          {"F94201", "000001", "00000002.PRN", "15/03/2010 12:00:00 p.m.", "USUARIO", "6",
           "20603189753"},
          {"F36004", "000002", "00000003.PRN", "15/03/2010 12:00:00 p.m.", "USUARIO", "1",
           "20603189753"}}));
}

TEST_F(RegistraSpoolTest, NumberingFollowsTheHighestStoredFile) {
  gDB->Execute(
      "INSERT INTO SPOOL VALUES ('F36004', '000041', '00000012.PRN', #03/01/2010#, 'OTRO', 6, "
      "'1')");
  gDB->Execute(
      "INSERT INTO SPOOL VALUES ('F94201', '000009', '00000009.PRN', #03/01/2010#, 'OTRO', 6, "
      "'1')");
  EXPECT_EQ(RegistraSpool("F94201", "20456712348", 6), "00000013.PRN");
  EXPECT_EQ(Consulta("SELECT Secuencia FROM SPOOL WHERE Archivo = '00000013.PRN'"),
            (std::vector<std::vector<std::string>>{{"000010"}}));
  EXPECT_EQ(RegistraSpool("O'X", "20456712348", 6), "00000014.PRN");
  EXPECT_EQ(Consulta("SELECT Secuencia FROM SPOOL WHERE CodRep = 'O''X'"),
            (std::vector<std::vector<std::string>>{{"000001"}}));
  // Names of another form stand above the numbered ones as texts; they are left aside.
  for (const char* archivo : {"RESUMEN.PRN", "000000099.PR", "0000002X.PRN"})
    gDB->Execute(std::string("INSERT INTO SPOOL VALUES ('HOST', '000001', '") + archivo +
                 "', #03/01/2010#, 'OTRO', 6, '1')");
  EXPECT_EQ(RegistraSpool("F94201", "20456712348", 6), "00000015.PRN");
}

// Registers as a person would: a registration the lock turned away (3051, the
// other program held the database past the wait) is tried again; any other error
// is answered at once.
int RegistraHastaQueEntre(const std::function<void()>& registra) {
  int error = 0;
  for (int intento = 0; intento < 100; ++intento)
    if ((error = ErrorOf(registra)) != 3051) break;
  return error;
}

// korva and the send summary registering reports at the same moment: each report
// gets a file number of its own, however long the other held the lock.
TEST_F(RegistraSpoolTest, ProgramsRegisteringAtOnceNeverTakeOneNumber) {
  constexpr int kPorPrograma = 40;
  std::string ruta = suite_.databasePath;
  gDB->Close();
  int listo[2];
  ASSERT_EQ(pipe(listo), 0);
  pid_t otro = fork();
  ASSERT_GE(otro, 0);
  if (otro == 0) {
    try {
      dao::DatabasePtr db = dao::Engine().OpenDatabase(ruta);
      std::string sql;
      if (write(listo[1], "x", 1) != 1) _exit(2);
      for (int i = 0; i < kPorPrograma; ++i)
        if (RegistraHastaQueEntre(
                [&] { AnotaSpool(*db, {"F36004", "20456712348", 6, "OTRO"}, sql); }) != 0)
          _exit(1);
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  gDB = dao::Engine().OpenDatabase(ruta);
  char senal;
  ASSERT_EQ(read(listo[0], &senal, 1), 1);
  close(listo[0]);
  close(listo[1]);
  int fallos = 0;
  for (int i = 0; i < kPorPrograma; ++i)
    fallos += RegistraHastaQueEntre([] { RegistraSpool("F94201", "20603189753", 6); }) != 0;
  int estado = 0;
  waitpid(otro, &estado, 0);
  EXPECT_EQ(fallos, 0);
  EXPECT_EQ(WEXITSTATUS(estado), 0);
  Filas esperadas;
  for (int i = 1; i <= 2 * kPorPrograma; ++i) esperadas.push_back({vb::Format(i, "00000000") + ".PRN"});
  EXPECT_EQ(Consulta("SELECT Archivo FROM SPOOL ORDER BY Archivo"), esperadas);
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
}

TEST(VisorReporte, ReportIsShownOnlyByAnInstalledViewerWhichTellsHowItWent) {
  FijaVisorReporte({});
  EXPECT_EQ(ErrorOf([&] { MuestraReporte("Consultas.txt", "xx"); }), 482);
  std::vector<std::string> llamadas;
  FijaVisorReporte([&](const std::string& archivo, const std::string& modo) {
    llamadas.push_back(archivo + " " + modo);
    return modo == "Vprevia";
  });
  EXPECT_FALSE(MuestraReporte("Consultas.txt", "xx"));
  EXPECT_TRUE(MuestraReporte("00000003.PRN", "Vprevia"));
  EXPECT_EQ(llamadas, (std::vector<std::string>{"Consultas.txt xx", "00000003.PRN Vprevia"}));
  FijaVisorReporte({});
}

}  // namespace
}  // namespace korva::prueba
