#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A tick box: Value vbUnchecked, vbChecked or vbGrayed. A new value, from code
// or from a click, runs Click at once; setting the value it already has runs
// nothing (the debt detail window's reset relies on both).
class CheckBox : public Control {
 public:
  CheckBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "CheckBox"; }
  bool CanTakeFocus() const override { return true; }

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  int Value() const { return props_->value; }
  // A value other than 0, 1 or 2 raises error 380.
  void SetValue(int value);
  int Alignment() const { return props_->alignment; }
  void SetAlignment(int alignment);

 protected:
  void OnUserClick() override;
  void OnUserChar(int keyAscii) override;

 private:
  struct Props {
    std::string caption;
    int value = vbUnchecked;
    int alignment = vbLeftJustify;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
