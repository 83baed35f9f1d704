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

// A pointer restored before the scope ends is not set again when the guard goes,
// so a pointer set in between stands.
TEST(Hourglass, LeavesTheChosenPointerOnceWhenRestoredEarly) {
  TestDriver driver;
  {
    Hourglass reloj(vbHourglass, vbArrow);
    reloj.Restore();
    EXPECT_EQ(Screen.MousePointer(), vbArrow);
    Screen.SetMousePointer(vbHourglass);
  }
  EXPECT_EQ(driver.MousePointers(), (std::vector<int>{vbHourglass, vbArrow, vbHourglass}));
}

TEST(Hourglass, OnAFormSetsTheFormsOwnPointerAndLeavesTheScreensAlone) {
  TestDriver driver;
  Form frm("FrmReloj");
  try {
    Hourglass reloj(frm, vbArrowHourglass);
    EXPECT_EQ(frm.MousePointer(), vbArrowHourglass);
    throw std::runtime_error("falla");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(frm.MousePointer(), vbDefault);
  EXPECT_EQ(driver.MousePointers(), std::vector<int>{});
}

}  // namespace
}  // namespace forms
