#pragma once
#include <memory>
#include <string>
#include <vector>

namespace win {

// The top-level windows of the desktop, as the launch check sees them: the
// program runs only while the host's visible window with its exact title exists.
class WindowList {
 public:
  virtual ~WindowList() = default;

  // Titles of the visible top-level windows, in the desktop's order; windows
  // without a title are left out.
  virtual std::vector<std::string> VisibleTitles() = 0;

  // True when a visible top-level window's whole title equals `title`: case and
  // every blank count, so "Orvane " and "orvane" are not "Orvane".
  bool FindWindow(const std::string& title);
};

// The process's window list: set by the program or a test, else the X11 display
// when $DISPLAY names one, else an empty list (no desktop, no host window).
// The reference lasts until the list is replaced; setting nullptr goes back to
// the default.
WindowList& CurrentWindowList();
void SetCurrentWindowList(std::shared_ptr<WindowList> list);

// FindWindow on the current window list.
bool FindWindow(const std::string& title);

}  // namespace win
