#include "platform/win/memory_window_list.h"

#include <algorithm>

namespace win {

void MemoryWindowList::AddWindow(const std::string& title, bool visible) {
  windows_.push_back({title, visible});
}

void MemoryWindowList::RemoveWindow(const std::string& title) {
  std::erase_if(windows_, [&](const Window& window) { return window.title == title; });
}

void MemoryWindowList::SetVisible(const std::string& title, bool visible) {
  for (Window& window : windows_)
    if (window.title == title) window.visible = visible;
}

std::vector<std::string> MemoryWindowList::VisibleTitles() {
  std::vector<std::string> titles;
  for (const Window& window : windows_)
    if (window.visible && !window.title.empty()) titles.push_back(window.title);
  return titles;
}

}  // namespace win
