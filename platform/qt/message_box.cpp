#include "platform/qt/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/forms/constants.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

using forms::vbAbort;
using forms::vbCancel;
using forms::vbIgnore;
using forms::vbNo;
using forms::vbOK;
using forms::vbRetry;
using forms::vbYes;

QMessageBox::Icon IconOf(int style) {
  switch (style & forms::vbIconMask) {
    case forms::vbCritical:
      return QMessageBox::Critical;
    case forms::vbQuestion:
      return QMessageBox::Question;
    case forms::vbExclamation:
      return QMessageBox::Warning;
    case forms::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::ButtonRole RoleOf(int answer) {
  switch (answer) {
    case vbOK:
    case vbYes:
    case vbRetry:
      return QMessageBox::AcceptRole;
    case vbNo:
      return QMessageBox::NoRole;
    case vbCancel:
    case vbAbort:
      return QMessageBox::RejectRole;
    default:
      return QMessageBox::ActionRole;
  }
}

// The answer Escape and the close box give, 0 where the box has none.
int EscapeAnswer(const std::vector<MessageBoxButton>& buttons) {
  for (const MessageBoxButton& button : buttons) {
    if (button.answer == vbCancel) return vbCancel;
  }
  return buttons.size() == 1 ? buttons.front().answer : 0;
}

// The runtime's prompts break lines with vbCrLf.
QString PlainLines(const std::string& text) {
  QString lines = ToQString(text);
  lines.replace("\r\n", "\n");
  lines.replace('\r', '\n');
  return lines;
}

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtons(int style) {
  switch (style & forms::vbButtonsMask) {
    case forms::vbOKCancel:
      return {{"Aceptar", vbOK}, {"Cancelar", vbCancel}};
    case forms::vbAbortRetryIgnore:
      return {{"Anular", vbAbort}, {"Reintentar", vbRetry}, {"Omitir", vbIgnore}};
    case forms::vbYesNoCancel:
      return {{"Sí", vbYes}, {"No", vbNo}, {"Cancelar", vbCancel}};
    case forms::vbYesNo:
      return {{"Sí", vbYes}, {"No", vbNo}};
    case forms::vbRetryCancel:
      return {{"Reintentar", vbRetry}, {"Cancelar", vbCancel}};
    default:
      return {{"Aceptar", vbOK}};
  }
}

int ShowMessageBox(QWidget* parent, const std::string& prompt, int style, const std::string& title) {
  QMessageBox box(parent);
  box.setWindowTitle(ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(PlainLines(prompt));
  box.setIcon(IconOf(style));
  std::vector<MessageBoxButton> buttons = MessageBoxButtons(style);
  std::vector<QPushButton*> pushButtons;
  for (const MessageBoxButton& button : buttons) {
    pushButtons.push_back(box.addButton(button.caption, RoleOf(button.answer)));
  }
  std::size_t preferred = static_cast<std::size_t>((style & forms::vbDefaultMask) >> 8);
  box.setDefaultButton(pushButtons[preferred < pushButtons.size() ? preferred : 0]);
  int escape = EscapeAnswer(buttons);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i].answer == escape) box.setEscapeButton(pushButtons[i]);
  }
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == pushButtons[i]) return buttons[i].answer;
  }
  return escape != 0 ? escape : buttons.front().answer;
}

}  // namespace formsqt
