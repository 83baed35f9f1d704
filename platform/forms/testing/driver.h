#pragma once
// The headless host the tests drive the windows with.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/forms/forms.h"

namespace forms {

// A message box as a window showed it.
struct MessageBoxCall {
  std::string text;
  int style = vbOKOnly;
  std::string title;
  friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
};

// The answers a message box of `style` offers, in the order of its buttons.
std::vector<int> ButtonsOf(int style);

// What the driver throws (after failing the test) when the windows do what the
// test did not script: a message box nobody answers, a modal form with no
// script, an action on a control a person could not reach.
class ScriptFailure : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The headless application object for tests. While it lives it is the windows'
// host: it answers message boxes from a queue of answers, runs the script
// registered for a form class whenever such a form is shown modally (the modal
// Show returns when the script has closed the form), keeps the clipboard, and
// records message boxes, help requests and mouse pointers. Its actions type,
// click and choose as a person does, through the same events.
class TestDriver : public Host {
 public:
  TestDriver();
  ~TestDriver() override;
  TestDriver(const TestDriver&) = delete;
  TestDriver& operator=(const TestDriver&) = delete;

  // The next message box is answered with `answer`.
  void Answer(int answer);
  // The next message box must be exactly `box`; it is answered with `answer`.
  void Expect(const MessageBoxCall& box, int answer = vbOK);
  // As Expect, and `whileShown` runs while the box waits for its answer, so that a
  // test can look at what the program left in place before the person answers.
  void Expect(const MessageBoxCall& box, int answer, std::function<void()> whileShown);
  const std::vector<MessageBoxCall>& MessageBoxes() const { return boxes_; }
  std::size_t PendingAnswers() const { return answers_.size(); }
  // For tests that throw a person's random actions at a window: a message box
  // that finds no queued answer is answered with what `chooser` returns (one of
  // ButtonsOf(box.style)) instead of failing the test. An empty chooser ends it.
  void AnswerAnyBox(std::function<int(const MessageBoxCall&)> chooser) {
    anyBox_ = std::move(chooser);
  }

  // `script` runs each time a form of class T is shown modally; it must close it.
  template <class T>
  void OnModal(std::type_identity_t<std::function<void(T&)>> script) {
    scripts_[std::type_index(typeid(T))] = [script](Form& form) { script(static_cast<T&>(form)); };
  }
  // `script` runs for a form shown modally whose class has no script of its own;
  // it must close it. An empty script ends it.
  void OnAnyModal(std::function<void(Form&)> script) { anyModal_ = std::move(script); }
  // The names of the forms shown modally, in order.
  const std::vector<std::string>& ModalForms() const { return modalForms_; }

  // The driver's log of events: Trace makes `event` write `name` into it each
  // time it is raised, before the handler the form gave it runs, so that a test
  // sees in which order nested handlers ran. TakeLog hands the log over and
  // empties it.
  template <class... A>
  void Trace(Event<A...>& event, std::string name) {
    event = [this, name = std::move(name), handler = std::move(event)](A... args) {
      log_.push_back(name);
      if (handler) handler(std::forward<A>(args)...);
    };
  }
  std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }
  // Traces, from now on, every handler the form's code set for the form's own
  // events ("Form_Load") and for those of the controls it has now
  // ("cboTributo_Click", "OptRespDDJJ_Click(0)"): every control's Click,
  // DblClick, focus, Validate, key and mouse events and the Change of text,
  // masked and combo boxes and labels. Message boxes then go into the log too, as
  // "MsgBox: " and their text. A handler set after this call is not traced.
  void LogEvents(Form& form);

  const std::vector<HelpRequest>& HelpRequests() const { return help_; }
  const std::vector<int>& MousePointers() const { return pointers_; }
  int DoEventsCount() const { return doEvents_; }

  // A person at the keyboard: focuses `control`, then types `text` a key at a
  // time; "\r" is Enter, "\t" Tab, "\b" Backspace. Keys go wherever the focus
  // is, so after an Enter that moves it they land in the next control.
  void Type(Control& control, std::string_view text);
  // Types into whatever holds the focus on `form`.
  void Keys(Form& form, std::string_view text);
  void Key(Form& form, int keyCode, int shift = 0);
  // Clicks into a control; false when Validate kept the focus elsewhere.
  bool Focus(Control& control);
  void Click(Control& control);
  void DblClick(Control& control);
  void RightClick(Control& control);
  // The right button's menu: right-click, then paste the clipboard's text.
  void ContextPaste(TextBox& box);
  // Clicks into an entry box before character `position` of its text.
  void ClickAt(TextEntry& box, int position);
  void MouseMove(Form& form);
  void MouseMove(Control& control);
  // Opens a combo's list (its DropDown runs) without choosing from it.
  void DropDown(ComboBox& combo);
  void Select(ComboBox& combo, int index);
  void Select(ListBox& list, int index);
  // Replaces a box's whole text at once, as selecting it and pasting does.
  void Replace(TextBox& box, const std::string& text);
  void ChooseTab(TabControl& tabs, int tab);
  void ChooseMenu(Menu& menu);
  void PressToolbarButton(Toolbar& toolbar, int index);
  void Scroll(ScrollBar& bar, int value);
  void Scroll(ListBox& list, int topIndex);
  void ChooseFolder(FileChooser& chooser, const std::string& path);
  void ChooseFile(FileChooser& chooser, const std::string& name);
  void Close(Form& form);
  // Brings a shown form's window to the front, making it the active form.
  void BringToFront(Form& form);
  // A grid's rows by their position, its headers by column.
  void PickRow(DataGrid& grid, long row);
  void DblClickRow(DataGrid& grid, long row);
  void HeadClick(DataGrid& grid, int col);

  // Fails the test and throws ScriptFailure.
  [[noreturn]] void Fail(const std::string& why);

  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void RunModal(Form& form) override;
  void ShowHelp(const HelpRequest& request) override { help_.push_back(request); }
  void DoEvents() override { ++doEvents_; }
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  void MousePointerChanged(int pointer) override { pointers_.push_back(pointer); }

 private:
  struct Reply {
    std::optional<MessageBoxCall> expected;
    int answer;
    std::function<void()> whileShown;
  };

  void Require(bool done, const std::string& action, const Control& control);
  static std::string Describe(const Control& control);

  std::deque<Reply> answers_;
  std::vector<MessageBoxCall> boxes_;
  std::map<std::type_index, std::function<void(Form&)>> scripts_;
  std::function<void(Form&)> anyModal_;
  std::function<int(const MessageBoxCall&)> anyBox_;
  std::vector<std::string> modalForms_;
  std::vector<std::string> log_;
  bool logsMessageBoxes_ = false;
  std::vector<HelpRequest> help_;
  std::vector<int> pointers_;
  std::string clipboard_;
  int doEvents_ = 0;
};

}  // namespace forms
