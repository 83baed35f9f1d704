#include "platform/qt/keys.h"

#include <QKeyEvent>

#include "platform/forms/constants.h"
#include "platform/vb/encoding.h"

namespace formsqt {

namespace {

int KeypadCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return 110;
    case Qt::Key_Slash:
      return 111;
    default:
      return 0;
  }
}

int PunctuationCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 222;
    default:
      return 0;
  }
}

int NamedKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return forms::vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return forms::vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return forms::vbKeyReturn;
    case Qt::Key_Shift:
      return forms::vbKeyShift;
    case Qt::Key_Control:
      return forms::vbKeyControl;
    case Qt::Key_Alt:
      return forms::vbKeyMenu;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return forms::vbKeyEscape;
    case Qt::Key_Space:
      return forms::vbKeySpace;
    case Qt::Key_PageUp:
      return forms::vbKeyPageUp;
    case Qt::Key_PageDown:
      return forms::vbKeyPageDown;
    case Qt::Key_End:
      return forms::vbKeyEnd;
    case Qt::Key_Home:
      return forms::vbKeyHome;
    case Qt::Key_Left:
      return forms::vbKeyLeft;
    case Qt::Key_Up:
      return forms::vbKeyUp;
    case Qt::Key_Right:
      return forms::vbKeyRight;
    case Qt::Key_Down:
      return forms::vbKeyDown;
    case Qt::Key_Insert:
      return forms::vbKeyInsert;
    case Qt::Key_Delete:
      return forms::vbKeyDelete;
    case Qt::Key_NumLock:
      return 144;
    case Qt::Key_ScrollLock:
      return 145;
    default:
      return 0;
  }
}

// The character code a key types, from the text the keyboard gave it.
int CharacterCode(const QKeyEvent& event, int keyCode, int shift) {
  if (keyCode == forms::vbKeyTab) return 0;
  if (keyCode == forms::vbKeyReturn || keyCode == forms::vbKeyEscape ||
      keyCode == forms::vbKeyBack) {
    return keyCode;
  }
  if ((shift & forms::vbCtrlMask) && !(shift & forms::vbAltMask) && keyCode >= 'A' &&
      keyCode <= 'Z') {
    return keyCode - 64;
  }
  std::u32string text = event.text().toStdU32String();
  if (text.size() != 1 || text[0] < U' ' || text[0] == 0x7F) return 0;
  int code = vb::Cp1252Code(text[0]);
  return code < 0 ? '?' : code;
}

}  // namespace

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= forms::vbShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= forms::vbCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= forms::vbAltMask;
  return shift;
}

int VbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (int code = KeypadCode(qtKey)) return code;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return forms::vbKeyF1 + (qtKey - Qt::Key_F1);
  if (int code = NamedKeyCode(qtKey)) return code;
  return PunctuationCode(qtKey);
}

forms::Keystroke KeystrokeOf(const QKeyEvent& event) {
  int shift = ShiftState(event.modifiers());
  int keyCode = VbKeyCode(event.key(), event.modifiers());
  return {keyCode, shift, CharacterCode(event, keyCode, shift)};
}

int VbButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return forms::vbLeftButton;
    case Qt::RightButton:
      return forms::vbRightButton;
    case Qt::MiddleButton:
      return forms::vbMiddleButton;
    default:
      return 0;
  }
}

int VbButtons(Qt::MouseButtons buttons) {
  int state = 0;
  if (buttons & Qt::LeftButton) state |= forms::vbLeftButton;
  if (buttons & Qt::RightButton) state |= forms::vbRightButton;
  if (buttons & Qt::MiddleButton) state |= forms::vbMiddleButton;
  return state;
}

}  // namespace formsqt
