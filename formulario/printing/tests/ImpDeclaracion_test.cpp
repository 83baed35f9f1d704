#include "formulario/printing/ImpDeclaracion.h"

#include <algorithm>

#include "formulario/printing/ImpCabeceras.h"
#include "formulario/printing/tests/prueba_impresion.h"
#include "formulario/spool/tests/prueba_spool.h"

namespace korva::prueba {
namespace {

// The declaration of COMERCIAL ANDINA DEL SUR (entity 1) with a letter of
// guarantee and a mortgage, as the print dialog leaves it for the driver; its
// page is compared line by line through the dialog (frmImprimir_test.cpp).
class DriverTest : public PruebaImpresion {
 protected:
  void SetUp() override {
    PruebaImpresion::SetUp();
    gsRuc = kRucAndina;
    gsRazonSocial = kNombreAndina;
    gnSemana = 1;
    gsPeriodo = "201003";
    for (const auto& [casilla, valor] :
         std::vector<std::pair<int, std::string>>{{28, "4567890"},
                                                  {500, "12345.6"},
                                                  {501, "0"},
                                                  {502, "0"},
                                                  {503, "12"},
                                                  {504, "1028.5"},
                                                  {505, "030701"},
                                                  {506, "1"},
                                                  {535, "2469.49"},
                                                  {551, "110"},
                                                  {541, "15/04/2010"}})
      gsCasillas[static_cast<std::size_t>(casilla)] = valor;
    gsDesFormaPago = "Fraccionamiento";
    gsArchivoReporte = CarpetaRPT() + "00000001.PRN";
    gsSalida = "ARCHIVO";
    giCopias = 1;
    giAnchoReporte = 104;
  }
  void TearDown() override {
    FijaEscritoresAnexos({}, {});
    PruebaImpresion::TearDown();
  }

  Lineas Imprime(const SeleccionImpresion& seleccion) {
    ImprimeDeclaracion(seleccion);
    return LeeSpool(gsArchivoReporte);
  }

  // Stand-ins for the annex listings and guarantee reports: each call is noted
  // and starts `hojas` portrait pages, as a listing of that length would.
  void Sustitutos(int hojas = 1) {
    auto escritor = [this, hojas](const std::string& sTabla, const std::string& sTitulo,
                                  const std::string& sCodigo, bool bAcogido) {
      llamadas_.push_back(sTabla + "|" + sTitulo + "|" + sCodigo + "|" +
                          (bAcogido ? "True" : "False"));
      for (int i = 0; i < hojas; ++i) {
        int iHoja = 0;
        ImprimeCabeceraVertical(iHoja, 0, "");
      }
    };
    FijaEscritoresAnexos(escritor, escritor);
  }

  static SeleccionImpresion Anexos(std::initializer_list<int> casillas, bool bDeclaracion = false) {
    SeleccionImpresion seleccion;
    seleccion.bDeclaracion = bDeclaracion;
    for (int i : casillas) seleccion.bAnexos[static_cast<std::size_t>(i)] = true;
    return seleccion;
  }

