#pragma once
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace formsqt {

// One button of a message box: its Spanish caption and the answer it gives.
struct MessageBoxButton {
  QString caption;
  int answer;
  friend bool operator==(const MessageBoxButton&, const MessageBoxButton&) = default;
};

// The buttons a MsgBox style asks for, in their order on the box.
std::vector<MessageBoxButton> MessageBoxButtons(int style);

// Shows a message box over `parent` and waits for the answer: the buttons,
// icon and default button of `style`, Escape and the close box answering
// Cancel where the box has a Cancel button (OK on a box with only OK).
int ShowMessageBox(QWidget* parent, const std::string& prompt, int style, const std::string& title);

}  // namespace formsqt
