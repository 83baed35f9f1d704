// The program itself: korva started beside the host's window on a private X
// display, against a suite folder of the host stand-in, rendering offscreen.
#include <gtest/gtest.h>
#include <sys/stat.h>
// Xlib after gtest: its None would shadow gtest's own.
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/dao/testing/query_rows.h"
#include "platform/qt/help_window.h"
#include "platform/testsupport/child_process.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/pdf_reader.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/testsupport/x_display_test.h"
#include "platform/vb/encoding.h"
#include "tools/debtfile/debt_file.h"
#include "tools/host/suite.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;
using testsupport::ChildProcess;
using testsupport::ReadBytes;
using testsupport::TempFolder;

class KorvaTest : public testsupport::XDisplayTest {
 protected:
  std::string Screen() const override { return "1024x768x24"; }
  void TearDown() override {
    anfitrion_.reset();
    XDisplayTest::TearDown();
  }

  void MuestraAnfitrion() {
    anfitrion_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{ORVANE_WINDOW_PATH, "--display", DisplayName()});
    ASSERT_FALSE(anfitrion_->ReadLine().empty()) << "the host's window did not come up";
  }

  // A suite with the module's tables, two pending declarations of the user, one
  // of another user's declarant, and the help file where the program looks for
  // it.
  host::Suite CreaSuite() {
    host::Suite suite = host::CreateSuite(carpeta_ / "suite");
    {
      dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
      for (const char* fila : {"6, '20603189753', '200912', '0942', 2, '10/01/2010'",
                               "6, '20456712348', '201003', '0942', 1, '15/04/2010'",
                               "6, '10425187363', '201001', '0942', 3, '01/02/2010'"})
        db->Execute(std::string("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, "
                                "Semana, nrocheque) VALUES (") + fila + ")");
      nuvia::CreaTablasModulo(*db);
      db->Close();
    }
    fs::create_directories(fs::path(suite.installFolder) / "0942");
    fs::copy_file(KORVA_HELP_PATH, fs::path(suite.installFolder) / "0942/Korva.html");
    return suite;
  }

  // Closes the top-level window titled `titulo` with its close box, as a person
  // would; false when no such window came up within a minute.
  bool CierraVentana(const std::string& titulo) {
    Window ventana = EsperaVentana(titulo);
    if (ventana) AskToClose(ventana);
    return ventana != 0;
  }

  // The top-level window titled `titulo` once it shows; 0 when none came up
  // within a minute.
  Window EsperaVentana(const std::string& titulo) {
    Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    for (int intento = 0; intento < 600; ++intento) {
      Window raiz = 0, padre = 0, *hijas = nullptr;
      unsigned int cuantas = 0;
      XQueryTree(display_, DefaultRootWindow(display_), &raiz, &padre, &hijas, &cuantas);
      std::vector<Window> ventanas(hijas, hijas + cuantas);
      if (hijas) XFree(hijas);
      for (Window ventana : ventanas) {
        XWindowAttributes atributos{};
        if (!XGetWindowAttributes(display_, ventana, &atributos) || atributos.map_state != IsViewable) continue;
        if (Property(ventana, "_NET_WM_NAME", utf8) == titulo) return ventana;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
  }

  // The program's environment on the suite: offscreen, with `captura` in the
  // environment variable `revision` (the pictures' folder of KORVA_CAPTURA, say);
  // or, with no `captura`, its windows shown on the test's display.
  std::vector<std::string> Entorno(const host::Suite& suite, const fs::path& captura = {},
                                   const std::string& revision = "KORVA_CAPTURA") {
    fs::create_directories(carpeta_ / "home");
    fs::create_directories(carpeta_ / "run");
    fs::permissions(carpeta_ / "run", fs::perms::owner_all);
    std::string home = carpeta_ / "home";
    std::vector<std::string> entorno = {
        "WINDIR=" + suite.windowsFolder, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
        "XDG_CACHE_HOME=" + home + "/.cache", "XDG_DATA_HOME=" + home + "/.local/share",
        "XDG_RUNTIME_DIR=" + (carpeta_ / "run"), "DISPLAY=" + DisplayName(),
        "CUPS_SERVER=" + (carpeta_ / "run/no-cups.sock")};
    if (captura.empty()) {
      entorno.push_back("QT_QPA_PLATFORM=xcb");
      return entorno;
    }
    entorno.push_back("QT_QPA_PLATFORM=offscreen");
    entorno.push_back(revision + "=" + captura.string());
    return entorno;
  }

  // A suite with the module's tables and, in the folder the unattended checks
  // answer, a debt file generated today of `deudas` debts in each category.
  host::Suite SuiteConDeudas(int deudas) {
    host::Suite suite = host::CreateSuite(carpeta_ / "suite");
    {
      dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
      nuvia::CreaTablasModulo(*db);
      db->Close();
    }
    fs::create_directories(carpeta_ / "salida");
    debtfile::Options opciones;
    opciones.debtsPerCategory = deudas;
    debtfile::WriteDebtFile(carpeta_ / "salida", opciones);
    return suite;
  }

  // korva run to its end on the suite under the unattended check `revision`,
  // whose folder it answers; there is no print server, as on a machine without
  // a printer.
  fs::path Ejecuta(const host::Suite& suite, const std::string& revision) {
    fs::path salida = carpeta_ / "salida";
    fs::create_directories(salida);
    ChildProcess korva({KORVA_PATH}, Entorno(suite, salida, revision));
    EXPECT_EQ(korva.Wait(std::chrono::seconds(120)), 0);
    return salida;
  }

  // korva run on `entorno` says `mensaje` on its standard error, where a road
  // says why it ended, and ends with 1.
  static void DiceYFalla(const std::vector<std::string>& entorno, const std::string& mensaje) {
    ChildProcess korva({"sh", "-c", "exec \"$0\" 2>&1", KORVA_PATH}, entorno);
    std::string linea = korva.ReadLine(std::chrono::seconds(60));
    while (!linea.empty() && linea != mensaje) linea = korva.ReadLine(std::chrono::seconds(60));
    EXPECT_EQ(linea, mensaje);
    EXPECT_EQ(korva.Wait(std::chrono::seconds(120)), EXIT_FAILURE);
  }

  TempFolder carpeta_;
  std::unique_ptr<ChildProcess> anfitrion_;
};

const std::string kSinImpresora =
    "No hay una impresora instalada. El reporte se guardó en el archivo ";

TEST_F(KorvaTest, BesideTheHostWindowKorvaShowsTheMainWindowAndListsTheDeclarations) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  fs::path captura = carpeta_ / "captura";
  fs::create_directories(captura);

  ChildProcess korva({KORVA_PATH}, Entorno(suite, captura));
  ASSERT_EQ(korva.Wait(std::chrono::seconds(120)), 0);

  EXPECT_EQ(ReadBytes(captura / "FrmContAbrir.txt"),
            "20456712348|COMERCIAL ANDINA DEL SUR S.A.C.|032010\n"
            "20603189753|TRANSPORTES RIO CLARO E.I.R.L.|122009\n");
  for (const char* imagen : {"MDIFrm.png", "FrmContAbrir.png"}) {
    std::string png = ReadBytes(captura / imagen);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << imagen;
  }
  if (const char* construccion = std::getenv("FORM0942_BUILD_DIR")) {
    fs::copy_file(captura / "MDIFrm.png", fs::path(construccion) / "korva-MDIFrm.png",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(captura / "FrmContAbrir.png", fs::path(construccion) / "korva-FrmContAbrir.png",
                  fs::copy_options::overwrite_existing);
  }
}

// 40 taxes more than the suite's own: a list of two pages.
void AgregaTributos(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  for (int i = 10; i < 50; ++i)
    db->Execute("INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES ('725', '09" +
                std::to_string(i) + "01', 'TRIBUTO DE PRUEBA " + std::to_string(i) + "', '000')");
  db->Close();
}

// The words of each page of the tax list as the code lookup window writes it:
// the title on the first page, the headings on each, 51 rows to a page.
std::vector<std::vector<std::string>> PalabrasDelListado(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  auto filas = dao::testing::QueryRows(
      *db, "SELECT mid(ARGUMENTO,2,3) & mid(ARGUMENTO,6,1), mid(FUNCION,1,55) FROM PARAM "
           "WHERE NUMERO='725' ORDER BY 1");
  db->Close();
  const std::vector<std::string> encabezados{"Código", "Descripción", "o", "Valor"};
  std::vector<std::vector<std::string>> paginas{{"Consulta", "de", "Tributos"}};
  paginas[0].insert(paginas[0].end(), encabezados.begin(), encabezados.end());
  for (std::size_t i = 0; i < filas.size(); ++i) {
    if (i > 0 && i % 51 == 0) paginas.push_back(encabezados);
    std::istringstream palabras(filas[i][0] + " " + filas[i][1]);
    for (std::string palabra; palabras >> palabra;) paginas.back().push_back(palabra);
  }
  return paginas;
}

// Without a printer (no print server) the list goes into a PDF beside its spool
// file, and the user is told where before being told it was printed.
TEST_F(KorvaTest, WithoutAPrinterKorvaPrintsTheTaxListIntoAPdfInTheReportFolder) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  AgregaTributos(suite);
  fs::path salida = Ejecuta(suite, "KORVA_IMPRIME_TRIBUTOS");

  std::string pdf = suite.installFolder + "RPT/Consultas.pdf";
  EXPECT_EQ(ReadBytes(salida / "Mensajes.txt"),
            kSinImpresora + pdf + "\nEl reporte fue impreso satisfactoriamente\n");
  EXPECT_EQ(testsupport::PdfPageSizes(pdf).size(), 2u);
  std::vector<std::vector<std::string>> paginas(2);
  for (const testsupport::PdfWord& palabra : testsupport::PdfWords(pdf)) {
    ASSERT_TRUE(palabra.page == 1 || palabra.page == 2) << palabra.page;
    paginas[palabra.page - 1].push_back(palabra.text);
  }
  EXPECT_EQ(paginas, PalabrasDelListado(suite));
}

