#include "platform/win/window_list.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "platform/win/memory_window_list.h"
#include "platform/win/x11_window_list.h"

namespace win {
namespace {

struct Current {
  std::mutex mutex;
  std::shared_ptr<WindowList> list;
};

Current& State() {
  static Current current;
  return current;
}

std::shared_ptr<WindowList> DesktopWindowList() {
  const char* display = std::getenv("DISPLAY");
  if (display && *display) return std::make_shared<X11WindowList>();
  return std::make_shared<MemoryWindowList>();
}

std::shared_ptr<WindowList> SharedCurrentList() {
  std::lock_guard lock(State().mutex);
  if (!State().list) State().list = DesktopWindowList();
  return State().list;
}

}  // namespace

bool WindowList::FindWindow(const std::string& title) {
  std::vector<std::string> titles = VisibleTitles();
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

WindowList& CurrentWindowList() { return *SharedCurrentList(); }

void SetCurrentWindowList(std::shared_ptr<WindowList> list) {
  std::lock_guard lock(State().mutex);
  State().list = std::move(list);
}

bool FindWindow(const std::string& title) { return SharedCurrentList()->FindWindow(title); }

}  // namespace win
