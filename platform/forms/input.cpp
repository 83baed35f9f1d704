#include "platform/forms/input.h"

#include <algorithm>
#include <utility>

#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/file_chooser.h"
#include "platform/forms/form.h"
#include "platform/forms/list_box.h"
#include "platform/forms/menu.h"
#include "platform/forms/scope_exit.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/services.h"
#include "platform/forms/tab_control.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toolbar.h"
#include "platform/forms/user.h"
#include "platform/vb/app.h"
#include "platform/vb/encoding.h"

namespace forms {
namespace detail {

void DeliverKeystroke(Form& form, const Keystroke& key) { Input::Deliver(form, key); }

namespace {

struct FocusMove {
  bool moving = false;
  Form* pendingForm = nullptr;
  Control* pending = nullptr;
};

FocusMove& Moves() {
  static FocusMove moves;
  return moves;
}

bool StillThere(const Form& form, const Control* control) {
  const auto& controls = form.Controls();
  return std::find(controls.begin(), controls.end(), control) != controls.end();
}

bool Before(const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); }

}  // namespace

bool Input::Focusable(const Control& control) {
  return control.CanTakeFocus() && control.IsShown() && control.IsEnabledInContext();
}

std::vector<Control*> Input::TabOrder(const Form& form) {
  std::vector<Control*> order;
  for (Control* control : form.Controls()) {
    if (Focusable(*control) && control->InTabOrder()) order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(), Before);
  return order;
}

Control* Input::NextInTabOrder(const Form& form, const Control* from, bool forward) {
  std::vector<Control*> order = TabOrder(form);
  if (order.empty()) return nullptr;
  if (!forward) std::reverse(order.begin(), order.end());
  if (!from) return order.front();
  auto at = std::find(order.begin(), order.end(), from);
  if (at != order.end()) return ++at == order.end() ? order.front() : *at;
  // The control left the tab order (hidden, disabled): go on from its TabIndex.
  for (Control* control : order) {
    if (forward ? from->TabIndex() < control->TabIndex() : control->TabIndex() < from->TabIndex()) {
      return control;
    }
  }
  return order.front();
}

bool Input::MoveFocus(Form& form, Control* target) {
  FocusMove& moves = Moves();
  if (moves.moving) {
    moves.pendingForm = &form;
    moves.pending = target;
    return true;
  }
  Control* from = form.active_;
  if (from == target) return true;
  Dispatch scope;
  moves.moving = true;
  {
    ScopeExit done([&moves] { moves.moving = false; });
    if (from && target && target->CausesValidation()) {
      bool cancel = false;
      from->Fire(from->Validate, cancel);
      if (cancel) {
        moves.pending = nullptr;
        return false;
      }
    }
    form.active_ = target;
    if (Host* host = App().host) host->FocusChanged(form, target);
    if (from) from->Fire(from->LostFocus);
    if (target && form.active_ == target) target->Fire(target->GotFocus);
  }
  if (Control* next = std::exchange(moves.pending, nullptr)) {
    Form& nextForm = *moves.pendingForm;
    if (StillThere(nextForm, next) && Focusable(*next)) MoveFocus(nextForm, next);
  }
  return form.active_ == target;
}

// Enter goes to the focused button or else to the form's Default button, Escape
// to its Cancel button; neither then reaches the focused control.
bool Input::PressSpecialButton(Form& form, Control* target, const Keystroke& key) {
  if (key.shift != 0) return false;
  if (key.keyCode == vbKeyReturn) {
    if (auto* focused = dynamic_cast<CommandButton*>(target)) {
      focused->Fire(focused->Click);
      return true;
    }
  }
  if (key.keyCode != vbKeyReturn && key.keyCode != vbKeyEscape) return false;
  for (Control* control : form.Controls()) {
    auto* button = dynamic_cast<CommandButton*>(control);
    if (!button || !button->IsShown() || !button->IsEnabledInContext()) continue;
    if (key.keyCode == vbKeyReturn ? button->Default() : button->Cancel()) {
      button->Fire(button->Click);
      return true;
    }
  }
  return false;
}

void Input::ShowHelpFor(const Form& form, const Control* target) {
  std::string file = vb::App::HelpFile();
  if (file.empty() || !App().host) return;
  long context = target ? target->HelpContext() : 0;
  if (context == 0) context = form.HelpContextID();
  ShowHelp(file, context ? cdlHelpContext : cdlHelpContents, context);
}

void Input::KeyDownPhase(Form& form, Control* target, const Keystroke& key) {
  int code = key.keyCode;
  if (form.KeyPreview() || !target) form.Fire(form.KeyDown, code, key.shift);
  if (code != 0 && target) target->Fire(target->KeyDown, code, key.shift);
  if (code == vbKeyF1) ShowHelpFor(form, target);
  if (code != 0 && target && form.active_ == target) target->OnUserKey(code, key.shift);
}

void Input::KeyPressPhase(Form& form, Control* target, int keyAscii) {
  if (form.KeyPreview() || !target) form.Fire(form.KeyPress, keyAscii);
  if (keyAscii != 0 && target) target->Fire(target->KeyPress, keyAscii);
  if (keyAscii != 0 && target) target->OnUserChar(keyAscii);
}

void Input::KeyUpPhase(Form& form, Control* target, const Keystroke& key) {
  int code = key.keyCode;
  if (form.KeyPreview() || !target) form.Fire(form.KeyUp, code, key.shift);
  if (code != 0 && target && StillThere(form, target)) target->Fire(target->KeyUp, code, key.shift);
}

void Input::Deliver(Form& form, const Keystroke& key) {
  if (!form.IsLoaded() || !form.Visible() || !form.Enabled()) return;
  Dispatch scope;
  Control* target = form.active_;
  if (target && !Focusable(*target)) target = nullptr;
  if (key.keyCode == vbKeyTab && (key.shift & (vbCtrlMask | vbAltMask)) == 0) {
    Control* next = NextInTabOrder(form, form.active_, (key.shift & vbShiftMask) == 0);
    if (next) MoveFocus(form, next);
    return;
  }
  if (PressSpecialButton(form, target, key)) return;
  if (key.keyCode != 0) KeyDownPhase(form, target, key);
  if (key.keyAscii != 0 && form.IsLoaded()) {
    if (target && !StillThere(form, target)) target = nullptr;
    KeyPressPhase(form, target, key.keyAscii);
  }
  if (key.keyCode != 0 && form.IsLoaded()) KeyUpPhase(form, target, key);
}

bool Input::Click(Control& control) {
  Dispatch scope;
  if (control.CanTakeFocus() && !MoveFocus(control.Parent(), &control)) return false;
  control.OnUserClick();
  return true;
}

void Input::Fire(Control& control, const Event<>& event) { control.Fire(event); }

void Input::FireMouse(Control& control, const Event<int, int, double, double>& event, int button,
                      int shift, double x, double y) {
  control.Fire(event, button, shift, x, y);
}

void Input::FireMouse(Form& form, const Event<int, int, double, double>& event, int button,
                      int shift, double x, double y) {
  form.Fire(event, button, shift, x, y);
}

void Input::FireForm(Form& form, const Event<>& event) { form.Fire(event); }

void Input::FireHeadClick(DataGrid& grid, int col) { grid.Fire(grid.HeadClick, col); }

bool Input::Close(Form& form) { return Unload(form, vbFormControlMenu); }

void Input::PressToolbarButton(Toolbar& toolbar, int index) {
  Dispatch scope;
  toolbar.Press(index);
}

void Input::Paste(TextBox& box) {
  Dispatch scope;
  if (!box.Locked()) box.Paste();
}

void Input::ReplaceText(TextBox& box, const std::string& text) {
  Dispatch scope;
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(vb::DecodeUtf8(box.Text()).size()));
  box.Replace(vb::DecodeUtf8(text), true);
}

}  // namespace detail

