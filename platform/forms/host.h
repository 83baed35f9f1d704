#pragma once
// The seam between the model and whatever shows it: a test driver or a renderer.
#include <string>

#include "platform/forms/font.h"
#include "platform/forms/property.h"

namespace forms {

class Control;
class Form;

// A request for the help file: which file, which command (contents, context...)
// and which topic number.
struct HelpRequest {
  std::string file;
  int command = 0;
  long context = 0;
  friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The application object behind the windows: the headless test driver, or the
// renderer that shows the forms to a person. The model asks it for what needs a
// person (message boxes, the loop of a modal form, help, the clipboard) and tells
// it every change, so a renderer can keep its widgets in step without the forms'
// code knowing it exists. The notifications are raised only for loaded forms.
class Host {
 public:
  virtual ~Host() = default;

  // Shows a message box and answers which button was pressed (vbOK ... vbNo).
  virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
  // Runs while `form` is shown modally: returns once it is hidden or unloaded.
  virtual void RunModal(Form& form) = 0;
  virtual void ShowHelp(const HelpRequest& request) = 0;
  // Lets queued window events run (the renderer's event loop; nothing headless).
  virtual void DoEvents() {}
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  // The width in pixels of `text` in `font` as the screen shows it. A host that
  // shows nothing (the headless driver, a console) measures by a fixed pitch:
  // 6 pixels a character, the average width of the 8-point variable-pitch font.
  virtual int TextWidth(const std::string& text, const Font& /*font*/) {
    int characters = 0;
    for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return 6 * characters;
  }

  // A form was loaded (its controls exist, it is not shown yet) or unloaded.
  virtual void FormLoaded(Form&) {}
  virtual void FormUnloaded(Form&) {}
  // A control-array element was created or removed while its form is loaded.
  virtual void ControlAdded(Control&) {}
  virtual void ControlRemoved(Control&) {}
  // FormUnloaded and ControlRemoved also come from the destructor of a form or
  // control that goes while loaded: the object may then serve only as a key.
  // A property changed.
  virtual void Changed(Form&, FormProperty) {}
  virtual void Changed(Control&, ControlProperty) {}
  virtual void FocusChanged(Form&, Control* /*focused*/) {}
  virtual void ActiveFormChanged(Form* /*active*/) {}
  virtual void MousePointerChanged(int /*pointer*/) {}
};

// The host the model talks to; nullptr detaches it. Asking for a message box or
// a modal loop with no host attached raises std::logic_error.
void SetHost(Host* host);
Host* CurrentHost();

}  // namespace forms
