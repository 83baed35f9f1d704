#include "formulario/core/ModGen00.h"

#include <sys/file.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "formulario/core/tests/entorno_prueba.h"
#include "platform/vb/strings.h"
#include "platform/win/file_lock.h"
#include "platform/win/profile.h"

namespace korva::prueba {
namespace {

using forms::MessageBoxCall;
using forms::vbCritical;

const std::string kCierreRegional =
    "Ingrese a la opción :Configuración/Panel de control/Configuración Regional y verificar las "
    "secciones Número, Moneda, Hora y Fecha.\nEsto es necesario para el correcto funcionamiento "
    "del Orvane. ";

class ModGen00Test : public PruebaConSuite {};

TEST_F(ModGen00Test, RegionalCheckListsOneLinePerMismatch) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> intl;
    std::string lineas;  // "" when every item passes
  } cases[] = {
      {{}, ""},
      {{{"sDate", "\" /\""}}, ""},
      {{{"iDigits", "2 decimales"}}, ""},
      {{{"sDate", "-"}, {"sShortDate", "dd-MM-yyyy"}},
       "- Debe configurar como separador de Fechas : ( / ) \n"
       "- Debe configurar como formato de fecha corta : ( dd/MM/aaaa ) \n"},
      {{{"sDecimal", ".,"}}, "- Debe configurar como símbolo decimal para Número : ( . ) \n"},
      {{{"sShortDate", "d/M/yy"}, {"sTimeFormat", "HH:mm:ss"}},
       "- Debe configurar como formato de fecha corta : ( dd/MM/aaaa ) \n"
       "- Debe configurar como formato de Hora : ( hh:mm:ss tt) \n"},
      {{{"sThousand", "."}, {"iNegNumber", "0"}, {"iLZero", "0"}},
       "- Debe configurar como separador de miles para Número : ( , ) \n"
       "- Debe configurar como Formato de Número Negativo : ( -1,1 ) \n"
       "- Debe configurar Mostrar Ceros a la Izquierda : ( 0,7 ) \n"},
      {{{"sMonDecimalSep", ","},
        {"sMonThousandSep", "."},
        {"iCurrDigits", "0"},
        {"iCurrency", "2"},
        {"iNegCurr", "1"},
        {"sNegativeSign", "~"},
        {"sTime", "."},
        {"iDigits", "3"}},
       "- Debe configurar como separador de Hora : ( : ) \n"
       "- Debe configurar como número de Decimales para Número : ( 2 ) \n"
       "- Debe configurar como Símbolo negativo : ( - ) \n"
       "- Debe configurar como separador de decimales para moneda : ( . ) \n"
       "- Debe configurar como separador de miles para moneda : ( , ) \n"
       "- Debe configurar como número de Decimales para Moneda : ( 2 ) \n"
       "- Debe configurar que Símbolo Monetario vaya antes del número : ( $1.1  ) \n"
       "- Debe configurar como Formato de Moneda Negativo : ( *-1,1 ) \n"},
  };
  std::string winIni = suite_.windowsFolder + "/win.ini";
  std::string original = ReadBytes(winIni);
  for (const auto& c : cases) {
    std::ofstream(winIni, std::ios::binary) << original;
    for (const auto& [clave, valor] : c.intl) EscribeRegional(clave, valor);
    if (!c.lineas.empty())
      driver_.Expect(
          MessageBoxCall{c.lineas + kCierreRegional, vbCritical, "Error de configuración"});
    EXPECT_EQ(VerificaConfiguracionRegional(), c.lineas.empty()) << c.lineas;
  }
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

TEST_F(ModGen00Test, RegionalItemThatCannotBeReadDropsTheLinesCollected) {
  EscribeRegional("sDate", "-");
  EscribeRegional("sShortDate", std::string(120, 'd'));
  driver_.Expect(MessageBoxCall{"Error al leer la configuración del sistema", vbCritical, "Error"});
  EXPECT_FALSE(VerificaConfiguracionRegional());
}

TEST_F(ModGen00Test, SettingsFileFillsTheSettingsAndOpensTheDatabase) {
  std::string instalacion = suite_.installFolder;
  EXPECT_EQ(gsSysPath, instalacion);
  EXPECT_EQ(gsRutaRPT, instalacion + "RPT\\");
  EXPECT_EQ(gsRutaBase, instalacion + "TESCA.MDB");
  EXPECT_EQ(gsSysUser, "USUARIO");
  EXPECT_EQ(vb::App::HelpFile(), instalacion + "0942\\Korva.hlp");
  EXPECT_EQ(std::filesystem::current_path().string() + "/", instalacion);
  ASSERT_TRUE(gDB && gDB->IsOpen());
  EXPECT_EQ(dao::Engine().SystemDB(), instalacion + "TESCA.MDW");
  EXPECT_EQ(Cuenta("CLAVES"), 1);
}

TEST_F(ModGen00Test, SettingsValuesAreTrimmed) {
  gDB->Close();
  ASSERT_TRUE(win::WritePrivateProfileString("Options", "SysUser", "\"  ANA  \"", "TESCA.INI"));
  ASSERT_TRUE(win::WritePrivateProfileString("Options", "DBName", "\" TESCA.MDB \"", "TESCA.INI"));
  LeeConfiguracion();
  EXPECT_EQ(gsSysUser, "ANA");
  EXPECT_EQ(gsRutaBase, suite_.installFolder + "TESCA.MDB");
  EXPECT_TRUE(gDB->IsOpen());
}

TEST_F(ModGen00Test, DatabaseFolderWithoutItsSeparatorEndsTheProgram) {
  gDB->Close();
  std::string carpeta = vb::Left(suite_.installFolder, vb::Len(suite_.installFolder) - 1);
  ASSERT_TRUE(win::WritePrivateProfileString("Options", "DBPath", carpeta, "TESCA.INI"));
  driver_.Expect(MessageBoxCall{"No se encontró el archivo '" + carpeta + "TESCA.MDB'.\n3024",
                                forms::vbOKOnly, "Error de Conección"});
  EXPECT_THROW(LeeConfiguracion(), vb::ProgramEnded);
  EXPECT_EQ(gsRutaBase, carpeta + "TESCA.MDB");
}

TEST_F(ModGen00Test, MissingSettingsFileEndsTheProgramWithTheConnectionMessage) {
  gDB->Close();
  std::filesystem::remove(suite_.settingsPath);
  driver_.Answer(forms::vbOK);
  EXPECT_THROW(LeeConfiguracion(), vb::ProgramEnded);
  EXPECT_EQ(gsSysPath, "");
  EXPECT_EQ(gsRutaBase, "");
  ASSERT_EQ(driver_.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver_.MessageBoxes()[0].title, "Error de Conección");
}

TEST_F(ModGen00Test, LockedDatabaseIsReportedByNumber) {
  gDB->Close();
  dao::DatabasePtr exclusiva = dao::Engine().OpenDatabase(suite_.databasePath, true);
  driver_.Expect(MessageBoxCall{"3051- Base esta bloqueda", forms::vbOKOnly, "Error de Conección"});
  EXPECT_THROW(AbreBaseDatos(), vb::ProgramEnded);
  exclusiva->Close();
}

// The program does not start beside an installation (which holds the suite's
// lock alone while it drops and re-creates the working tables), beside another
// copy of itself on the suite (whatever account or runtime folder started it),
// without its lock (a symbolic link in the lock file's place, a lock the
// system does not grant, each told apart with what to do) or on a module
// whose tables an installation left incomplete. (This test program holds its
// locks on its own suite: each case works on a copy.)
TEST_F(ModGen00Test, ProgramEndsWhereItCannotWorkProtectedOnWholeTables) {
  gDB->Close();
  struct Caso {
    const char* camino;
    std::function<void(const std::string& base)> prepara;
    MessageBoxCall mensaje;
  };
  std::unique_ptr<win::FileLock> otro;
  auto retiene = [&](const char* extension, win::FileLock::Mode modo) {
    return [&otro, extension, modo](const std::string& base) {
      otro = win::FileLock::Beside(base, modo, extension);
    };
  };
  const Caso casos[] = {
      {"instalación en curso", retiene(".lck", win::FileLock::Mode::Exclusive),
       {"Se está instalando el módulo 0942. Vuelva a ejecutarlo cuando termine la instalación.",
        forms::vbInformation, " Plexo"}},
      {"otra copia del programa", retiene(".korva.lck", win::FileLock::Mode::Exclusive),
       {"La Aplicación ya se encuentra en ejecución", forms::vbInformation, " Plexo"}},
      {"archivo de bloqueo enlazado",
       [this](const std::string& base) {
         std::filesystem::create_symlink(carpeta_ / "otro.lck", base + ".korva.lck");
       },
       {"No se puede abrir el archivo de bloqueo de la base de datos:\n" + (carpeta_ / "3.MDB.korva.lck") +
            "\nEn su lugar hay un enlace simbólico, que no se sigue: elimínelo y el archivo de bloqueo se "
            "creará de nuevo.\nEl módulo 0942 no puede trabajar sin él.",
        forms::vbOKOnly, "Archivo de bloqueo"}},
      {"bloqueo que el sistema no concede",
       [](const std::string&) { win::detail::gFlock = [](int, int) { return errno = ENOLCK, -1; }; },
       {"El sistema no concede el bloqueo de la base de datos en su archivo de bloqueo:\n" +
            (carpeta_ / "4.MDB.lck") +
            "\nNo quedan bloqueos disponibles. En una carpeta de red, el servidor debe admitir bloqueos de "
            "archivos y esta cuenta debe poder escribir en el archivo de bloqueo.\nEl módulo 0942 no puede "
            "trabajar sin él.",
        forms::vbOKOnly, "Archivo de bloqueo"}},
      {"tablas incompletas",
       [](const std::string& base) {
         dao::DatabasePtr db = dao::Engine().OpenDatabase(base);
         db->Execute("DROP TABLE TMP_F0942SUSTEN");
         db->Close();
       },
       {"Las tablas del módulo 0942 están incompletas: no se encuentra la tabla TMP_F0942SUSTEN.\n"
        "Ejecute nuevamente la instalación del módulo.",
        forms::vbCritical, "Error de Conección"}},
  };
  int n = 0;
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.camino);
    gsRutaBase = carpeta_ / (std::to_string(++n) + ".MDB");
    std::filesystem::copy_file(suite_.databasePath, gsRutaBase);
    c.prepara(gsRutaBase);
    driver_.Expect(c.mensaje);
    EXPECT_THROW(AbreBaseDatos(), vb::ProgramEnded);
    win::detail::gFlock = flock;
    EXPECT_FALSE(std::filesystem::exists(carpeta_ / "otro.lck"));
    gDB->Close();
    otro.reset();
  }
}

