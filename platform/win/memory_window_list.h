#pragma once
#include <string>
#include <vector>

#include "platform/win/window_list.h"

namespace win {

// A desktop kept in memory, for tests and for running without a display.
class MemoryWindowList : public WindowList {
 public:
  MemoryWindowList() = default;

  void AddWindow(const std::string& title, bool visible = true);
  void RemoveWindow(const std::string& title);
  void SetVisible(const std::string& title, bool visible);

  std::vector<std::string> VisibleTitles() override;

 private:
  struct Window {
    std::string title;
    bool visible;
  };
  std::vector<Window> windows_;
};

}  // namespace win
