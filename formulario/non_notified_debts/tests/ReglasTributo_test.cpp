#include "formulario/non_notified_debts/ReglasTributo.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

TEST(ReglasTributo, InstalmentCodesNameTheirRegime) {
  const struct {
    const char* tributo;
    const char* regimen;
  } casos[] = {{"8026", "REFT"},  {"5229", "REFT"},  {"5328", "REFT"},  {"5056", "REFT"},
               {"8027", "SEAP"},  {"5232", "SEAP"},  {"5329", "SEAP"},  {"5057", "SEAP"},
               {"8028", "RESIT"}, {"5233", "RESIT"}, {"5330", "RESIT"}, {"5058", "RESIT"},
               {"8029", ""},      {"3071", ""},      {"", ""}};
  for (const auto& caso : casos)
    EXPECT_EQ(RegimenDeCuota(caso.tributo), caso.regimen) << caso.tributo;
}

// Period, tax and week as the window shows them: "_" is an unfilled position.
TEST(ReglasTributo, CapitalisedInterestIsOpenBeforeDecember2005AndForYearlyOrWeeklyTaxesAfter) {
  const struct {
    const char* tributo;
    const char* mes;
    const char* anio;
    const char* semana;
    bool editable;
  } casos[] = {
      {"2011", "12", "2005", "0", false}, {"2011", "12", "2005", "2", true},
      {"2011", "12", "2005", "", true},   {"3021", "12", "2005", "", true},
      {"1011", "12", "2005", "", false},  {"3071", "13", "2005", "", false},
      {"3081", "13", "2005", "", false},  {"3011", "13", "2005", "", true},
      {"1011", "13", "2005", "", true},   {"1011", "11", "2005", "", true},
      {"1011", "01", "2006", "", false},  {"1011", "12", "2004", "", true},
      {"1011", "__", "____", "", false},  {"2041", "03", "20_9", "0", false},
      {"", "__", "____", "", false},
  };
  for (const auto& c : casos)
    EXPECT_EQ(InteresCapitalizadoEditable(c.tributo, c.mes, c.anio, c.semana), c.editable)
        << c.tributo << " " << c.mes << "/" << c.anio << " semana " << c.semana;
}

TEST(ReglasTributo, QuotaOfTheMonthFollowsTheQuartersOf7151AndTheMonthsOf3034) {
  const struct {
    const char* tributo;
    const char* mes;
    const char* anio;
    int cuota;
  } casos[] = {
      {"7151", "04", "2005", 0},  {"7151", "05", "2005", 0},  {"7151", "07", "2006", 1},
      {"7151", "10", "2009", 2},  {"7151", "01", "2005", 3},  {"7151", "03", "2005", -1},
      {"7151", "05", "2004", -1}, {"7151", "03", "2004", 0},  {"7151", "06", "2004", 1},
      {"7151", "09", "2003", 2},  {"7151", "12", "2004", 3},  {"7151", "04", "____", 0},
      {"3034", "03", "2008", 0},  {"3034", "11", "2008", 8},  {"3034", "02", "2008", -1},
      {"3034", "12", "2008", -1}, {"3034", "0_", "____", -1}, {"3034", "1_", "____", -1},
      {"3011", "05", "2005", -1},
  };
  for (const auto& c : casos)
    EXPECT_EQ(CuotaDelMes(c.tributo, c.mes, c.anio), c.cuota)
        << c.tributo << " " << c.mes << "/" << c.anio;
}

TEST(ReglasTributo, AcceptedAmountIsTheSumInWholeUnitsWithTwoDecimals) {
  const struct {
    const char* tributo;
    const char* capitalizado;
    const char* interes;
    const char* acogido;
  } casos[] = {
      {"100.40", "0", "0", "100.00"},
      {"100.60", "0", "0", "101.00"},
      {"", "", "", ""},
      {"0.", "", "", "0.00"},
      {"1,234.50", "10.25", "", "1,245.00"},
      {"", "", "5", "5.00"},
      {"9999999999.99", "", "", "10,000,000,000.00"},
  };
  for (const auto& c : casos)
    EXPECT_EQ(MontoAcogido(c.tributo, c.capitalizado, c.interes), c.acogido)
        << c.tributo << " + " << c.capitalizado << " + " << c.interes;
}

}  // namespace
}  // namespace korva
