#pragma once
#include <string>

namespace forms {

// A control's font as the form designer sets it: the system's variable-pitch
// font at 8 points unless the design names another.
struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace forms