TEST_F(ModGen00Test, ExecutorReportsAFailedStatementOnceAndCarriesOn) {
  EjecutaSQL("INSERT INTO CLAVES (Usuario, Tipo) VALUES ('ANA', '1')");
  driver_.Expect(MessageBoxCall{"Error Número : 3022\n" + dao::EngineErrorText(3022, "CLAVES"),
                                vbCritical, "Error al Ejecutar Sentencia SQL"});
  EjecutaSQL("INSERT INTO CLAVES (Usuario, Tipo) VALUES ('ANA', '0')");
  EXPECT_EQ(Consulta("SELECT Tipo FROM CLAVES WHERE Usuario = 'ANA'"),
            (std::vector<std::vector<std::string>>{{"1"}}));
  EXPECT_EQ(driver_.MessageBoxes().size(), 1u);
}

TEST_F(ModGen00Test, ParameterSliceComesFromTheMatchingRow) {
  std::string argumento = "030701";
  EXPECT_EQ(LeeParametro("725", argumento, 30, 1), "RENTA PERS. NATURAL - PRIMERA ");
  EXPECT_EQ(gsSQL,
            " Select Argumento,mid(Funcion,1,30) as Func From Param  Where Numero = '725' and "
            "Argumento ='030701'");
  EXPECT_EQ(argumento, "030701");
  std::string entidad = "3";
  EXPECT_EQ(LeeParametro("727", entidad, 10, 1), "ONP       ");
  std::string ausente = "999999";
  EXPECT_EQ(LeeParametro("725", ausente, 30, 1), "");
}

