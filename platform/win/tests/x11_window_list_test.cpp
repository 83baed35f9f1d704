#include "platform/win/x11_window_list.h"

#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/testsupport/x_display_test.h"

namespace win {
namespace {

class X11WindowListTest : public testsupport::XDisplayTest {
 protected:
  Window NewWindow(const std::string& wmName, bool mapped) {
    Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 50, 50, 0, 0, 0);
    XStoreName(display_, window, wmName.c_str());
    if (mapped) XMapWindow(display_, window);
    XSync(display_, False);
    return window;
  }

  void SetNetWmName(Window window, const std::string& utf8) {
    XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));
    XSync(display_, False);
  }

  std::vector<std::string> SortedTitles() {
    std::vector<std::string> titles = X11WindowList(DisplayName()).VisibleTitles();
    std::sort(titles.begin(), titles.end());
    return titles;
  }
};

TEST_F(X11WindowListTest, OnlyAMappedWindowWithTheExactTitleIsFound) {
  NewWindow("Orvane ", true);
  NewWindow("orvane", true);
  Window hidden = NewWindow("Orvane", false);
  X11WindowList desktop(DisplayName());
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Orvane ", "orvane"}));
  EXPECT_FALSE(desktop.FindWindow("Orvane"));

  XMapWindow(display_, hidden);
  XSync(display_, False);
  EXPECT_TRUE(desktop.FindWindow("Orvane"));

  XUnmapWindow(display_, hidden);
  XSync(display_, False);
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
}

TEST_F(X11WindowListTest, TitlesComeFromNetWmNameElseFromLatin1WmName) {
  NewWindow("A\xF1o", true);
  Window named = NewWindow("old title", true);
  SetNetWmName(named, "Información");
  NewWindow("", true);
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Año", "Información"}));
}

TEST_F(X11WindowListTest, WindowManagersClientListIsPreferredToTheRootsChildren) {
  NewWindow("Frame of another program", true);
  Window client = NewWindow("Orvane", true);
  Window root = DefaultRootWindow(display_);
  XChangeProperty(display_, root, XInternAtom(display_, "_NET_CLIENT_LIST", False), XA_WINDOW, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&client), 1);
  XSync(display_, False);
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Orvane"}));
}

TEST(X11WindowListNoDisplayTest, UnreachableDisplayHasNoWindows) {
  EXPECT_TRUE(X11WindowList(":unreachable").VisibleTitles().empty());
}

}  // namespace
}  // namespace win
