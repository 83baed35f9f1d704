#pragma once
// The state the windows of one program share.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/forms/constants.h"

namespace forms {

class Control;
class Form;
class Host;

// A keystroke as the keyboard delivers it: the key's code, the Shift/Ctrl/Alt
// state, and the Windows-1252 code of the character it types (0 for none).
struct Keystroke {
  int keyCode = 0;
  int shift = 0;
  int keyAscii = 0;
  friend bool operator==(const Keystroke&, const Keystroke&) = default;
};

namespace detail {

// The state the windows of one program share: the host, the loaded forms in the
// order they were last activated, the modal loops in progress, the keys waiting
// to be delivered and the default instances of the form classes.
class Application {
 public:
  ~Application();

  Host* host = nullptr;
  std::vector<Form*> loaded;
  // Shown forms, the most recently activated last.
  std::vector<Form*> shown;
  Form* active = nullptr;
  std::vector<Form*> modal;
  int depth = 0;
  // The dispatch depth at which each message loop runs: the program's own, then
  // one per modal form.
  std::vector<int> loopDepth{0};
  std::deque<Keystroke> input;
  bool pumping = false;
  std::map<std::type_index, std::unique_ptr<Form>> defaults;
  std::vector<std::unique_ptr<Form>> released;
  int mousePointer = vbDefault;

  void Forget(Form* form);
  void Activate(Form* form);
  void ActivateTopmost();
  void Bury(std::unique_ptr<Form> form);
  void BackInLoop();
};

Application& App();
Host& RequireHost();

}  // namespace detail
}  // namespace forms