// The boxes of COMERCIAL ANDINA DEL SUR's declaration of 201003 (TESORO), the
// first of the print dialog's list.
void GuardaCasillas(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  for (const auto& [casilla, valor] : std::vector<std::pair<const char*, const char*>>{
           {"28", "4567890"}, {"500", "125000.5"}, {"501", "0"}, {"503", "12"}, {"504", "10417"},
           {"506", "1"}, {"535", "25000"}, {"551", "100"}, {"541", "15/04/2010"}})
    db->Execute(std::string("INSERT INTO DET (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
                            "Casilla, i_valor) VALUES (6, '20456712348', '201003', '0942', 1, '") +
                casilla + "', '" + valor + "')");
  db->Close();
}

// The words of the spool file's texts, in order.
std::vector<std::string> PalabrasDelSpool(const std::string& sRuta) {
  std::vector<std::string> palabras;
  std::istringstream lineas(vb::FromCp1252(ReadBytes(sRuta)));
  for (std::string linea; std::getline(lineas, linea);) {
    if (!linea.starts_with("pPos|")) continue;
    std::size_t desde = linea.find('|', linea.find('|', 5) + 1) + 1;
    std::istringstream texto(linea.substr(desde, linea.find('|', desde) - desde));
    for (std::string palabra; texto >> palabra;) palabras.push_back(palabra);
  }
  return palabras;
}

