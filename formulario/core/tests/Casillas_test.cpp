#include "formulario/core/Casillas.h"

#include <gtest/gtest.h>

namespace korva::prueba {
namespace {

// Each entity's boxes as the form numbers them: the views the print driver,
// the import and the send summary take from the one table.
TEST(Casillas, EachEntitysBlockNumbersItsBoxesAsTheFormDoes) {
  struct Caso {
    int semana;
    int formaPago;
    int garantia;
    int cuota;
    int interes;
    int tipoGarantia;
  } casos[] = {
      {1, 501, 506, 535, 550, 551}, {2, 508, 513, 536, 560, 561}, {3, 515, 520, 537, 570, 571},
      {5, 522, 527, 538, 580, 581}, {8, 529, 534, 539, 590, 591},
  };
  for (const Caso& c : casos) {
    const Bloque* bloque = BloqueDe(c.semana);
    ASSERT_NE(bloque, nullptr) << c.semana;
    EXPECT_EQ(CasillaDe(*bloque, Renglon::FormaPago), c.formaPago) << c.semana;
    EXPECT_EQ(CasillaDe(*bloque, Renglon::Garantia), c.garantia) << c.semana;
    EXPECT_EQ(CasillaDe(*bloque, Renglon::Cuota), c.cuota) << c.semana;
    EXPECT_EQ(CasillaDe(*bloque, Renglon::Interes), c.interes) << c.semana;
    EXPECT_EQ(CasillaTipoGarantia(*bloque), c.tipoGarantia) << c.semana;
  }
  EXPECT_EQ(BloqueDe(4), nullptr);
  EXPECT_EQ(CasillasPorFila(),
            (std::vector<int>{500, 507, 514, 521, 528, 501, 508, 515, 522, 529, 502, 509, 516, 523,
                              530, 503, 510, 517, 524, 531, 504, 511, 518, 525, 532, 505, 512, 519,
                              526, 533, 506, 513, 520, 527, 534, 535, 536, 537, 538, 539}));
}

// A box named as DET writes it, three digits and nothing around them.
TEST(Casillas, ABoxOfARowIsKnownByItsThreeDigits) {
  struct Caso {
    const char* casilla;
    Renglon renglon;
    bool esDelRenglon;
  } casos[] = {
      {"501", Renglon::FormaPago, true}, {"529", Renglon::FormaPago, true},
      {"530", Renglon::FormaPago, false}, {" 501", Renglon::FormaPago, false},
      {"534", Renglon::Garantia, true}, {"551", Renglon::Garantia, false},
  };
  for (const Caso& c : casos) EXPECT_EQ(EsCasillaDeRenglon(c.casilla, c.renglon), c.esDelRenglon) << c.casilla;
}

// A guarantee is stored "1"/"0" and shown "SI"/"NO"; the boxes trim what they
// show and store, the bare conversions do not.
TEST(Casillas, AGuaranteeIsStoredAsOneOrZero) {
  EXPECT_EQ(GarantiaMostrada("1"), "SI");
  EXPECT_EQ(GarantiaMostrada("0"), "NO");
  EXPECT_EQ(GarantiaMostrada(" 1"), "");
  EXPECT_EQ(GarantiaGrabada("SI"), "1");
  EXPECT_EQ(GarantiaGrabada("NO"), "0");
  EXPECT_EQ(GarantiaGrabada("si"), "");
  EXPECT_EQ(ValorMostrado("513", vb::Variant(" 1")), "SI");
  EXPECT_EQ(ValorGrabado("534", " NO "), "0");
  EXPECT_EQ(ValorGrabado("535", "1,234.60"), "1235");
}

}  // namespace
}  // namespace korva::prueba
