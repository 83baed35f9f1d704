#include "formulario/printing/ImpCabeceras.h"

#include "formulario/core/Globales.h"
#include "formulario/printing/tests/prueba_listados.h"
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
  EXPECT_EQ(Escrito(), CabeceraHorizontal(1));
}

// Without a declaration page the driver leaves the counter at -1: the first
// annex page is the file's page 0 and carries the file's header tags.
TEST_F(CabecerasTest, PortraitPageFirstInTheFileStartsWithTheHeaderTags) {
  giNroHoja = -1;
  int iHoja = 0;
  ImprimeCabeceraVertical(iHoja, 0, "");
  EXPECT_EQ(iHoja, 0);
  EXPECT_EQ(Escrito(), CabeceraVertical(0));
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
    const char* modalidad;
  } casos[] = {
      {"CF", 0, 501, "0", "Fraccionamiento"},
      {"GH", 0, 501, "2", "Aplazamiento con fraccionamiento"},
      {"CF", 100, 529, "1", "Aplazamiento con fraccionamiento"},
      {"GH", 0, 508, "", "Fraccionamiento"},
  };
  for (const Caso& c : casos) {
    for (int casilla : {501, 508, 515, 522, 529}) gsCasillas[casilla] = "";
    gsCasillas[c.casilla] = c.valor;
    giNroHoja = 2;
    int iHoja = 0;
    vb::Close();
    vb::Open(Ruta(), vb::OpenMode::Output, giArchivo);
    ImprimeCabeceraGarantia(iHoja, c.margen, c.codigo);
    EXPECT_EQ(Escrito(), CabeceraGarantia(3, c.codigo, c.modalidad, c.margen))
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