namespace {

int PunctuationKey(char32_t ch) {
  switch (ch) {
    case U'.':
      return 190;
    case U',':
      return 188;
    case U'-':
      return 189;
    case U'/':
      return 191;
    case U';':
      return 186;
    case U'=':
      return 187;
    default:
      return 0;
  }
}

}  // namespace

Keystroke KeystrokeFor(char32_t ch) {
  switch (ch) {
    case U'\r':
    case U'\n':
      return {vbKeyReturn, 0, 13};
    case U'\t':
      return {vbKeyTab, 0, 0};
    case U'\b':
      return {vbKeyBack, 0, 8};
    case 27:
      return {vbKeyEscape, 0, 27};
    default:
      break;
  }
  int code = vb::Cp1252Code(ch);
  if (code < 0) code = '?';
  if (ch >= U'a' && ch <= U'z') return {static_cast<int>(ch - 32), 0, code};
  if (ch >= U'A' && ch <= U'Z') return {static_cast<int>(ch), vbShiftMask, code};
  if ((ch >= U'0' && ch <= U'9') || ch == U' ') return {static_cast<int>(ch), 0, code};
  return {PunctuationKey(ch), 0, code};
}

Keystroke KeystrokeForKey(int keyCode, int shift) {
  int ascii = 0;
  if (keyCode == vbKeyBack || keyCode == vbKeyReturn || keyCode == vbKeyEscape) ascii = keyCode;
  if (keyCode == vbKeySpace) ascii = ' ';
  if ((shift & vbCtrlMask) && keyCode >= 'A' && keyCode <= 'Z') ascii = keyCode - 64;
  return {keyCode, shift, ascii};
}

