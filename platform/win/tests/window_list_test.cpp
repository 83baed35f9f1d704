#include "platform/win/window_list.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/testsupport/scoped_env.h"
#include "platform/win/memory_window_list.h"

namespace win {
namespace {

TEST(MemoryWindowListTest, OnlyAVisibleWindowWithTheExactTitleIsFound) {
  MemoryWindowList desktop;
  desktop.AddWindow("Orvane ");
  desktop.AddWindow("orvane");
  desktop.AddWindow("ORVANE");
  desktop.AddWindow(" Orvane");
  desktop.AddWindow("Orvane", false);
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
  desktop.SetVisible("Orvane", true);
  EXPECT_TRUE(desktop.FindWindow("Orvane"));
  desktop.RemoveWindow("Orvane");
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
}

TEST(MemoryWindowListTest, VisibleTitlesKeepTheirOrderAndLeaveOutUntitledWindows) {
  MemoryWindowList desktop;
  desktop.AddWindow("Plexo");
  desktop.AddWindow("");
  desktop.AddWindow("Oculta", false);
  desktop.AddWindow("Orvane");
  EXPECT_EQ(desktop.VisibleTitles(), (std::vector<std::string>{"Plexo", "Orvane"}));
  EXPECT_FALSE(desktop.FindWindow(""));
}

TEST(CurrentWindowListTest, FindWindowAsksTheListTheProgramChose) {
  auto desktop = std::make_shared<MemoryWindowList>();
  SetCurrentWindowList(desktop);
  EXPECT_FALSE(FindWindow("Orvane"));
  desktop->AddWindow("Orvane");
  EXPECT_TRUE(FindWindow("Orvane"));
  EXPECT_EQ(&CurrentWindowList(), desktop.get());
  SetCurrentWindowList(nullptr);
}

TEST(CurrentWindowListTest, WithoutADisplayTheDesktopIsEmpty) {
  testsupport::ScopedEnv display("DISPLAY", std::nullopt);
  SetCurrentWindowList(nullptr);
  EXPECT_TRUE(CurrentWindowList().VisibleTitles().empty());
  EXPECT_FALSE(FindWindow("Orvane"));
  SetCurrentWindowList(nullptr);
}

}  // namespace
}  // namespace win
