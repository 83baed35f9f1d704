#pragma once
// Key codes, Shift states and mouse buttons between Qt and the windows.
#include <Qt>

#include "platform/forms/application.h"

class QKeyEvent;

namespace formsqt {

// The Shift argument of the key and mouse events: vbShiftMask, vbCtrlMask and
// vbAltMask added up.
int ShiftState(Qt::KeyboardModifiers modifiers);

// The key code KeyDown receives for a key of the keyboard (vbKeyA is 65, the
// arrows 37 to 40, F1 112...); 0 for a key the windows have no code for.
int VbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// A key pressed, as the windows receive it: its key code, the Shift state and
// the Windows-1252 code of the character it types (Enter 13, Escape 27,
// Backspace 8, Ctrl+letter its control code; 0 for none, '?' for a character
// outside Windows-1252).
forms::Keystroke KeystrokeOf(const QKeyEvent& event);

// vbLeftButton, vbRightButton or vbMiddleButton.
int VbButton(Qt::MouseButton button);
int VbButtons(Qt::MouseButtons buttons);

}  // namespace formsqt
