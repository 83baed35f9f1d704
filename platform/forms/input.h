#pragma once
// Focus moves and keystrokes in the runtime's order.
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/event.h"

namespace forms {

class Control;
class DataGrid;
class Form;
class TextBox;
class Toolbar;

namespace detail {

// The focus and the keyboard: what moves the focus in tab order, what a
// keystroke raises on the form and its focused control, in the runtime's order.
class Input {
 public:
  // Validate on the control losing the focus (when the new one causes
  // validation), LostFocus, GotFocus. A move asked for while another is in
  // progress (SetFocus in a LostFocus handler) follows once that one ends.
  // False when Validate kept the focus.
  static bool MoveFocus(Form& form, Control* target);
  static bool Focusable(const Control& control);
  // The controls Tab visits, in TabIndex order.
  static std::vector<Control*> TabOrder(const Form& form);
  static Control* NextInTabOrder(const Form& form, const Control* from, bool forward);
  static void Deliver(Form& form, const Keystroke& key);
  // A person's click: the focus moves to a control that takes it, then the
  // control acts. False when Validate kept the focus elsewhere.
  static bool Click(Control& control);
  static void Fire(Control& control, const Event<>& event);
  static void FireMouse(Control& control, const Event<int, int, double, double>& event,
                        int button, int shift, double x, double y);
  static void FireMouse(Form& form, const Event<int, int, double, double>& event, int button,
                        int shift, double x, double y);
  static void FireForm(Form& form, const Event<>& event);
  static void FireHeadClick(DataGrid& grid, int col);
  static bool Close(Form& form);
  static void PressToolbarButton(Toolbar& toolbar, int index);
  // Puts `text` in place of the whole text, as far as MaxLength allows.
  static void ReplaceText(TextBox& box, const std::string& text);
  static void Paste(TextBox& box);

 private:
  static void KeyDownPhase(Form& form, Control* target, const Keystroke& key);
  static void KeyPressPhase(Form& form, Control* target, int keyAscii);
  static void KeyUpPhase(Form& form, Control* target, const Keystroke& key);
  static bool PressSpecialButton(Form& form, Control* target, const Keystroke& key);
  static void ShowHelpFor(const Form& form, const Control* target);
};

}  // namespace detail
}  // namespace forms
