#include "formulario/request/Calculos.h"

#include <gtest/gtest.h>

#include "formulario/core/Globales.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

vb::Date Fecha(int anio, int mes, int dia) { return vb::DateSerial(anio, mes, dia); }
vb::Currency Uit(int monto) { return vb::Currency::FromInteger(monto); }

// gsTIM for one test, empty again afterwards as the program starts.
class ConTasa {
 public:
  explicit ConTasa(const char* sTasa) { gsTIM = sTasa; }
  ~ConTasa() { gsTIM.clear(); }
};

TEST(Calculos, RateFollowsTheAcceptanceMonth) {
  struct Case {
    const char* fecha;
    const char* tasa;
  } cases[] = {
      {"28/02/2010", "1.5"}, {"01/03/2010", "1.2"}, {"15/06/2009", "1.5"},
      {"02/01/2011", "1.2"}, {"31/12/2009", "1.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TasaInteresMensual(vb::Format(c.fecha, "YYYYMM")), c.tasa) << c.fecha;
  EXPECT_EQ(TasaInteresMensual("abc"), "1.2");
}

TEST(Calculos, AcceptedDebtIsWholeSolesWithSeparators) {
  struct Case {
    vb::Variant suma;
    const char* texto;
  } cases[] = {
      {1234.5, "1,235"},     {1234.49, "1,234"},        {0.0, "0"},
      {10000.0, "10,000"},   {1234567.5, "1,234,568"},  {vb::Null, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TextoDeudaAcogida(c.suma), c.texto) << c.texto;
}

TEST(Calculos, InstalmentIsTheAnnuityAtEightyPercentOfTheRate) {
  struct Case {
    const char* tasa;
    int cuotas;
    double deuda;
    double inicial;
    const char* mostrado;   // as box b+4 shows it
  } cases[] = {
      {"1.2", 12, 12000, 0, "1,063"},
      {"1.5", 12, 12000, 0, "1,080"},
      {"1.2", 12, 12000, 2000, "886"},
      {"1.2", 1, 1000, 0, "1,010"},
      {"1.5", 72, 100000, 0, "2,082"},
      {"", 12, 12000, 0, ""},
      {"1.2", 0, 12000, 0, ""},
      {"1.2", -3, 12000, 0, ""},
      {"0", 12, 12000, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(vb::Format(CuotaFraccionamiento(c.tasa, c.cuotas, c.deuda, c.inicial),
                         "#,###,###,###,##0"),
              c.mostrado)
        << c.tasa << " " << c.cuotas << " " << c.deuda;
  // The text itself is unrounded, with "." and no separators.
  EXPECT_EQ(vb::Left(CuotaFraccionamiento("1.2", 12, 12000, 0), 10), "1063.49276");
  EXPECT_EQ(vb::Format(CuotaFraccionamiento("1.5", 12, 12000, 0), "0.00"), "1079.71");
}

TEST(Calculos, MinimumInitialPaymentByFormInstalmentsAndDebt) {
  struct Case {
    const char* deuda;
    int uit;
    const char* forma;
    const char* cuotas;
    const char* buenContrib;
    double inicial;
  } cases[] = {
      {"10,000", 3000, "0", "12", "0", 600},
      {"10,000", 3000, "0", "30", "0", 800},
      {"10,000", 3000, "0", "72", "0", 1400},
      {"10,000", 3000, "0", "73", "0", 0},
      {"10,000", 3000, "2", "12", "0", 600},
      {"10,000", 3000, "2", "20", "0", 800},
      {"10,000", 3000, "2", "66", "0", 1400},
      {"10,000", 3000, "2", "67", "0", 0},
      {"5,000", 3000, "0", "12", "0", 0},
      {"5,000", 3000, "0", "13", "0", 300},
      {"5,000", 3000, "2", "6", "0", 0},
      {"5,000", 3000, "2", "7", "0", 300},
      {"9,000", 3000, "0", "12", "0", 0},   // exactly 3 UIT is the lower group
      {"9,001", 3000, "0", "12", "0", 540},
      {"5,000", 3000, "0", "", "0", 0},
      {"10,000", 3000, "0", "  ", "0", 600},
      {"10,000", 3000, "", "40", "0", 1000},
      {"10,000", 3000, "0", "12", "1", 0},
      {"10,000", 3000, "0", "12", "", 0},
      {"", 3000, "0", "12", "0", 0},
      {"1,234.50", 300, "0", "12", "0", 74},    // 74.07
      {"1,241.67", 300, "0", "12", "0", 75},    // 74.5002
      {"1,075", 300, "0", "12", "0", 65},       // 64.5 exactly: half away from zero
      {"1,075", 300, "0", "999999999999999", "0", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CuotaInicialMinima(c.deuda, Uit(c.uit), c.forma, c.cuotas, c.buenContrib), c.inicial)
        << c.deuda << " " << c.forma << " " << c.cuotas << " " << c.buenContrib;
}

TEST(Calculos, GuaranteeRuleByIndicatorPersonAndHundredUit) {
  // UIT 3,600: 100 UIT are 360,000.
  struct Case {
    const char* deuda;
    const char* cuota;
    const char* forma;
    DatosGarantia datos;
    std::optional<bool> garantia;
  } cases[] = {
      {"1,000", "", "0", {"1", "", "1", "1"}, false},
      {"", "", "0", {"1", "", "1", "1"}, false},
      {"", "", "0", {"0", "", "0", "0"}, std::nullopt},
      {"  ", "", "0", {"0", "", "1", "1"}, std::nullopt},
      {"1,000", "", "0", {"0", "", "1", "0"}, true},
      {"1,000", "", "0", {"", "", "", "0"}, true},
      {"360,000", "", "0", {"0", "", "0", "1"}, false},
      {"360,000", "", "0", {"0", "", "0", "0"}, false},
      {"360,000", "", "0", {"0", "", "0", ""}, true},
      {"360,001", "", "0", {"0", "", "0", "1"}, true},
      {"360,001", "", "0", {"0", "", "0", "0"}, false},
      {"360,000", "", "0", {"0", "1", "0", "1"}, true},
      {"359,000", "", "0", {"0", "1,000", "0", "1"}, false},   // other debt read up to the ","
      {"360,100", "200", "0", {"0", "", "0", "1"}, false},
      {"360,100", "200", "2", {"0", "", "0", "1"}, true},
      {"360,100", "200", "", {"0", "", "0", "1"}, true},
      {"360,100", "1,000", "0", {"0", "", "0", "1"}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RequiereGarantia(c.deuda, Uit(3600), c.cuota, c.forma, c.datos), c.garantia)
        << c.deuda << " " << c.cuota << " " << c.forma << " " << c.datos.sMtoDeuda << " "
        << c.datos.sTipoPersona;
}

TEST(Calculos, YearEndCaseIsADecemberPeriodAcceptedInJanuary) {
  struct Case {
    const char* periodo;
    const char* fecha;
    bool cierre;
  } cases[] = {
      {"200912", "15/01/2010", true},  {"200912", "15/02/2010", false},
      {"200911", "15/01/2010", false}, {"200512", "10/01/2006", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EsCierreAnual(c.periodo, c.fecha), c.cierre) << c.periodo << " " << c.fecha;
  EXPECT_EQ(FechaCierre("200912"), Fecha(2009, 12, 31));
}

TEST(Calculos, CapitalisationAtYearEndOfTheReportedDebtWindow) {
  ConTasa tasa("1.5");
  Capitalizacion cierre = CapitalizaAlCierre("1,000.00", "100.00", "10.00", Fecha(2005, 12, 20),
                                             Fecha(2005, 12, 31), Fecha(2006, 1, 10));
  EXPECT_EQ(cierre.nInteresCierre, vb::CCur("6.05"));
  EXPECT_EQ(cierre.nBase, vb::CCur("1116.05"));
  EXPECT_EQ(cierre.sInteres, "5.58");
}

TEST(Calculos, AcceptedDebtBroughtUpToTheAcceptanceDate) {
  struct Case {
    const char* tasa;
    MontosDeuda deuda;
    vb::Date descarga;
    const char* fecha;
    const char* periodo;
    const char* intC;
    const char* actC;
  } cases[] = {
      // One day on 17,810.00: 8.905 is stored as 8.90499..., the runtime gives 8.91.
      {"1.5", {"17,810.00", "0", "0"}, Fecha(2010, 3, 1), "02/03/2010", "201001", "8.91", "17819"},
      {"1.2", {"1000", "0", "0"}, Fecha(2010, 3, 1), "31/03/2010", "201001", "12.00", "1012"},
      // On or before the debt file's date no interest is added.
      {"1.5", {"1500", "0", "120.50"}, Fecha(2010, 3, 15), "15/03/2010", "201001", "120.50", "1621"},
      {"1.5", {"1500", "10", "120.5"}, Fecha(2010, 3, 15), "01/03/2010", "201001", "120.50", "1631"},
      // Year-end: 8.00 capitalised at 31/12/2009, then 1058 x 0.0075 = 7.935.
      {"1.5", {"1000", "0", "50"}, Fecha(2009, 12, 15), "15/01/2010", "200912", "7.94", "1066"},
      {"1.5", {"1000", "0", "50"}, Fecha(2009, 12, 15), "15/02/2010", "200912", "81.00", "1081"},
      {"1.5", {"1000", "0", "50"}, Fecha(2009, 12, 15), "15/01/2010", "200911", "65.50", "1066"},
      {"1.5", {"", "", ""}, Fecha(2010, 3, 1), "02/03/2010", "201001", "0.00", "0"},
  };
  for (const auto& c : cases) {
    ConTasa tasa(c.tasa);
    InteresActualizado montos = ActualizaInteres(c.deuda, c.descarga, c.fecha, c.periodo);
    EXPECT_EQ(montos.sIntC, c.intC) << c.deuda.sTributoC << " " << c.fecha << " " << c.periodo;
    EXPECT_EQ(montos.sActC, c.actC) << c.deuda.sTributoC << " " << c.fecha << " " << c.periodo;
  }
}

}  // namespace
}  // namespace korva
