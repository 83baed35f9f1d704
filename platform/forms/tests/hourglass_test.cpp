#include "platform/forms/hourglass.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "platform/forms/testing/driver.h"

namespace forms {
namespace {

TEST(Hourglass, ShowsTheHourglassForItsScopeAndTheDefaultPointerOnEveryRoadOut) {
  struct Camino {
    const char* nombre;
    std::function<void()> cuerpo;
  };
  const Camino caminos[] = {
      {"scope left", [] {}},
      {"error", [] { throw std::runtime_error("falla"); }},
  };
  for (const Camino& camino : caminos) {
    SCOPED_TRACE(camino.nombre);
    TestDriver driver;
    try {
      Hourglass reloj;
      EXPECT_EQ(Screen.MousePointer(), vbHourglass);
      camino.cuerpo();
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(driver.MousePointers(), (std::vector<int>{vbHourglass, vbDefault}));
  }
}

}  // namespace
}  // namespace forms