namespace user {

bool CanReach(const Form& form) {
  const auto& app = detail::App();
  if (!form.IsLoaded() || !form.Visible() || !form.Enabled()) return false;
  return app.modal.empty() || app.modal.back() == &form;
}

bool CanReach(const Control& control) {
  return CanReach(control.Parent()) && control.IsShown() && control.IsEnabledInContext();
}

bool Focus(Control& control) {
  if (!CanReach(control) || !detail::Input::Focusable(control)) return false;
  return detail::Input::MoveFocus(control.Parent(), &control);
}

bool Press(Form& form, const Keystroke& key) {
  if (!CanReach(form)) return false;
  detail::Input::Deliver(form, key);
  return true;
}

bool Key(Form& form, int keyCode, int shift) { return Press(form, KeystrokeForKey(keyCode, shift)); }
bool Char(Form& form, char32_t ch) { return Press(form, KeystrokeFor(ch)); }

bool Click(Control& control) {
  if (!CanReach(control)) return false;
  return detail::Input::Click(control);
}

// A first click that closed the form (and may have destroyed it with its
// controls) leaves no control for the second press.
bool DblClick(Control& control) {
  const Form* form = &control.Parent();
  return Click(control) && IsLoaded(form) && SecondPress(control);
}

bool SecondPress(Control& control) {
  if (!CanReach(control)) return false;
  if (control.CanTakeFocus() && control.Parent().ActiveControl() != &control) return false;
  detail::Input::Fire(control, control.DblClick);
  return true;
}

bool MouseDown(Control& control, int button, int shift, double x, double y) {
  if (!CanReach(control)) return false;
  detail::Dispatch scope;
  if (control.CanTakeFocus() && !detail::Input::MoveFocus(control.Parent(), &control)) return false;
  detail::Input::FireMouse(control, control.MouseDown, button, shift, x, y);
  return true;
}

bool MouseUp(Control& control, int button, int shift, double x, double y) {
  if (!CanReach(control)) return false;
  detail::Input::FireMouse(control, control.MouseUp, button, shift, x, y);
  return true;
}

bool MouseMove(Control& control, int button, int shift, double x, double y) {
  if (!CanReach(control.Parent()) || !control.IsShown()) return false;
  detail::Input::FireMouse(control, control.MouseMove, button, shift, x, y);
  return true;
}

bool MouseMove(Form& form, int button, int shift, double x, double y) {
  if (!form.IsLoaded() || !form.Visible()) return false;
  detail::Input::FireMouse(form, form.MouseMove, button, shift, x, y);
  return true;
}

bool MouseDown(Form& form, int button, int shift, double x, double y) {
  if (!CanReach(form)) return false;
  detail::Input::FireMouse(form, form.MouseDown, button, shift, x, y);
  return true;
}

bool MouseUp(Form& form, int button, int shift, double x, double y) {
  if (!CanReach(form)) return false;
  detail::Input::FireMouse(form, form.MouseUp, button, shift, x, y);
  return true;
}

bool ClickForm(Form& form) {
  if (!CanReach(form)) return false;
  detail::Input::FireForm(form, form.Click);
  return true;
}

bool SecondPress(Form& form) {
  if (!CanReach(form)) return false;
  detail::Input::FireForm(form, form.DblClick);
  return true;
}

bool BringToFront(Form& form) {
  if (!CanReach(form)) return false;
  auto& app = detail::App();
  if (app.active == &form) return true;
  detail::Dispatch scope;
  app.Activate(&form);
  return true;
}

bool Close(Form& form) {
  if (!CanReach(form) || !form.ControlBox()) return false;
  return detail::Input::Close(form);
}

bool SetWindowState(Form& form, int state) {
  if (!CanReach(form)) return false;
  form.SetWindowState(state);
  return true;
}

bool Resize(Form& form, int width, int height) {
  if (!CanReach(form)) return false;
  form.Move(form.Left(), form.Top(), width, height);
  return true;
}

bool ChooseMenu(Menu& menu) {
  if (!CanReach(menu.Parent()) || !menu.Reachable()) return false;
  detail::Input::Fire(menu, menu.Click);
  return true;
}

bool PressToolbarButton(Toolbar& toolbar, int index) {
  if (!CanReach(toolbar) || index < 1 || index > toolbar.ButtonCount()) return false;
  ToolbarButton button = toolbar.Buttons(index);
  if (!button.Enabled() || !button.Visible() || button.Style() == tbrSeparator) return false;
  detail::Input::PressToolbarButton(toolbar, index);
  return true;
}

bool ChooseTab(TabControl& tabs, int tab) {
  if (!CanReach(tabs) || tab < 0 || tab >= tabs.Tabs()) return false;
  if (!tabs.TabEnabled(tab) || !tabs.TabVisible(tab)) return false;
  detail::Dispatch scope;
  if (!detail::Input::MoveFocus(tabs.Parent(), &tabs)) return false;
  tabs.SetTab(tab);
  return true;
}

bool DropDown(ComboBox& combo) {
  if (!CanReach(combo)) return false;
  detail::Dispatch scope;
  if (!detail::Input::MoveFocus(combo.Parent(), &combo)) return false;
  detail::Input::Fire(combo, combo.DropDown);
  return true;
}

bool SelectItem(ComboBox& combo, int index) {
  if (!Focus(combo) || index < -1 || index >= combo.ListCount()) return false;
  combo.SetListIndex(index);
  return true;
}

bool SelectItem(ListBox& list, int index) {
  if (!Focus(list) || index < -1 || index >= list.ListCount()) return false;
  list.SetListIndex(index);
  return true;
}

bool ReplaceText(TextBox& box, const std::string& text) {
  if (!Focus(box) || box.Locked()) return false;
  detail::Input::ReplaceText(box, text);
  return true;
}

bool ContextPaste(TextBox& box) {
  if (!MouseDown(box, vbRightButton)) return false;
  MouseUp(box, vbRightButton);
  PasteFromMenu(box);
  return true;
}

bool PasteFromMenu(TextBox& box) {
  if (!CanReach(box) || box.Locked()) return false;
  detail::Input::Paste(box);
  return true;
}

bool ClickAt(TextEntry& box, int position) {
  bool entering = box.Parent().ActiveControl() != &box;
  if (!MouseDown(box, vbLeftButton)) return false;
  if (box.Parent().ActiveControl() != &box) return true;
  if (!entering || box.SelLength() == 0) box.SetSelStart(position);
  MouseUp(box, vbLeftButton);
  return Click(box);
}

bool Scroll(ScrollBar& bar, int value) {
  if (!CanReach(bar)) return false;
  detail::Dispatch scope;
  bar.SetValue(std::clamp(value, std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max())));
  return true;
}

bool Scroll(ListBox& list, int topIndex) {
  if (!CanReach(list)) return false;
  detail::Dispatch scope;
  list.SetTopIndex(std::clamp(topIndex, 0, std::max(0, list.ListCount() - 1)));
  return true;
}

bool ChooseFolder(FileChooser& chooser, const std::string& path) {
  if (!Focus(chooser)) return false;
  chooser.SetPath(path);
  return true;
}

bool ChooseFile(FileChooser& chooser, const std::string& name) {
  if (!Focus(chooser)) return false;
  for (int i = 0; i < chooser.ListCount(); ++i) {
    if (chooser.List(i) == name) {
      chooser.SetListIndex(i);
      return true;
    }
  }
  return false;
}

bool ChooseRow(DataGrid& grid, long row) {
  if (!Focus(grid) || row < 0 || row >= grid.RowCount()) return false;
  grid.SetBookmark(vb::Variant(row));
  return true;
}

bool ClickHeader(DataGrid& grid, int col) {
  if (!Focus(grid) || col < 0 || col >= grid.ColumnCount()) return false;
  detail::Input::FireHeadClick(grid, col);
  return true;
}

}  // namespace user
}  // namespace forms
