#pragma once
#include "platform/forms/constants.h"
#include "platform/forms/services.h"

namespace forms {

// The hourglass pointer for a scope: Screen.MousePointer is vbHourglass from the
// guard's making and vbDefault again when it goes, whatever road leaves the scope.
class Hourglass {
 public:
  Hourglass() { Screen.SetMousePointer(vbHourglass); }
  ~Hourglass() { Screen.SetMousePointer(vbDefault); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace forms
