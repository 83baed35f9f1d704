#include "formulario/request/Validacion.h"

#include <gtest/gtest.h>

#include "formulario/request/Casillas.h"
#include "platform/testsupport/error_of.h"

namespace korva {
namespace {

using testsupport::ErrorOf;

// The latest period of an added debt: two months before the due date once the
// acceptance date is past it, else two for a good taxpayer and three for others.
TEST(ValidacionTest, LatestPeriodFollowsTheDueDateAndTheTaxpayerClass) {
  struct Caso {
    const char* aceptacion;
    const char* vencimiento;
    const char* buenContrib;
    const char* periodo;
  } casos[] = {
      {"20/03/2010", "15/03/2010", "0", "201001"},  {"10/02/2010", "15/02/2010", "0", "200911"},
      {"15/02/2010", "15/02/2010", "0", "200911"},  {"15/02/2010", "15/02/2010", "1", "200912"},
      {"15/02/2010", "15/02/2010", "", "200911"},   {"16/02/2010", "15/02/2010", "", "200912"},
      {"01/01/2011", "31/12/2010", "0", "201010"},  {"10/03/2010", "15/03/2010", "0", "200912"},
      {"15/05/2010", "15/06/2010", "1", "201004"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(PeriodoMaximo(c.aceptacion, c.vencimiento, c.buenContrib), c.periodo)
        << c.aceptacion << " " << c.vencimiento << " " << c.buenContrib;
  EXPECT_EQ(ErrorOf([] { PeriodoMaximo("15/05/2010", "", "0"); }), 13);
}

TEST(ValidacionTest, FiguresAreWrittenPlainAndInWholeSoles) {
  const std::tuple<double, const char*, const char*> casos[] = {
      {0.1 * 100, "10", "10"},        {3600 * 0.1, "360", "360"},     {3650 * 0.1, "365", "365"},
      {3600 * 0.05, "180", "180"},    {3650 * 0.05, "182.5", "183"},  {1234.5, "1234.5", "1235"},
      {0, "0", "0"},                  {1200, "1200", "1200"},
  };
  for (const auto& [x, texto, soles] : casos) {
    EXPECT_EQ(TextoNumero(x), texto) << x;
    EXPECT_EQ(TextoSoles(x), soles) << x;
  }
}

// How each kind of box keeps its value in DET, and the row's idcasilla.
TEST(ValidacionTest, BoxValuesAreStoredByTheirKind) {
  const std::tuple<const char*, const char*, const char*> casos[] = {
      {"028", " 4567890 ", "4567890"}, {"541", "15/05/2010", "15/05/2010"}, {"721", "1.5", "1.5"},
      {"501", "0", "0"},               {"506", "SI", "1"},                  {"513", " NO ", "0"},
      {"534", "X", ""},                {"500", "1,234.60", "1235"},         {"500", "1,234.50", "1235"},
      {"505", "8021", "8021"},         {"535", "12,345", "12345"},          {"589", "1", "1"},
      {"503", "12", "12"},
  };
  for (const auto& [casilla, valor, grabado] : casos)
    EXPECT_EQ(ValorGrabado(casilla, valor), grabado) << casilla << " " << valor;
  for (const char* casilla : {"808", "818", "828", "838", "848"}) EXPECT_EQ(IdCasilla(casilla), "05");
  for (const char* casilla : {"002", "500", "541", "809"}) EXPECT_EQ(IdCasilla(casilla), "01");
}

}  // namespace
}  // namespace korva
