#include "formulario/core/cWindows.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win/memory_window_list.h"
#include "platform/win/window_list.h"

namespace korva {
namespace {

TEST(CWindows, HostMustShowAVisibleWindowWithTheExactTitle) {
  struct Case {
    const char* titulo;
    bool visible;
    bool corre;
  } cases[] = {
      {"Orvane", true, true},   {"Orvane ", true, false}, {"orvane", true, false},
      {" Orvane", true, false}, {"Orvane", false, false}, {"Orvane - Plexo", true, false},
  };
  for (const auto& c : cases) {
    auto escritorio = std::make_shared<win::MemoryWindowList>();
    escritorio->AddWindow("Terminal");
    escritorio->AddWindow("", true);
    escritorio->AddWindow(c.titulo, c.visible);
    win::SetCurrentWindowList(escritorio);
    EXPECT_EQ(cWindows().CorreApp("Orvane"), c.corre) << "\"" << c.titulo << "\"";
  }
  win::SetCurrentWindowList(std::make_shared<win::MemoryWindowList>());
  EXPECT_FALSE(cWindows().CorreApp("Orvane"));
  win::SetCurrentWindowList(nullptr);
}

}  // namespace
}  // namespace korva
