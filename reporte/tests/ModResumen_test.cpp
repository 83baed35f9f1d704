#include "reporte/ModResumen.h"

#include <filesystem>
#include <functional>

#include "platform/dao/dbengine.h"
#include "platform/vb/app.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"
#include "platform/win/profile.h"
#include "reporte/Globales.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

namespace fs = std::filesystem;

const std::string kReintente = "\nIntente nuevamente por favor.";

// What a failed run shows and leaves: its one message box, the files of the
// report folder and the SPOOL rows. None leaves a file in the temporary folder.
struct Fallo {
  const char* nombre;
  std::function<void(ResumenTest&)> prepara;
  std::string comando;
  std::string texto;
  std::string titulo;
  std::vector<std::string> rpt;
  const char* filasSpool = "0";
};

std::string Tecnico(const std::string& numeroYDescripcion) {
  return "Error tecnico:  " + numeroYDescripcion + kReintente;
}

std::string ConCampo(std::size_t desde, const std::string& campo) {
  return kComando.substr(0, desde - 1) + campo + kComando.substr(desde - 1 + campo.size());
}

const Fallo kFallos[] = {
    {"SinCarpetaDeDatos", [](ResumenTest& t) { t.FijaOpcion("DBPath", ""); }, kComando,
     "\nNo se encontró el archivo 'TESCA.MDB'." + kReintente, "Mensaje", {}},
    {"ContribuyenteDesconocido", nullptr, ConCampo(3, "O'Brien"),
     "No existe data para Generar Reporte de Envio!!!\r\n\n", "Error", {}},
    {"ContribuyenteDeOtroTipoDeDocumento",
     [](ResumenTest& t) { t.Ejecuta("INSERT INTO CONT (tip_doc_d, doc_id_d) VALUES (1, '20100012345')"); },
     ConCampo(3, "20100012345"), "No existe data para Generar Reporte de Envio!!!\r\n\n", "Error", {}},
    {"EntidadFueraDeLasCinco", nullptr, ConCampo(28, "4"), Tecnico("9\nEl subíndice está fuera del intervalo"),
     "Mensaje", {}},
    {"LineaSinEntidad", nullptr, kComando.substr(0, 27),
     Tecnico("3075\nError de sintaxis en la expresión de consulta 'SELECT CASILLA, I_VALOR FROM DET "
             "WHERE DOC_ID_D='20456712348' AND PERIODO='201003' AND FORMULARIO='0942' AND SEMANA =  '."),
     "Mensaje", {}},
    {"CasillaFueraDeLaTabla", [](ResumenTest& t) { t.Declara({{"700", "1"}}); }, kComando,
     Tecnico("9\nEl subíndice está fuera del intervalo"), "Mensaje", {}},
    {"CasillaSinValor", [](ResumenTest& t) { t.Declara({{"0871", "Null"}}); }, kComando,
     Tecnico("94\nUso no válido de Null"), "Mensaje", {}},
    {"SinCarpetaTemporal", [](ResumenTest& t) { fs::remove_all(t.Zep() + "tmp"); }, kComando,
     Tecnico("76\nNo se ha encontrado la ruta de acceso"), "Mensaje", {}},
    {"CopiaImposible", [](ResumenTest& t) { fs::create_directory(t.Zep() + "RPT/" + kRaiz + ".PRN"); },
     kComando, Tecnico("75\nError de acceso a la ruta o al archivo"), "Mensaje",
     {"00000001.PRN", kRaiz + ".PRN"}, "1"},
    {"SeparadorEnElDocumento", nullptr, ConCampo(3, "20456/12348"),
     Tecnico("5\nLlamada a procedimiento o argumento no válido"), "Mensaje", {}},
    {"PuntosEnElPeriodo", nullptr, ConCampo(22, "..1003"),
     Tecnico("5\nLlamada a procedimiento o argumento no válido"), "Mensaje", {}},
    {"ControlEnLaCola", nullptr, ConCampo(29, "0000AB\tD"),
     Tecnico("5\nLlamada a procedimiento o argumento no válido"), "Mensaje", {}},
};