// The words of the report 00000001 of the folder as its PDF shows them, sorted,
// found to be those of its spool file: the pages hold every text the spool file
// gives them.
std::vector<std::string> PalabrasDelPdf(const std::string& sRpt) {
  std::vector<std::string> palabras;
  for (const testsupport::PdfWord& palabra : testsupport::PdfWords(sRpt + "00000001.pdf"))
    palabras.push_back(palabra.text);
  std::vector<std::string> esperadas = PalabrasDelSpool(sRpt + "00000001.PRN");
  std::sort(palabras.begin(), palabras.end());
  std::sort(esperadas.begin(), esperadas.end());
  EXPECT_EQ(palabras, esperadas);
  return palabras;
}

// Without a printer the declaration page goes into a PDF beside its spool file:
// the page holds every text the spool file gives it.
TEST_F(KorvaTest, WithoutAPrinterKorvaPrintsAStoredDeclarationIntoAPdf) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  GuardaCasillas(suite);
  fs::path salida = Ejecuta(suite, "KORVA_IMPRIME_DECLARACION");

  std::string rpt = suite.installFolder + "RPT/";
  EXPECT_EQ(ReadBytes(salida / "Mensajes.txt"), kSinImpresora + rpt + "00000001.pdf\n");
  std::string spool = ReadBytes(rpt + "00000001.PRN");
  EXPECT_NE(spool.find("pPos|9275|3150|         125,001|False|8|0|\r\n"), std::string::npos);
  EXPECT_EQ(testsupport::PdfPageSizes(rpt + "00000001.pdf").size(), 1u);
  PalabrasDelPdf(rpt);
}

