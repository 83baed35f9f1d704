#pragma once
#include <string>
#include <vector>

#include "platform/win/window_list.h"

namespace win {

// The top-level windows of an X11 display. With a window manager that keeps the
// EWMH client list (_NET_CLIENT_LIST) those are its clients; otherwise they are
// the root window's children. A window is visible when it is mapped and
// viewable; its title is _NET_WM_NAME, else WM_NAME. The display is opened for
// each listing; a display that cannot be opened has no windows.
class X11WindowList : public WindowList {
 public:
  // `displayName` as XOpenDisplay takes it; empty means $DISPLAY.
  explicit X11WindowList(std::string displayName = "");

  std::vector<std::string> VisibleTitles() override;

 private:
  std::string displayName_;
};

}  // namespace win
