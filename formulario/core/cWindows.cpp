#include "formulario/core/cWindows.h"

#include "platform/win/window_list.h"

namespace korva {

bool cWindows::CorreApp(const std::string& sTitulo) const {
  for (const std::string& titulo : win::CurrentWindowList().VisibleTitles()) {
    if (titulo.empty()) continue;
    if (titulo == sTitulo) return true;
  }
  return false;
}

}  // namespace korva
