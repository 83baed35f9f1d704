#pragma once
// The launch check's view of the desktop's windows.
#include <string>

namespace korva {

// The launch check's view of the desktop: the program runs only beside the host,
// whose visible top-level window carries an exact title.
class cWindows {
 public:
  // True when a visible top-level window's whole title equals `sTitulo`, case
  // and blanks included: "Orvane " and "orvane" are other programs' windows.
  bool CorreApp(const std::string& sTitulo) const;
};

}  // namespace korva
