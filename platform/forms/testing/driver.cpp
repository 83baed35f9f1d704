#include "platform/forms/testing/driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/vb/encoding.h"

namespace forms {

namespace {

bool AnswerFits(int style, int answer) {
  std::vector<int> buttons = ButtonsOf(style);
  return std::find(buttons.begin(), buttons.end(), answer) != buttons.end();
}

std::string Show(const MessageBoxCall& box) {
  return "\"" + box.text + "\" (style " + std::to_string(box.style) + ", title \"" + box.title +
         "\")";
}

}  // namespace

std::vector<int> ButtonsOf(int style) {
  switch (style & vbButtonsMask) {
    case vbOKOnly:
      return {vbOK};
    case vbOKCancel:
      return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
      return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
      return {vbYes, vbNo, vbCancel};
    case vbYesNo:
      return {vbYes, vbNo};
    case vbRetryCancel:
      return {vbRetry, vbCancel};
    default:
      return {};
  }
}

void TestDriver::LogEvents(Form& form) {
  logsMessageBoxes_ = true;
  auto trace = [this](auto& event, std::string name) {
    if (event) Trace(event, std::move(name));
  };
  trace(form.Load, "Form_Load");
  trace(form.Activate, "Form_Activate");
  trace(form.Deactivate, "Form_Deactivate");
  trace(form.QueryUnload, "Form_QueryUnload");
  trace(form.Unload, "Form_Unload");
  for (Control* control : form.Controls()) {
    std::string index = control->Index() >= 0 ? "(" + std::to_string(control->Index()) + ")" : "";
    auto name = [&](const char* event) { return control->Name() + "_" + event + index; };
    trace(control->Click, name("Click"));
    trace(control->DblClick, name("DblClick"));
    trace(control->GotFocus, name("GotFocus"));
    trace(control->LostFocus, name("LostFocus"));
    trace(control->Validate, name("Validate"));
    trace(control->KeyDown, name("KeyDown"));
    trace(control->KeyUp, name("KeyUp"));
    trace(control->KeyPress, name("KeyPress"));
    trace(control->MouseDown, name("MouseDown"));
    trace(control->MouseUp, name("MouseUp"));
    trace(control->MouseMove, name("MouseMove"));
    if (auto* entry = dynamic_cast<TextEntry*>(control)) trace(entry->Change, name("Change"));
    if (auto* combo = dynamic_cast<ComboBox*>(control)) {
      trace(combo->Change, name("Change"));
      trace(combo->DropDown, name("DropDown"));
    }
    if (auto* label = dynamic_cast<Label*>(control)) trace(label->Change, name("Change"));
  }
}

TestDriver::TestDriver() {
  ResetApplication();
  SetHost(this);
}

TestDriver::~TestDriver() {
  if (!answers_.empty()) {
    ADD_FAILURE() << answers_.size() << " message box answer(s) were never asked for";
  }
  ResetApplication();
  if (CurrentHost() == this) SetHost(nullptr);
}

void TestDriver::Fail(const std::string& why) {
  ADD_FAILURE() << why;
  throw ScriptFailure(why);
}

void TestDriver::Answer(int answer) { answers_.push_back({std::nullopt, answer, {}}); }

void TestDriver::Expect(const MessageBoxCall& box, int answer) { answers_.push_back({box, answer, {}}); }

void TestDriver::Expect(const MessageBoxCall& box, int answer, std::function<void()> whileShown) {
  answers_.push_back({box, answer, std::move(whileShown)});
}

int TestDriver::MsgBox(const std::string& prompt, int style, const std::string& title) {
  MessageBoxCall box{prompt, style, title};
  boxes_.push_back(box);
  if (logsMessageBoxes_) log_.push_back("MsgBox: " + prompt);
  if (answers_.empty() && anyBox_) {
    int answer = anyBox_(box);
    if (!AnswerFits(style, answer)) {
      Fail("answer " + std::to_string(answer) + " is no button of message box " + Show(box));
    }
    return answer;
  }
  if (answers_.empty()) Fail("unexpected message box " + Show(box));
  Reply next = answers_.front();
  answers_.pop_front();
  if (next.expected && *next.expected != box) {
    Fail("message box " + Show(box) + " where " + Show(*next.expected) + " was expected");
  }
  if (!AnswerFits(style, next.answer)) {
    Fail("answer " + std::to_string(next.answer) + " is no button of message box " + Show(box));
  }
  if (next.whileShown) next.whileShown();
  return next.answer;
}

void TestDriver::RunModal(Form& form) {
  modalForms_.push_back(form.Name());
  auto script = scripts_.find(std::type_index(typeid(form)));
  if (script != scripts_.end()) {
    script->second(form);
  } else if (anyModal_) {
    anyModal_(form);
  } else {
    Fail("form " + form.Name() + " shown modally with no script");
  }
  if (form.IsLoaded() && form.Visible()) {
    Fail("form " + form.Name() + " still shown after its modal script");
  }
}

std::string TestDriver::Describe(const Control& control) {
  std::string name = control.Parent().Name() + "." + control.Name();
  if (control.Index() >= 0) name += "(" + std::to_string(control.Index()) + ")";
  return name;
}

void TestDriver::Require(bool done, const std::string& action, const Control& control) {
  if (!done) Fail("cannot " + action + " " + Describe(control) + ": a person could not reach it");
}

void TestDriver::Type(Control& control, std::string_view text) {
  if (!user::CanReach(control) || !control.CanTakeFocus()) {
    Require(false, "type into", control);
  }
  if (!user::Focus(control)) Fail("the focus did not reach " + Describe(control));
  Keys(control.Parent(), text);
}

void TestDriver::Keys(Form& form, std::string_view text) {
  for (char32_t ch : vb::DecodeUtf8(std::string(text))) {
    if (!user::Char(form, ch)) Fail("cannot type into form " + form.Name());
  }
}

void TestDriver::Key(Form& form, int keyCode, int shift) {
  if (!user::Key(form, keyCode, shift)) Fail("cannot press a key on form " + form.Name());
}

bool TestDriver::Focus(Control& control) {
  Require(user::CanReach(control) && control.CanTakeFocus(), "focus", control);
  return user::Focus(control);
}

void TestDriver::Click(Control& control) {
  Require(user::CanReach(control), "click", control);
  user::Click(control);
}

void TestDriver::DblClick(Control& control) {
  Require(user::CanReach(control), "double-click", control);
  user::DblClick(control);
}

void TestDriver::RightClick(Control& control) {
  Require(user::MouseDown(control, vbRightButton), "right-click", control);
  user::MouseUp(control, vbRightButton);
}

void TestDriver::ContextPaste(TextBox& box) {
  Require(user::ContextPaste(box), "paste into", box);
}

void TestDriver::ClickAt(TextEntry& box, int position) {
  Require(user::CanReach(box), "click into", box);
  user::ClickAt(box, position);
}

void TestDriver::MouseMove(Form& form) {
  if (!user::MouseMove(form)) Fail("cannot move the mouse over form " + form.Name());
}

void TestDriver::MouseMove(Control& control) {
  Require(user::MouseMove(control), "move the mouse over", control);
}

void TestDriver::DropDown(ComboBox& combo) { Require(user::DropDown(combo), "open the list of", combo); }

void TestDriver::Select(ComboBox& combo, int index) {
  Require(user::SelectItem(combo, index), "select item " + std::to_string(index) + " of", combo);
}

void TestDriver::Select(ListBox& list, int index) {
  Require(user::SelectItem(list, index), "select item " + std::to_string(index) + " of", list);
}

void TestDriver::Replace(TextBox& box, const std::string& text) {
  Require(user::ReplaceText(box, text), "replace the text of", box);
}

void TestDriver::ChooseTab(TabControl& tabs, int tab) {
  Require(user::ChooseTab(tabs, tab), "choose tab " + std::to_string(tab) + " of", tabs);
}

void TestDriver::ChooseMenu(Menu& menu) { Require(user::ChooseMenu(menu), "choose", menu); }

void TestDriver::PressToolbarButton(Toolbar& toolbar, int index) {
  Require(user::PressToolbarButton(toolbar, index), "press button " + std::to_string(index) + " of",
          toolbar);
}

void TestDriver::Scroll(ScrollBar& bar, int value) { Require(user::Scroll(bar, value), "scroll", bar); }
void TestDriver::Scroll(ListBox& list, int topIndex) { Require(user::Scroll(list, topIndex), "scroll", list); }

void TestDriver::ChooseFolder(FileChooser& chooser, const std::string& path) {
  Require(user::ChooseFolder(chooser, path), "choose a folder in", chooser);
}

void TestDriver::ChooseFile(FileChooser& chooser, const std::string& name) {
  Require(user::ChooseFile(chooser, name), "choose " + name + " in", chooser);
}

void TestDriver::PickRow(DataGrid& grid, long row) {
  Require(user::ChooseRow(grid, row), "pick row " + std::to_string(row) + " of", grid);
}

void TestDriver::DblClickRow(DataGrid& grid, long row) {
  PickRow(grid, row);
  DblClick(grid);
}

void TestDriver::HeadClick(DataGrid& grid, int col) {
  Require(user::ClickHeader(grid, col), "click header " + std::to_string(col) + " of", grid);
}

void TestDriver::Close(Form& form) {
  if (!user::CanReach(form)) Fail("cannot close form " + form.Name());
  user::Close(form);
}

void TestDriver::BringToFront(Form& form) {
  if (!user::BringToFront(form)) Fail("cannot bring form " + form.Name() + " to the front");
}

}  // namespace forms