TEST_F(ModGen00Test, DocumentTypeParameterComparesThreeCharactersAndCutsTheArgument) {
  std::string argumento = "10200";
  EXPECT_EQ(LeeParametro("726", argumento, 20, 1), "RESOLUCION DE MULTA ");
  EXPECT_EQ(argumento, "102");
  EXPECT_EQ(gsSQL,
            " Select Argumento,mid(Funcion,1,20) as Func From Param  Where Numero = '726' and "
            "Left(Argumento,3) ='102'");
}

TEST_F(ModGen00Test, ParameterArgumentWithAnApostropheIsQuotedSafely) {
  EjecutaSQL("INSERT INTO PARAM VALUES ('725', 'O''X', 'COMILLA', '000')");
  std::string argumento = "O'X";
  EXPECT_EQ(LeeParametro("725", argumento, 7, 1), "COMILLA");
  EXPECT_EQ(gsSQL,
            " Select Argumento,mid(Funcion,1,7) as Func From Param  Where Numero = '725' and "
            "Argumento ='O''X'");
}

TEST_F(ModGen00Test, ParameterByTaxMatchesPrefixAndTaxCode) {
  EXPECT_EQ(LeeParametroPorTributo("728", "030701", 4, 8, "0660"), "2005");
  EXPECT_EQ(gsSQL,
            " Select Argumento,mid(Funcion,8,4) as Func From Param  Where Numero = '728' and "
            "Mid(Argumento,1,4) ='0660' and mid(Funcion,1,6) = '030701'");
  EXPECT_EQ(LeeParametroPorTributo("728", "030701", 4, 8, "0119"), "");
}

