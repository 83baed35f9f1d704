#pragma once
#include "platform/forms/constants.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"

namespace forms {

// A busy pointer for a scope, whatever road leaves it: Screen.MousePointer is
// vbHourglass from the guard's making and vbDefault again (or the pointer
// named as `after`) when it goes; given a form, the form's own MousePointer is
// `during` for the scope and vbDefault afterwards, the screen's untouched.
// Restore puts the pointer back at once, where the user must see the normal
// pointer before the scope ends (over a message box); the guard then sets
// nothing more.
class Hourglass {
 public:
  Hourglass() : Hourglass(vbHourglass, vbDefault) {}
  Hourglass(int during, int after) : after_(after) { Set(during); }
  explicit Hourglass(Form& form, int during = vbHourglass) : form_(&form) { Set(during); }
  ~Hourglass() { Restore(); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

  void Restore() {
    if (restored_) return;
    restored_ = true;
    Set(after_);
  }

 private:
  void Set(int pointer) {
    if (form_)
      form_->SetMousePointer(pointer);
    else
      Screen.SetMousePointer(pointer);
  }

  Form* form_ = nullptr;
  int after_ = vbDefault;
  bool restored_ = false;
};

}  // namespace forms