class FalloTest : public ResumenTest, public ::testing::WithParamInterface<Fallo> {
 protected:
  std::vector<std::string> Dejados(const std::string& carpeta) const {
    return fs::exists(vb::ResolvePath(Zep() + carpeta)) ? Archivos(carpeta) : std::vector<std::string>{};
  }
};

TEST_P(FalloTest, FailureShowsItsOneMessageAndLeavesNoTemporaryText) {
  const Fallo& fallo = GetParam();
  if (fallo.prepara) fallo.prepara(*this);
  driver_.Expect({fallo.texto, forms::vbCritical, fallo.titulo});
  Corre(fallo.comando);
  EXPECT_EQ(driver_.MessageBoxes().size(), 1u);
  EXPECT_EQ(Dejados("RPT"), fallo.rpt);
  EXPECT_EQ(Dejados("TMP"), std::vector<std::string>{});
  EXPECT_EQ(Consulta("SELECT count(*) FROM SPOOL"), Filas{{fallo.filasSpool}});
}

INSTANTIATE_TEST_SUITE_P(Fallos, FalloTest, ::testing::ValuesIn(kFallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The host finds both copies under the declaration's name, the registered spool
// file stays and the random-named text file is gone.
TEST_F(ResumenTest, RunLeavesBothCopiesTheRegisteredFileAndNoTemporaryText) {
  Corre();
  EXPECT_EQ(Archivos("RPT"), (std::vector<std::string>{"00000001.PRN", kRaiz + ".PRN"}));
  EXPECT_EQ(Archivos("TMP"), std::vector<std::string>{kRaiz + ".txt"});
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<forms::MessageBoxCall>{});
}

// SystemDB always gets a "\" before TESCA.MDW, so a data folder that ends with
// a separator gives a doubled one there; the engine gets the file with one.
TEST_F(ResumenTest, WorkgroupFileFollowsTheDataFolder) {
  const std::string carpeta = Zep().substr(0, Zep().size() - 1);
  struct Caso {
    std::string dbPath;
    std::string escrito;
    std::string motor;
  };
  const Caso casos[] = {
      {carpeta + "\\", carpeta + "\\\\TESCA.MDW", carpeta + "\\TESCA.MDW"},
      {carpeta + "/", carpeta + "/\\TESCA.MDW", carpeta + "/TESCA.MDW"},
  };
  for (const Caso& c : casos) {
    FijaOpcion("DBPath", c.dbPath);
    LeeConfiguracionResumen();
    AbreBaseResumen();
    EXPECT_EQ(win::GetPrivateProfileString("Options", "SystemDB", "", suite_.settingsPath), c.escrito);
    EXPECT_EQ(dao::Engine().SystemDB(), c.motor);
    gDB->Close();
  }
}

TEST(LeeLineaComando, FieldsStandAtFixedPositionsWithTheirBlanks) {
  struct Caso {
    std::string comando;
    Lineas campos;
    std::string raiz;
  };
  const Caso casos[] = {
      {kComando, {"20456712348    ", "201003", "1", "0000ABCD"}, kRaiz},
      {"  20456712348    ....2010118 A B C  ", {"20456712348    ", "201011", "8", " A B C  "},
       "09422010118 A B C  "},
      {kComando.substr(0, 27), {"20456712348    ", "201003", "", ""}, "0942201003"},
      {"0620456", {"20456", "", "", ""}, "0942"},
  };
  for (const Caso& c : casos) {
    vb::SetCommand(c.comando);
    LeeLineaComando();
    EXPECT_EQ((Lineas{gsRuc, gsPeriodo, gsSemana, gsCola}), c.campos) << c.comando;
    EXPECT_EQ(RaizSalida(), c.raiz) << c.comando;
  }
  vb::SetCommand("");
  ReiniciaGlobales();
}

}  // namespace
}  // namespace tarvel::prueba