// A program that refused to start or could not open the database ends with a
// failure status once its message is closed; "&Salir" ends it with 0 (above).
// Unattended, with nobody to close the message, the road's wait for the main
// window runs out: it says so on standard error and the program ends with 1.
TEST_F(KorvaTest, KorvaEndsWithFailureAfterARefusalOrAFailedConnection) {
  struct Caso {
    const char* camino;
    bool anfitrion;
    const char* baseDatos;
    const char* titulo;
    std::string mensaje;  // the box the unattended road finds in front
  };
  const Caso casos[] = {
      {"sin anfitrion", false, "TESCA.MDB", "Error al ejecutar el módulo",
       "Debe ejecutar este módulo desde el Morvel del ZEP"},
      {"sin base de datos", true, "OTRA.MDB", "Error de Conección",
       "No se encontró el archivo '" + (carpeta_ / "sin base de datos/zep/OTRA.MDB") + "'. 3024"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.camino);
    if (c.anfitrion && !anfitrion_) MuestraAnfitrion();
    host::Suite suite = host::CreateSuite(carpeta_ / c.camino);
    std::ofstream(suite.settingsPath, std::ios::binary)
        << "[Options]\r\nSysPath=" << suite.installFolder << "\r\nDBPath=" << suite.installFolder
        << "\r\nDBName=" << c.baseDatos << "\r\nSysUser=USUARIO\r\n";
    ChildProcess korva({KORVA_PATH}, Entorno(suite));
    EXPECT_TRUE(CierraVentana(c.titulo));
    EXPECT_EQ(korva.Wait(std::chrono::seconds(60)), EXIT_FAILURE);

    std::vector<std::string> desatendido = Entorno(suite, carpeta_ / (std::string(c.camino) + "/captura"));
    desatendido.push_back("KORVA_ESPERA=2");
    DiceYFalla(desatendido,
               "El recorrido desatendido esperó la ventana MDIFrm durante 2 segundos y no se mostró. "
               "En primer plano estaba el mensaje \"" + c.mensaje + "\".");
  }
}

// A road that finds nothing to work on says so and ends with 1 instead of
// passing over its step: the main road on a folder without a debt file.
TEST_F(KorvaTest, TheMainRoadOnAFolderWithoutADebtFileSaysSoAndEndsWithFailure) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  fs::path vacia = carpeta_ / "vacia";
  fs::create_directories(vacia);
  DiceYFalla(Entorno(suite, vacia, "KORVA_RECORRIDO"),
             "El recorrido desatendido no halló un archivo de deudas en la carpeta " + vacia.string() + ".");
}

