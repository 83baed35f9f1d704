#pragma once
// MsgBox, DoEvents, SendKeys, help, Screen, Clipboard and the Forms collection.
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/constants.h"
#include "platform/forms/host.h"

namespace forms {

class Control;
class Form;

// Shows a message box through the host: `style` adds up the buttons, the icon
// and the default button (vbYesNo + vbQuestion + vbDefaultButton2); the answer
// is the button pressed (vbOK 1, vbCancel 2, vbRetry 4, vbYes 6, vbNo 7). With
// no title the box carries the program's title (vb::App::Title).
int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "");

// Lets waiting events run: the keys sent with SendKeys, then the host's own
// queue. Answers the number of loaded forms.
int DoEvents();

// Whether the program waits in its message loop (the innermost modal form's, or
// its own) with no event handler running: where a person's next action lands.
// Inside a handler, and in a DoEvents or a message box it runs, it does not.
bool InMessageLoop();

// Queues keystrokes for the active form, delivered when the program is back in
// its message loop (or at once with `wait`): "{TAB}", "{ENTER}" or "~", "{ESC}",
// "{BACKSPACE}", "{DELETE}", "{F1}" and plain characters.
void SendKeys(const std::string& keys, bool wait = false);
std::vector<Keystroke> ParseKeys(const std::string& keys);

// Opens the help file through the host. F1 opens the program's help file
// (vb::App::HelpFile) at the topic of the focused control, its container or form.
void ShowHelp(const std::string& file, int command, long context);

// The width in pixels of `text` written in `font`, as the host measures it.
int TextWidth(const std::string& text, const Font& font);

// The runtime's Screen object.
class ScreenObject {
 public:
  int MousePointer() const;
  void SetMousePointer(int pointer);
  Form* ActiveForm() const;
  Control* ActiveControl() const;
};
inline ScreenObject Screen;

// The runtime's Clipboard object, kept by the host.
class ClipboardObject {
 public:
  void Clear();
  std::string GetText() const;
  void SetText(const std::string& text);
};
inline ClipboardObject Clipboard;

// The loaded forms, in the order they were loaded (the runtime's Forms).
const std::vector<Form*>& Forms();
// Whether `form` is among the loaded forms, asked without touching the object:
// one that was unloaded and let go (a released default instance) may be gone.
bool IsLoaded(const Form* form);

// Drops every form instance and the windows' shared state: the active form,
// pending keys, the mouse pointer. For tests and for a host that starts over.
void ResetApplication();

}  // namespace forms
