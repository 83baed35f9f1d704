#include "reporte/ResumenSpool.h"

#include "platform/vb/encoding.h"
#include "reporte/Globales.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

std::string PPos(int y, const std::string& texto) {
  return "pPos|10|" + std::to_string(y) + "|" + texto + "|False|8|0|";
}

// Its tags with one empty line among them, four empty lines, date and time,
// the title, then the text summary's lines indented by 26 blanks.
Lineas Esperadas(const Lineas& cuerpo) {
  Lineas lineas = {"<!font!>Courier New<!/font!>",
                   "<!nHojas!>1<!/nHojas!>",
                   PPos(175, ""),
                   "<!Orientacion!>V<!/Orientacion!>",
                   "<!Color!>&H80000005&<!/Color!>",
                   PPos(350, ""),
                   PPos(525, ""),
                   PPos(700, ""),
                   PPos(875, ""),
                   PPos(1050, std::string(10, ' ') + "15/03/2010" + std::string(56, ' ') + "Pag. 01/01"),
                   PPos(1225, std::string(10, ' ') + "10:20:30"),
                   PPos(1400, ""),
                   PPos(1575, std::string(32, ' ') + "Resumen de Envío - ZEP 0942"),
                   PPos(1750, ""),
                   PPos(1925, "")};
  Lineas texto = Encabezado();
  texto.push_back("");
  texto.insert(texto.end(), cuerpo.begin(), cuerpo.end());
  int y = 2100;
  for (const std::string& linea : texto) {
    lineas.push_back(PPos(y, linea.empty() ? "" : std::string(26, ' ') + linea));
    y += 175;
  }
  return lineas;
}

class ResumenSpoolTest : public ResumenTest, public ::testing::WithParamInterface<Declaracion> {};

// The registered file and the host's copy, byte for byte: 31 lines, also for a
// declaration without boxes.
TEST_P(ResumenSpoolTest, SpoolSummaryOfAStoredDeclarationIsItsLayout) {
  Declara(GetParam().casillas);
  Corre();
  std::string esperado = Cp1252(Esperadas(GetParam().cuerpo));
  EXPECT_EQ(Bytes("RPT/00000001.PRN"), esperado);
  EXPECT_EQ(Bytes("RPT/" + kRaiz + ".PRN"), esperado);
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<forms::MessageBoxCall>{});
}

INSTANTIATE_TEST_SUITE_P(Declaraciones, ResumenSpoolTest, ::testing::ValuesIn(Declaraciones()),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The summary takes the next file number of every report and the next sequence
// of its own code; a blank user in the settings is written "ADMINIST".
TEST_F(ResumenTest, SummaryIsRegisteredUnderTheNextNumbersOfSpool) {
  struct Caso {
    std::vector<std::string> previas;
    std::string usuario;
    Filas fila;
  };
  const Caso casos[] = {
      {{}, "USUARIO", {{"F36004", "000001", "00000001.PRN", "USUARIO", "6", "20456712348"}}},
      {{"'F36004', '000007', '00000039.PRN'", "'F94201', '000012', '00000041.PRN'"},
       " ",
       {{"F36004", "000008", "00000042.PRN", "ADMINIST", "6", "20456712348"}}},
  };
  for (const Caso& c : casos) {
    Ejecuta("DELETE FROM SPOOL");
    for (const std::string& previa : c.previas)
      Ejecuta("INSERT INTO SPOOL (CodRep, Secuencia, Archivo) VALUES (" + previa + ")");
    FijaOpcion("SysUser", c.usuario);
    Corre();
    EXPECT_EQ(Consulta("SELECT CodRep, Secuencia, Archivo, Usuario, tip_doc_d, doc_id_d FROM SPOOL "
                       "WHERE Fecha = #03/15/2010 10:20:30#"),
              c.fila);
    gDB->Close();
    ReiniciaGlobales();
  }
}

// The spool format has no escape: a "|" or a line break in the taxpayer's name
// would split its line.
TEST_F(ResumenTest, NameKeepsItsSpoolLineWhole) {
  Ejecuta("UPDATE CONT SET nombre = 'ROJAS|VEGA\r\nS.A.'");
  Corre();
  std::string linea = PPos(2275, std::string(26, ' ') + "RAZON SOCIAL  :ROJAS¦VEGA  S.A.");
  std::string archivo = vb::FromCp1252(Bytes("RPT/00000001.PRN"));
  EXPECT_NE(archivo.find("\r\n" + linea + "\r\n"), std::string::npos) << archivo;
}

}  // namespace
}  // namespace tarvel::prueba