// nuvia as a script runs it on the suite: without a display, its message boxes
// on its output.
std::unique_ptr<ChildProcess> EjecutaNuvia(const host::Suite& suite) {
  return std::make_unique<ChildProcess>(
      std::vector<std::string>{"sh", "-c", "\"$0\" 2>&1", NUVIA_PATH},
      std::vector<std::string>{"WINDIR=" + suite.windowsFolder, "DISPLAY=", "WAYLAND_DISPLAY="});
}

// The working debts, which hold the declaration korva has open, and the
// parameter rows nuvia writes.
std::vector<dao::testing::TextRows> TablasDeNuvia(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  return {dao::testing::QueryRows(*db, "SELECT * FROM TMP_F0942DEUDAS"),
          dao::testing::QueryRows(*db, "SELECT * FROM PARAM ORDER BY 1, 2")};
}

// nuvia drops and re-creates the working tables, which hold the declaration
// korva has open: while korva runs on the suite nuvia says so (on stderr, with
// no display), changes nothing and ends with 1. A second korva on the suite,
// started with another runtime folder (another account's or session's), is
// refused before it opens a table. Once korva is gone, even ended without its
// own closing, nuvia installs the module.
TEST_F(KorvaTest, NuviaRefusesToTouchTheTablesWhileKorvaRunsOnTheSuite) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  {
    dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
    db->Execute("INSERT INTO TMP_F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana, "
                "Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso) VALUES "
                "(6, '20456712348', '201003', '0942', 1, '01', '201001', '010101', '1', '0621', "
                "'001000', '000000')");
    db->Close();
  }
  for (const char* entrada : {"env942.txt", "Par942.txt"})
    fs::copy_file(fs::path(NUVIA_PATH).parent_path() / entrada, fs::path(suite.installFolder) / "tmp" / entrada);
  std::vector<dao::testing::TextRows> antes = TablasDeNuvia(suite);

  auto korva = std::make_unique<ChildProcess>(std::vector<std::string>{KORVA_PATH}, Entorno(suite));
  ASSERT_NE(EsperaVentana("0942 - Plexo"), 0u);
  std::vector<std::string> otraSesion = Entorno(suite);
  fs::create_directories(carpeta_ / "run2");
  otraSesion.push_back("XDG_RUNTIME_DIR=" + (carpeta_ / "run2"));
  ChildProcess segunda({KORVA_PATH}, otraSesion);
  EXPECT_TRUE(CierraVentana(" Plexo"));
  EXPECT_EQ(segunda.Wait(), EXIT_FAILURE);
  EXPECT_EQ(TablasDeNuvia(suite), antes);
  auto rechazada = EjecutaNuvia(suite);
  EXPECT_EQ(rechazada->ReadLine(), "Mensaje: El módulo 0942 se encuentra en ejecución. Ciérrelo y "
                                   "vuelva a ejecutar la instalación.");
  EXPECT_EQ(rechazada->Wait(), EXIT_FAILURE);
  EXPECT_EQ(TablasDeNuvia(suite), antes);

  korva->Kill();
  korva.reset();
  EXPECT_EQ(EjecutaNuvia(suite)->Wait(), EXIT_SUCCESS);
  EXPECT_EQ(TablasDeNuvia(suite)[0], dao::testing::TextRows{});
}

