#include "formulario/non_notified_debts/ReglasValidacion.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

TEST(ReglasValidacion, MonthlyPeriodLiesInItsRangeWithAMonthTheKindAllows) {
  const struct {
    const char* periodo;
    const char* final;
    int tipo;
    bool valido;
  } casos[] = {
      {"__/____", "12/2005", 4, false}, {"1_/2005", "12/2005", 4, false},
      {"12/20_5", "12/2005", 4, false}, {"00/0000", "12/2005", 4, false},
      {"01/1979", "12/2005", 0, true},  {"01/1979", "12/2005", 1, true},
      {"01/1979", "12/2005", 3, true},  {"12/1978", "12/2005", 4, false},
      {"12/2005", "12/2005", 0, true},  {"01/2006", "12/2005", 4, false},
      {"13/2005", "13/2005", 2, true},  {"12/2005", "13/2005", 2, false},
      {"14/2004", "12/2005", 3, true},  {"14/2004", "12/2005", 0, false},
      {"14/2004", "12/2005", 1, false}, {"14/2004", "12/2005", 2, false},
      {"13/2004", "12/2005", 0, false}, {"13/2004", "12/2005", 1, true},
      {"00/2004", "12/2005", 3, false}, {"00/2004", "12/2005", 4, true},
  };
  for (const auto& c : casos)
    EXPECT_EQ(PeriodoMensualValido(c.periodo, "01/1979", c.final, c.tipo), c.valido)
        << c.periodo << " <= " << c.final << " tipo " << c.tipo;
}

TEST(ReglasValidacion, DatesAndPeriodsReadAsYearAndMonth) {
  const struct {
    const char* fecha;
    const char* anioMes;
  } casos[] = {{"31/12/2005", "200512"},
               {"2004/12/31", "200412"},
               {"05/2005", "200505"},
               {"13/2005", "200513"},
               {"  ", ""},
               {"sin fecha", ""}};
  for (const auto& c : casos) EXPECT_EQ(AnioMes(c.fecha), c.anioMes) << c.fecha;
  EXPECT_EQ(AnioMesDia("15/03/2006"), "20060315");
}

// The design's worked examples of the latest period a tax allows.
TEST(ReglasValidacion, LatestPeriodOfEachGroupOfTaxes) {
  EXPECT_EQ(LimiteAnual(2006, "20060315", "20060331"), "12/2004");
  EXPECT_EQ(LimiteAnual(2006, "20060401", "20060331"), "12/2005");
  const struct {
    const char* tributo;
    int mesAcog;
    int mesRenta;
    bool bueno;
    const char* limite;
  } trece[] = {
      {"3072", 4, 3, true, "13/2005"},  {"3072", 4, 3, false, "13/2004"},
      {"3072", 5, 3, false, "13/2005"}, {"3037", 1, 3, false, "13/2005"},
      {"9021", 4, 3, true, "13/2004"},  {"9021", 5, 3, true, "13/2005"},
  };
  for (const auto& c : trece)
    EXPECT_EQ(LimiteMesTrece(c.tributo, 2006, c.mesAcog, c.mesRenta, c.bueno), c.limite)
        << c.tributo << " " << c.mesAcog << " bueno " << c.bueno;
  // Before, on and after the due date 15/01/2006.
  const struct {
    const char* acogida;
    bool semanal;
    bool sinDesfase;
    bool bueno;
    int meses;
  } desfases[] = {
      {"20060110", true, true, true, 2},    {"20060115", true, false, false, 1},
      {"20060115", false, true, false, 0},  {"20060120", false, true, false, 1},
      {"20060120", false, false, true, 2},  {"20060115", false, false, false, 3},
      {"20060120", false, false, false, 2},
  };
  for (const auto& c : desfases)
    EXPECT_EQ(MesesAntes(c.acogida, "20060115", c.semanal, c.sinDesfase, c.bueno), c.meses)
        << c.acogida << " " << c.semanal << c.sinDesfase << c.bueno;
  EXPECT_EQ(RetrocedeMeses(2006, 1, 2), "11/2005");
  EXPECT_EQ(RetrocedeMeses(2006, 1, 3), "10/2005");
  EXPECT_EQ(RetrocedeMeses(2006, 3, 1), "02/2006");
  EXPECT_EQ(RetrocedeMeses(2006, 3, 0), "03/2006");
  EXPECT_EQ(Limite7151("0", "20060315", 2006), "05/2005");
  EXPECT_EQ(Limite7151("1", "20060201", 2006), "01/2006");
  EXPECT_EQ(Limite7151("", "20060131", 2006), "01/2005");
}

TEST(ReglasValidacion, FoncomunsTaxIsPaidInItsMonths) {
  const struct {
    const char* limite;
    const char* anio;
    const char* mes;
    bool valido;
  } casos[] = {{"05/2005", "2005", "04", true}, {"05/2005", "2005", "03", false},
               {"05/2005", "2004", "03", true}, {"05/2005", "2004", "04", false},
               {"01/2004", "2005", "12", true}, {"01/2004", "2005", "10", false}};
  for (const auto& c : casos)
    EXPECT_EQ(MesValido7151(c.limite, c.anio, c.mes), c.valido)
        << c.limite << " " << c.mes << "/" << c.anio;
}

// c is the last digit of the document type's code.
TEST(ReglasValidacion, ValorNumberTakesTheShapeOfItsDocumentType) {
  const struct {
    const char* numero;
    const char* c;
    bool valido;
  } casos[] = {
      {"123212345", "2", true},         {"123112345", "2", false},
      {"123412345", "4", false},        {"12321234", "2", false},
      {"1232123456", "2", false},       {"123981234567", "1", true},
      {"123981234567", "7", true},      {"123021234567", "2", true},
      {"123021234567", "1", false},     {"123041234567", "4", false},
      {"1231021234567", "2", true},     {"1231041234567", "4", false},
      {"1231021234567", "1", false},    {"93123456J1234567", "1", true},
      {"93123456A1234567", "1", true},  {"94123456A1234567", "1", false},
      {"75123456J1234567", "1", false}, {"93123456j1234567", "1", false},
      {"80123456W1234567", "2", true},  {"94123456K1234567", "2", true},
      {"94123456H1234567", "3", true},  {"94123456B1234567", "3", false},
      {"93123456A1234567", "4", false}, {"9312345XA1234567", "1", false},
  };
  for (const auto& c : casos)
    EXPECT_EQ(NumeroValorValido(c.numero, c.c), c.valido) << c.numero << " tipo " << c.c;
}

// Each entity's earlier-regime instalments; TESORO and FONCOMUN any tax.
TEST(ReglasValidacion, EntitiesAdmitTheirInstalmentsWithoutSwornDeclaration) {
  EXPECT_TRUE(AdmiteSinDeclaracion(3, "5328") && AdmiteSinDeclaracion(2, "5233") &&
              AdmiteSinDeclaracion(5, "5058") && AdmiteSinDeclaracion(8, "7151"));
  EXPECT_FALSE(AdmiteSinDeclaracion(3, "3011") || AdmiteSinDeclaracion(2, "5056") ||
               AdmiteSinDeclaracion(5, "5328"));
}

}  // namespace
}  // namespace korva