  Lineas llamadas_;
};

// What is written after the declaration page, by the boxes ticked and the kinds
// of guarantee the declaration's guarantee-type box flags.
TEST_F(DriverTest, AnnexesFollowTheirFixedOrderAndGuaranteeReportsOnlyForFlaggedKinds) {
  const Lineas kListados = {"F0942DEUDAS|VALORES - ACOGIDOS|DN|True",
                            "F0942DEUDAS|VALORES - NO ACOGIDOS|DN|False",
                            "F0942DEUDAS|DEUDAS AUTOLIQUIDADAS - DD.JJ|DJ|False",
                            "F0942DEUDAS|DEUDAS AUTOLIQUIDADAS - INFRACCIONES|INF|False",
                            "F0942DEUDAS|OTRAS DEUDAS - VALORES|ODV|False",
                            "F0942DEUDAS|OTRAS DEUDAS - DD.JJ.|ODDJ|False",
                            "F0942DEUDAS|OTRAS DEUDAS - INFRACCIONES|ODINF|False",
                            "F0942DEUDAS|DEUDAS  - NO ACOGIBLES|DN_NA|False"};
  const std::string kCarta = "F0942DEUDAS|CARTA FIANZA|CF|True";
  const std::string kHipoteca = "F0942DEUDAS|HIPOTECA|GH|True";
  struct Caso {
    const char* tipoGarantia;
    Lineas garantias;
  } casos[] = {{"110", {kCarta, kHipoteca}}, {"010", {kHipoteca}}, {"100", {kCarta}}, {"", {}}};
  Sustitutos();
  for (const Caso& c : casos) {
    gsCasillas[551] = c.tipoGarantia;
    llamadas_.clear();
    Lineas lineas = Imprime(Anexos({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, true));
    Lineas esperadas = kListados;
    esperadas.insert(esperadas.end(), c.garantias.begin(), c.garantias.end());
    EXPECT_EQ(llamadas_, esperadas) << c.tipoGarantia;
    EXPECT_EQ(lineas.back(), "<!nHojas!>" + std::to_string(esperadas.size() + 1) + "<!/nHojas!>");
  }
}

TEST_F(DriverTest, TrailerCountsThePagesWritten) {
  Sustitutos(2);
  gsCasillas[551] = "010";
  struct Caso {
    SeleccionImpresion seleccion;
    const char* trailer;
  } casos[] = {
      {Anexos({8}), "<!nHojas!>0<!/nHojas!>"},
      {Anexos({0}), "<!nHojas!>2<!/nHojas!>"},
      {Anexos({0, 9}), "<!nHojas!>4<!/nHojas!>"},
      {Anexos({0}, true), "<!nHojas!>3<!/nHojas!>"},
  };
  for (const Caso& c : casos) EXPECT_EQ(Imprime(c.seleccion).back(), c.trailer);
}

// Eighty listing pages after the declaration page: each starts with one page
// break and is numbered in turn; no blank sheet comes between them.
TEST_F(DriverTest, LongReportBreaksOnlyWhereItsPagesStart) {
  Sustitutos(80);
  Lineas lineas = Imprime(Anexos({0}, true));
  EXPECT_EQ(std::count(lineas.begin(), lineas.end(), "pNuevaHoja"), 80);
  Lineas paginas;
  for (const std::string& linea : lineas)
    if (linea.starts_with("pPos|9000|400|Pag. ")) paginas.push_back(linea);
  ASSERT_EQ(paginas.size(), 80u);
  EXPECT_EQ(paginas[78], "pPos|9000|400|Pag. 80|False|8|79|");
  EXPECT_EQ(paginas[79], "pPos|9000|400|Pag. 81|False|8|80|");
  EXPECT_EQ(lineas.back(), "<!nHojas!>81<!/nHojas!>");
}

// Without the listings linked in, a ticked annex ends the report with 438.
TEST_F(DriverTest, ErrorsEndTheReportWithItsFileClosed) {
  FijaEscritoresAnexos({}, {});
  struct Caso {
    std::uint8_t semana;
    SeleccionImpresion seleccion;
    int error;
  } casos[] = {{4, Anexos({}, true), 9}, {1, Anexos({0}), 438}};
  for (const Caso& c : casos) {
    gnSemana = c.semana;
    EXPECT_EQ(ErrorOf([&] { ImprimeDeclaracion(c.seleccion); }), c.error);
    EXPECT_EQ(vb::FreeFile(), 1) << c.error;
  }
  gsCasillas[551] = "100";
  EXPECT_EQ(ErrorOf([&] { ImprimeDeclaracion(Anexos({9})); }), 0)
      << "a guarantee report of a kind not flagged is never asked for";
}

}  // namespace
}  // namespace korva::prueba