// A lock file that is a symbolic link or no plain file (a FIFO, which held
// both programs in open() for good) protects nothing: at once, nuvia (on the
// suite's lock file, the one it takes) says what is wrong, naming it, changes
// nothing and ends with 1; korva says so and ends with 1, on the suite's lock
// file, its own lock on the suite and its single-instance lock alike.
TEST_F(KorvaTest, NeitherProgramWorksWithoutALockFileItCanOpen) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  std::vector<std::string> entorno = Entorno(suite);
  struct Caso {
    fs::path bloqueo;
    bool enlace;
    bool nuvia;  // whether nuvia takes this lock too
  };
  const Caso casos[] = {
      {suite.databasePath + ".lck", true, true},
      {suite.databasePath + ".lck", false, true},
      {suite.databasePath + ".korva.lck", false, false},
      {carpeta_ / "run/korva.lock", false, false},
  };
  std::vector<dao::testing::TextRows> antes = TablasDeNuvia(suite);
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.bloqueo.string() + (c.enlace ? " (enlace)" : ""));
    fs::remove(c.bloqueo);  // korva's runs before leave its single-instance lock file
    if (c.enlace) fs::create_symlink(carpeta_ / "otro.lck", c.bloqueo);
    else ASSERT_EQ(mkfifo(c.bloqueo.c_str(), 0666), 0);
    if (c.nuvia) {
      auto nuvia = EjecutaNuvia(suite);
      EXPECT_EQ(nuvia->ReadLine(std::chrono::seconds(10)),
                "Archivo de bloqueo: No se puede abrir el archivo de bloqueo de la base de datos:");
      EXPECT_EQ(nuvia->ReadLine(), c.bloqueo);
      EXPECT_EQ(nuvia->Wait(std::chrono::seconds(10)), EXIT_FAILURE);
      EXPECT_EQ(TablasDeNuvia(suite), antes);
    }
    ChildProcess korva({KORVA_PATH}, entorno);
    EXPECT_TRUE(CierraVentana("Archivo de bloqueo"));
    EXPECT_EQ(korva.Wait(std::chrono::seconds(10)), EXIT_FAILURE);
    fs::remove(c.bloqueo);
  }
  EXPECT_FALSE(fs::exists(carpeta_ / "otro.lck"));
}

// An amount of cents as the listings total it: thousands grouped, two decimals.
std::string Soles(long long centimos) {
  std::string enteros = std::to_string(centimos / 100);
  for (int i = static_cast<int>(enteros.size()) - 3; i > 0; i -= 3) enteros.insert(i, ",");
  std::string decimales = std::to_string(100 + centimos % 100).substr(1);
  return enteros + "." + decimales;
}

// The document numbers of the imported debts (a self-assessed debt's behind its
// form code, as its annex shows it) and the total of the amounts the
// administration reported for each of the three categories.
void DeudasImportadas(const host::Suite& suite, std::vector<std::string>& numeros,
                      std::vector<std::string>& totales) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  for (std::string categoria : {"01", "02", "03"}) {
    long long centimos = 0;
    for (const auto& fila : dao::testing::QueryRows(
             *db, "SELECT trim(Cod_for), Num_doc, mto_act_s FROM F0942DEUDAS "
                  "WHERE Ind_tip_deu = '" + categoria + "'")) {
      numeros.push_back(categoria == "02" ? fila[0] + "-" + fila[1] : fila[1]);
      centimos += std::llround(std::stod(fila[2]) * 100);
    }
    totales.push_back(Soles(centimos));
  }
  db->Close();
}

// The whole road: a debt file generated today is imported from the main window
// and its declaration printed with every annex from the print dialog, into a PDF
// as there is no printer. The PDF shows every text of the spool file, among them
// the declarant, each debt's document number and each category's total, on the
// declaration page and the annexes' pages (the valores, self-assessed debts and
// infractions two pages each, the five empty annexes one each).
TEST_F(KorvaTest, ImportedDeclarationPrintsWithItsAnnexesIntoAPdf) {
  MuestraAnfitrion();
  host::Suite suite = SuiteConDeudas(40);
  fs::path salida = Ejecuta(suite, "KORVA_IMPORTA_E_IMPRIME");

  std::string rpt = suite.installFolder + "RPT/";
  EXPECT_EQ(ReadBytes(salida / "Mensajes.txt"),
            "La importación ha terminado satisfactoriamente\n" + kSinImpresora + rpt +
                "00000001.pdf\n");
  EXPECT_EQ(testsupport::PdfPageSizes(rpt + "00000001.pdf").size(), 12u);
  std::vector<std::string> palabras = PalabrasDelPdf(rpt);
  std::vector<std::string> buscadas = {"20456712348", "COMERCIAL", "ANDINA", "Totales"};
  std::vector<std::string> totales;
  DeudasImportadas(suite, buscadas, totales);
  ASSERT_EQ(buscadas.size(), 4u + 120u);
  buscadas.insert(buscadas.end(), totales.begin(), totales.end());
  for (const std::string& buscada : buscadas)
    EXPECT_TRUE(std::binary_search(palabras.begin(), palabras.end(), buscada)) << buscada;
}

