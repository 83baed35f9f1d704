#include "inserta/ConsoleHost.h"

#include <vector>

#include "platform/forms/constants.h"

namespace nuvia {

int DefaultAnswer(int style) {
  using namespace forms;
  static const std::vector<std::vector<int>> kButtons = {
      {vbOK}, {vbOK, vbCancel}, {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel}, {vbYes, vbNo}, {vbRetry, vbCancel}};
  int buttons = style & vbButtonsMask;
  if (buttons >= static_cast<int>(kButtons.size())) buttons = vbOKOnly;
  const std::vector<int>& row = kButtons[buttons];
  std::size_t chosen = static_cast<std::size_t>((style & vbDefaultMask) / vbDefaultButton2);
  return row[chosen < row.size() ? chosen : 0];
}

int ConsoleHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  out_ << title << ": " << prompt << std::endl;
  return DefaultAnswer(style);
}

}  // namespace nuvia
