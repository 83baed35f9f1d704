#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A push button. Enter presses the form's Default button and Escape its Cancel
// button wherever the focus is (a focused button takes Enter itself).
class CommandButton : public Control {
 public:
  CommandButton(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "CommandButton"; }
  bool CanTakeFocus() const override { return true; }

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  // One Default button per form: making one the default clears the others.
  bool Default() const { return props_->isDefault; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return props_->cancel; }
  void SetCancel(bool cancel);
  // Reads False; setting True presses the button from code: Click runs at once.
  bool Value() const { return false; }
  void SetValue(bool value);
  // The name of the picture shown instead of (or with) the caption.
  const std::string& Picture() const { return props_->picture; }
  void SetPicture(std::string picture);

 protected:
  void OnUserChar(int keyAscii) override;

 private:
  struct Props {
    std::string caption;
    bool isDefault = false;
    bool cancel = false;
    std::string picture;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