// The same road on a disk that fills while the report is printed into its PDF:
// the suite's report folder is a file system of its own of 100 KB, mounted for
// korva alone, which holds the spool file of 300 debts (67 KB) but not its PDF
// (70 KB) as well. The person is told the report could not be saved and why,
// never that it was; no PDF is left, and korva ends with exit status 1.
TEST_F(KorvaTest, AReportCutByAFullDiskIsNeitherLeftNorAnnouncedAndKorvaFails) {
  MuestraAnfitrion();
  host::Suite suite = SuiteConDeudas(100);
  std::string rpt = suite.installFolder + "RPT";
  const char* kEnDiscoPequeno =
      "mount -t tmpfs -o size=100k tmpfs \"$1\" || exit 2; echo montado; \"$2\"; estado=$?; "
      "ls -A \"$1\"; exit $estado";
  fs::path salida = carpeta_ / "salida";
  ChildProcess korva({"unshare", "--user", "--map-root-user", "--mount", "sh", "-c", kEnDiscoPequeno, "sh",
                      rpt, KORVA_PATH},
                     Entorno(suite, salida, "KORVA_IMPORTA_E_IMPRIME"));
  if (korva.ReadLine() != "montado") GTEST_SKIP() << "no file system of its own can be mounted here";
  EXPECT_EQ(korva.Wait(std::chrono::seconds(120)), 1);
  EXPECT_EQ(korva.ReadLine(), "00000001.PRN");
  EXPECT_EQ(korva.ReadLine(), "") << "no other file is left";
  EXPECT_EQ(ReadBytes(salida / "Mensajes.txt"),
            "La importación ha terminado satisfactoriamente\n"
            "No hay una impresora instalada. No se pudo guardar el archivo " + rpt +
                "/00000001.pdf: Disco lleno\n");
}

// The program names its help file <SysPath>0942\Korva.hlp; the help window reads
// it as the HTML page installed beside that name or, without one, as the page
// beside the program, where the build puts it. The page holds the topics the
// main window, the page-range dialog and each tab of the request form open.
TEST(AyudaTest, HelpFileTheProgramNamesIsTheInstalledPageOrTheOneBesideTheProgram) {
  TempFolder carpeta;
  fs::create_directories(carpeta / "instalada/0942");
  fs::copy_file(KORVA_HELP_PATH, carpeta / "instalada/0942/Korva.html");
  fs::create_directories(carpeta / "sin ayuda");
  fs::path programa = fs::path(KORVA_PATH).parent_path();
  EXPECT_EQ(formsqt::HelpPageFor(carpeta.Path() + "/instalada/0942\\Korva.hlp", programa),
            carpeta / "instalada/0942/Korva.html");
  EXPECT_EQ(formsqt::HelpPageFor(carpeta.Path() + "/sin ayuda/0942\\Korva.hlp", programa),
            programa / "Korva.html");
  EXPECT_EQ(ReadBytes(programa / "Korva.html"), ReadBytes(KORVA_HELP_PATH));
  std::string pagina = ReadBytes(KORVA_HELP_PATH);
  for (const char* ancla : {"1007", "1014", "1015", "1016", "1017", "1023", "1027", "1028", "1029"})
    EXPECT_NE(pagina.find(std::string("<a name=\"") + ancla + "\""), std::string::npos) << ancla;
}

}  // namespace
}  // namespace korva::prueba