TEST_F(ModGen00Test, ParameterComboListsArgumentsWithTheirSlices) {
  forms::Form form("FrmImportar");
  forms::ComboBox combo{form, "cboEntidad"};
  combo.AddItem("antes");
  CargaComboParametro(combo, "727", "*", 20, 1, 0);
  EXPECT_EQ(gsSQL,
            " SELECT Argumento, mid(Funcion,1,20) as Func  FROM Param  WHERE Numero = '727'  AND   "
            "Argumento Like '*'  ORDER BY 1");
  std::vector<std::string> items;
  for (int i = 0; i < combo.ListCount(); ++i) items.push_back(combo.List(i));
  EXPECT_EQ(items,
            (std::vector<std::string>{
                "antes", "1                TESORO              ",
                "2                ESSALUD             ", "3                ONP                 ",
                "5                FONAVI              ", "8                FONCOMUN            "}));
}

TEST_F(ModGen00Test, ParameterComboFiltersByFlagAndLeavesBlankSlicesOut) {
  EjecutaSQL("INSERT INTO PARAM VALUES ('999', 'A1', '1X', '000')");
  EjecutaSQL("INSERT INTO PARAM VALUES ('999', 'A2', '0Y', '000')");
  EjecutaSQL("INSERT INTO PARAM VALUES ('999', 'A3', '1" + std::string(15, ' ') + "Z', '000')");
  EjecutaSQL("INSERT INTO PARAM VALUES ('999', 'A4', '1" + std::string(14, ' ') + "Z', '000')");
  EjecutaSQL("INSERT INTO PARAM VALUES ('999', 'B1', '1W', '000')");
  forms::Form form("FrmCombo");
  forms::ComboBox combo{form, "cbo"};
  CargaComboParametro(combo, "999", "A*", 20, 2, 1);
  EXPECT_EQ(gsSQL,
            " SELECT Argumento, mid(Funcion,2,20) as Func  FROM Param  WHERE Numero = '999'  AND   "
            "Argumento Like 'A*'  AND   val(Mid(Funcion, 1,1)) = 1  ORDER BY 1");
  const std::string columna(15, ' ');
  std::vector<std::string> items;
  for (int i = 0; i < combo.ListCount(); ++i) items.push_back(combo.List(i));
  EXPECT_EQ(items, (std::vector<std::string>{"A1" + columna + "X", "A3" + columna,
                                             "A4" + columna + std::string(14, ' ') + "Z"}));
}

TEST_F(ModGen00Test, UserTypeComesFromClavesAndDefaultsToOwnDeclarants) {
  EXPECT_EQ(LeeTipoUsuario(), "1");
  EXPECT_EQ(gsSQL, "SELECT * FROM CLAVES WHERE Usuario='USUARIO'");
  EjecutaSQL("INSERT INTO CLAVES VALUES ('D''ANGELO', '0')");
  gsSysUser = "D'ANGELO";
  EXPECT_EQ(LeeTipoUsuario(), "0");
  EXPECT_EQ(gsSQL, "SELECT * FROM CLAVES WHERE Usuario='D''ANGELO'");
  gsSysUser = "NADIE";
  EXPECT_EQ(LeeTipoUsuario(), "1");
}

