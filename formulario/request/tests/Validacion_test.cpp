#include "formulario/request/Validacion.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korva
