#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/x_display_test.h"
#include "platform/win/x11_window_list.h"

namespace host {
namespace {

using testsupport::ChildProcess;

class OrvaneWindowTest : public testsupport::XDisplayTest {
 protected:
  std::unique_ptr<ChildProcess> StartWindow(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), ORVANE_WINDOW_PATH);
    arguments.push_back("--display");
    arguments.push_back(DisplayName());
    return std::make_unique<ChildProcess>(arguments);
  }
};

TEST_F(OrvaneWindowTest, HostWindowIsFoundByItsExactTitleUntilItCloses) {
  std::unique_ptr<ChildProcess> window = StartWindow();
  std::string id = window->ReadLine();
  ASSERT_FALSE(id.empty()) << "the window did not come up";
  win::X11WindowList desktop(DisplayName());
  EXPECT_EQ(desktop.VisibleTitles(), (std::vector<std::string>{"Orvane"}));
  EXPECT_TRUE(desktop.FindWindow("Orvane"));

  AskToClose(std::stoul(id, nullptr, 16));
  EXPECT_EQ(window->Wait(), 0);
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
}

TEST_F(OrvaneWindowTest, TitleIsSetAsLatin1WmNameAndAsUtf8NetWmName) {
  std::unique_ptr<ChildProcess> window = StartWindow({"--title", "Año 2010"});
  std::string id = window->ReadLine();
  ASSERT_FALSE(id.empty()) << "the window did not come up";
  Window handle = std::stoul(id, nullptr, 16);
  EXPECT_EQ(Property(handle, "WM_NAME", XA_STRING), "A\xF1o 2010");
  EXPECT_EQ(Property(handle, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False)),
            "Año 2010");
  EXPECT_TRUE(win::X11WindowList(DisplayName()).FindWindow("Año 2010"));
}

TEST(OrvaneWindowNoDisplayTest, UnreachableDisplayEndsWithStatusOne) {
  ChildProcess window({ORVANE_WINDOW_PATH, "--display", ":unreachable"});
  EXPECT_EQ(window.ReadLine(), "");
  EXPECT_EQ(window.Wait(), 1);
}

}  // namespace
}  // namespace host
