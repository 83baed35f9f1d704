#include "reporte/ResumenTexto.h"

#include "platform/testsupport/error_of.h"
#include "reporte/DatosResumen.h"
#include "reporte/Globales.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

using testsupport::ErrorOf;

class ResumenTextoTest : public ResumenTest, public ::testing::WithParamInterface<Declaracion> {};

// The copy the host picks up, byte for byte: the identification, a blank line,
// the payment mode.
TEST_P(ResumenTextoTest, TextSummaryOfAStoredDeclarationIsItsLayout) {
  Declara(GetParam().casillas);
  Corre();
  EXPECT_EQ(Bytes("TMP/" + kRaiz + ".txt"), Cp1252(ResumenDeTexto(GetParam().cuerpo)));
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<forms::MessageBoxCall>{});
}

INSTANTIATE_TEST_SUITE_P(Declaraciones, ResumenTextoTest, ::testing::ValuesIn(Declaraciones()),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Each payment-mode line as its box holds it: the entity's own boxes only, a
// value only when it reads as a number.
TEST(CuerpoResumen, EachLineShowsItsBoxOnlyWhenNumeric) {
  struct Caso {
    const char* semana;
    int casilla;
    const char* valor;
    std::size_t linea;
    const char* esperada;
  };
  const Caso casos[] = {
      {"1", 500, "1234567.5", 3, "Monto deuda acogida:      1,234,568"},
      {"1", 500, "abc", 3, "Monto deuda acogida: "},
      {"1", 501, "0", 4, "Forma de pago      : FRACCIONAMIENTO"},
      {"1", 501, "3", 4, "Forma de pago      :"},
      {"1", 501, "02", 4, "Forma de pago      :"},
      {"1", 503, " 7 ", 5, "Nº de cuotas fracc.:              7"},
      {"1", 506, "0", 8, "Garantía de deudas :             NO"},
      {"8", 532, "-2500", 7, "Monto cuota fracc. :         -2,500"},
      {"8", 590, "77", 6, "Monto de aplazam.  :             77"},
      {"8", 550, "77", 6, "Monto de aplazam.  : "},
  };
  for (const Caso& c : casos) {
    ReiniciaGlobales();
    gsSemana = c.semana;
    ResuelveEntidad();
    gsCasillas[static_cast<std::size_t>(c.casilla)] = c.valor;
    EXPECT_EQ(CuerpoResumen()[c.linea](), c.esperada) << c.semana << " " << c.casilla << " " << c.valor;
  }
  ReiniciaGlobales();
}

TEST(CeldasResumen, TextsAreFilledOnTheLeftAndAmountsRightAligned) {
  struct Caso {
    std::string texto;
    int ancho;
    std::string relleno;
    std::string esperado;
  };
  const Caso casos[] = {
      {" 12 ", 5, " ", "   12"},     {"123456", 5, " ", "123456"}, {"ab", 5, "*-", "*-*-*-ab"},
      {"", 3, "0", "000"},
  };
  for (const Caso& c : casos) EXPECT_EQ(CompletaTextoIzquierda(c.texto, c.ancho, c.relleno), c.esperado);
  EXPECT_EQ(ErrorOf([] { CompletaTextoIzquierda("x", 257, " "); }), 6);
  gsLinea = "M:";
  AgregaMonto(987.5, "#,###,###,##0", 13);
  AgregaMonto(12345678901234.0, "#,###,###,##0", 13);
  EXPECT_EQ(gsLinea, "M:           988 12,345,678,901,234");
  gsLinea = "";
}

}  // namespace
}  // namespace tarvel::prueba