TEST(TextosDeColumna, CompletaTextoTrimsAndFillsUpToTheWidth) {
  struct Case {
    const char* texto;
    int ancho;
    const char* relleno;
    const char* esperado;
  } cases[] = {
      {"  AB  ", 5, ".", "AB..."}, {"ABCDEF", 5, ".", "ABCDEF"}, {"AB", 2, ".", "AB"},
      {"ñ", 3, "-", "ñ--"},        {"", 3, "ab", "ababab"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompletaTexto(c.texto, c.ancho, c.relleno), c.esperado) << c.texto;
  EXPECT_EQ(vb::Len(CompletaTexto("", 300, ".")), 255);
}

TEST(TextosDeColumna, AlineaDerechaPutsBlanksInFront) {
  struct Case {
    const char* texto;
    int ancho;
    const char* esperado;
  } cases[] = {
      {"12", 5, "   12"}, {"12345", 5, "12345"}, {"123456", 5, "123456"},
      {" 1 ", 4, "  1 "}, {"", 2, "  "},
  };
  for (const auto& c : cases) EXPECT_EQ(AlineaDerecha(c.texto, c.ancho), c.esperado) << c.texto;
  EXPECT_EQ(vb::Len(AlineaDerecha("x", 500)), 201);
}

TEST(Archivos, ExisteArchivoAnswersForFilesOnly) {
  TempFolder carpeta;
  std::ofstream(carpeta / "Consultas.txt") << "x";
  std::filesystem::create_directory(carpeta / "RPT");
  EXPECT_TRUE(ExisteArchivo(carpeta / "Consultas.txt"));
  EXPECT_TRUE(ExisteArchivo(carpeta / "CONSULTAS.TXT"));
  EXPECT_FALSE(ExisteArchivo(carpeta / "otro.txt"));
  EXPECT_FALSE(ExisteArchivo(carpeta / "RPT"));
  EXPECT_FALSE(ExisteArchivo(carpeta / "no/existe.txt"));
}

TEST(Ventanas, CentraFormularioPlacesTheWindowInsideTheMainWindow) {
  forms::Form principal("MDIFrm");
  principal.Move(-50, -50, 9720, 7320);
  forms::Form ventana("FrmConsultas");
  ventana.Move(0, 0, 4801, 3601);
  FijaVentanaPrincipal(&principal);
  CentraFormulario(ventana);
  EXPECT_EQ(ventana.Left(), 2459);
  EXPECT_EQ(ventana.Top(), 1860);
  ventana.Move(0, 0, 10001, 8000);
  CentraFormulario(ventana);
  EXPECT_EQ(ventana.Left(), -141);
  EXPECT_EQ(ventana.Top(), -340);
  FijaVentanaPrincipal(nullptr);
  ventana.Move(7, 8, 100, 100);
  CentraFormulario(ventana);
  EXPECT_EQ(ventana.Left(), 7);
  EXPECT_EQ(ventana.Top(), 8);
}

class FrmEntrada : public forms::Form {
 public:
  FrmEntrada() : Form("FrmEntrada") {
    txtUno.SetTabIndex(0);
    txtDos.SetTabIndex(1);
  }
  forms::TextBox txtUno{*this, "txtUno"};
  forms::TextBox txtDos{*this, "txtDos"};
};

TEST(Ventanas, EnviaTabMovesTheFocusToTheNextField) {
  forms::TestDriver driver;
  FrmEntrada frm;
  frm.Show();
  ASSERT_TRUE(driver.Focus(frm.txtUno));
  EnviaTab("ENTER");
  forms::DoEvents();
  EXPECT_EQ(frm.ActiveControl(), &frm.txtUno);
  EnviaTab("TAB");
  EXPECT_EQ(frm.ActiveControl(), &frm.txtUno);
  forms::DoEvents();
  EXPECT_EQ(frm.ActiveControl(), &frm.txtDos);
}

}  // namespace
}  // namespace korva::prueba
