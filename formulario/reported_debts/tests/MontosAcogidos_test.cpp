#include "formulario/reported_debts/MontosAcogidos.h"

#include <gtest/gtest.h>

#include "formulario/core/Globales.h"
#include "platform/vb/date.h"

namespace korva {
namespace {

vb::Date Fecha(int anio, int mes, int dia) { return vb::DateSerial(anio, mes, dia); }

TEST(MontosAcogidos, DisagreementAddsTheThreeBoxesInWholeSoles) {
  struct Caso {
    const char* tributo;
    const char* capitalizado;
    const char* interes;
    const char* acogido;
  } casos[] = {
      {"1500", "", "", "1,500"},       {"1,234", "10", "0.5", "1,245"},
      {"", "", "", ""},                {"", "", "0", "0"},
      {"1,000", "0.49", "0.01", "1,001"}, {"12a", "", "", "0"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(SumaAcogida(c.tributo, c.capitalizado, c.interes), c.acogido) << c.tributo;
}

TEST(MontosAcogidos, EntryAndDisplayFormsAreWholeSoles) {
  struct Caso {
    const char* monto;
    const char* entrada;
    const char* entradaInteres;
    const char* presentacion;
  } casos[] = {
      {"1,234", "1234", "1234", "1,234"},
      {"1,234.50", "1235", "1235", "1,235"},
      {"-1,234.5", "-1235", "1235", "-1,235"},
      {"1234567890123", "1234567890123", "1234567890123", "1,234,567,890,123"},
      {"0", "0", "0", "0"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(FormaEntrada(c.monto), c.entrada) << c.monto;
    EXPECT_EQ(FormaEntradaInteres(c.monto), c.entradaInteres) << c.monto;
    EXPECT_EQ(FormaPresentacion(c.monto), c.presentacion) << c.monto;
  }
}

// The cases in which the year-end capitalisation does not apply, the boxes of a
// debt not included and a half cent; the worked examples run through the window.
TEST(MontosAcogidos, AgreedDebtEarnsInterestUpToTheAcceptanceDate) {
  struct Caso {
    const char* nombre;
    DatosInteres datos;
    bool incluida;
    InteresConforme esperado;
  } casos[] = {
      {"December accepted in February",
       {"1,000.00", "100.00", "10.00", Fecha(2005, 12, 20), "10/02/2006", "200512"}, true,
       {"100.00", "38.60", "1,139.00"}},
      {"December after 2005", {"1,000.00", "100.00", "10.00", Fecha(2006, 12, 20), "10/01/2007", "200612"},
       true, {"100.00", "21.55", "1,122.00"}},
      {"accepted before the reported date",
       {"1,000.00", "12.40", "3.25", Fecha(2010, 5, 15), "14/05/2010", "201005"}, true,
       {"12.40", "3.25", "1,016.00"}},
      {"not included", {"1,000.00", "12.40", "3.25", Fecha(2010, 5, 15), "14/05/2010", "201005"}, false,
       {"12", "3.25", "1,016.00"}},
      // 17,810 a day at 0.05 % is 8.905: the interest is rounded on its decimal
      // form, not on the double just below it.
      {"half a cent", {"17,810.00", "0.00", "0.00", Fecha(2007, 1, 15), "16/01/2007", "200701"}, true,
       {"0.00", "8.91", "17,819.00"}},
  };
  gsTIM = "1.5";
  for (const Caso& c : casos) {
    InteresConforme r = CalculaInteresConforme(c.datos, c.incluida);
    EXPECT_EQ(r.sCapitalizado, c.esperado.sCapitalizado) << c.nombre;
    EXPECT_EQ(r.sInteres, c.esperado.sInteres) << c.nombre;
    EXPECT_EQ(r.sAcogido, c.esperado.sAcogido) << c.nombre;
  }
  gsTIM.clear();
}

}  // namespace
}  // namespace korva
