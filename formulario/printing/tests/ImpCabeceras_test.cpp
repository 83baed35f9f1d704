#include "formulario/printing/ImpCabeceras.h"

#include "formulario/core/Globales.h"
#include "formulario/printing/tests/pagina_declaracion.h"
#include "platform/testsupport/error_of.h"
#include "platform/vb/date.h"

namespace korva::prueba {
namespace {

using testsupport::ErrorOf;

// Pages started by hand for the declarant of the page's lines.
class CabecerasTest : public PruebaSpool {
 protected:
  void SetUp() override {
    PruebaSpool::SetUp();
    gsRuc = "20456712348";
    gsRazonSocial = "COMERCIAL ANDINA DEL SUR S.A.C.";
    gsCasillas[28] = "4567890";
  }
  void TearDown() override {
    vb::SetClock({});
    gsRuc = gsRazonSocial = "";
    PruebaSpool::TearDown();
  }
};

TEST_F(CabecerasTest, LandscapePageAfterTheDeclarationPageIsPageTwo) {
  int iHoja = 7;
  int iMargen = 0;
  ImprimeCabeceraHorizontal(iHoja, iMargen, "");
  EXPECT_EQ(iHoja, 1);
  EXPECT_EQ(iMargen, 140);
  EXPECT_EQ(giNroHoja, 1);
  EXPECT_EQ(giHojaAnexo, 1);
  EXPECT_EQ(Escrito(), (Lineas{"pNuevaHoja",
                               "<!Orientacion!>H<!/Orientacion!>",
                               "pPos|440|350|TELVO|True|16|1|",
                               "pPos|690|1330|0942|True|12|1|",
                               "pCuadro|290|300|1840|1640|1|",
                               "pCuadro|13500|300|16000|1370|1|",
                               "pCuadro|13500|650|16000|1100|1|",
                               "pCuadro|13500|1370|16000|1640|1|",
                               "pPos|4240|400|SOLICITUD Plexo - VANDOR|True|9|1|",
                               "pPos|14140|400|Pag. 2|False|8|1|",
                               "pCuadro|1840|300|13500|1100|1|",
                               "pPos|1990|1170|RUC|False|8|1|",
                               "pPos|4840|1170|20456712348|True|8|1|",
                               "pPos|1990|1450|RAZÓN SOCIAL|False|8|1|",
                               "pPos|4840|1450|COMERCIAL ANDINA DEL SUR S.A.C.|True|8|1|",
                               "pPos|14170|1170|TELEFONO|False|8|1|",
                               "pPos|14170|1440|4567890|False|8|1|",
                               "pCuadro|1840|1100|13500|1370|1|",
                               "pCuadro|1840|1100|4390|1640|1|",
                               "pPos|14140|670|Copia para el|False|8|1|",
                               "pPos|14140|900|Contribuyente|False|8|1|"}));
}

// Without a declaration page the driver leaves the counter at -1: the first
// annex page is the file's page 0 and carries the file's header tags.
TEST_F(CabecerasTest, PortraitPageFirstInTheFileStartsWithTheHeaderTags) {
  giNroHoja = -1;
  int iHoja = 0;
  ImprimeCabeceraVertical(iHoja, 0, "");
  EXPECT_EQ(iHoja, 0);
  Lineas esperadas = kEtiquetasVertical;
  for (const char* linea : {"pPos|400|350|TELVO|True|16|0|",
                            "pPos|600|1330|0942|True|12|0|",
                            "pCuadro|290|300|1700|1640|0|",
                            "pCuadro|8500|300|11000|650|0|",
                            "pPos|2240|400|SOLICITUD Plexo - VANDOR|True|9|0|",
                            "pPos|9000|400|Pag. 1|False|8|0|",
                            "pPos|4680|670|VANDOR|True|9|0|",
                            "pCuadro|1700|300|8500|1100|0|",
                            "pPos|1750|1170|RUC|False|8|0|",
                            "pPos|3850|1170|20456712348|True|8|0|",
                            "pCuadro|8500|1100|11000|1370|0|",
                            "pPos|9030|1170|TELEFONO|False|8|0|",
                            "pPos|9030|1440|4567890|False|8|0|",
                            "pCuadro|1700|1100|3800|1370|0|",
                            "pCuadro|1700|1370|3800|1640|0|",
                            "pPos|1750|1450|Apellidos y nombres|False|8|0|",
                            "pPos|3850|1450|COMERCIAL ANDINA DEL SUR S.A.C.|True|8|0|",
                            "pCuadro|3800|1370|8500|1640|0|",
                            "pPos|9000|670|Copia para el|False|8|0|",
                            "pPos|9000|900|Contribuyente|False|8|0|",
                            "pCuadro|8500|300|11000|1100|0|",
                            "pCuadro|8500|1100|11000|1640|0|"})
    esperadas.push_back(linea);
  EXPECT_EQ(Escrito(), esperadas);
}

// The guarantee report's block: its title by code, today's date spelt out, the
// declarant and the payment mode the five payment-form boxes give.
TEST_F(CabecerasTest, GuaranteeBlockNamesTheReportTheDateAndThePaymentMode) {
  vb::SetClock([] { return vb::DateSerial(2026, 6, 3); });
  gsCasillas[541] = "15/04/2010";
  struct Caso {
    const char* codigo;
    int margen;
    int casilla;
    const char* valor;
    const char* titulo;
    const char* modalidad;
  } casos[] = {
      {"CF", 0, 501, "0", "pPos|2240|400|REPORTE DE REQUERIMIENTO DE CARTA FIANZA|True|9|3|",
       "Fraccionamiento"},
      {"GH", 0, 501, "2", "pPos|2240|400|REPORTE DE REQUERIMIENTO DE HIPOTECA|True|9|3|",
       "Aplazamiento con fraccionamiento"},
      {"CF", 100, 529, "1", "pPos|2340|400|REPORTE DE REQUERIMIENTO DE CARTA FIANZA|True|9|3|",
       "Aplazamiento con fraccionamiento"},
      {"GH", 0, 508, "", "pPos|2240|400|REPORTE DE REQUERIMIENTO DE HIPOTECA|True|9|3|",
       "Fraccionamiento"},
  };
  for (const Caso& c : casos) {
    for (int casilla : {501, 508, 515, 522, 529}) gsCasillas[casilla] = "";
    gsCasillas[c.casilla] = c.valor;
    giNroHoja = 2;
    int iHoja = 0;
    vb::Close();
    vb::Open(Ruta(), vb::OpenMode::Output, giArchivo);
    ImprimeCabeceraGarantia(iHoja, c.margen, c.codigo);
    std::string modalidad = c.modalidad;
    EXPECT_EQ(Escrito(),
              (Lineas{"pNuevaHoja", "<!Orientacion!>V<!/Orientacion!>", c.titulo,
                      "pPos|300|670|    , 3 de Junio de 2026|False|9|3|",
                      "pPos|300|940|RUC N.° 20456712348|False|9|3|",
                      "pPos|300|1210|Razón social: COMERCIAL ANDINA DEL SUR S.A.C.|False|9|3|",
                      "pPos|300|1480|Solicitud de acogimiento al " + modalidad + "|False|9|3|",
                      "pPos|300|1750|Fecha de presentación de la solicitud 15/04/2010|False|9|3|",
                      "pPos|300|2020|Detalle de la deuda por la que solicita el acogimiento al " +
                          modalidad + "|False|9|3|"}))
        << c.codigo << " " << c.casilla << "=" << c.valor;
  }
}

TEST(NombreMesTest, MonthsByNumberAndNothingOutsideTheYear) {
  struct Caso {
    int mes;
    const char* nombre;
  } casos[] = {{0, ""}, {1, "Enero"}, {6, "Junio"}, {9, "Setiembre"}, {12, "Diciembre"}, {13, ""}};
  for (const Caso& c : casos) EXPECT_EQ(NombreMes(c.mes), c.nombre) << c.mes;
}

TEST_F(CabecerasTest, PageCounterAtItsLastValueCannotStartAPage) {
  giNroHoja = 32767;
  int iHoja = 0;
  EXPECT_EQ(ErrorOf([&] { ImprimeCabeceraVertical(iHoja, 0, ""); }), 6);
  EXPECT_EQ(giNroHoja, 32767);
  EXPECT_EQ(Escrito(), Lineas{});
}

}  // namespace
}  // namespace korva::prueba
