#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// An option of a group: the option buttons that share a container (the form, a
// frame, a picture box, a tab control) exclude each other. Choosing one, from
// code or by a click, clears the others silently and runs its Click at once;
// choosing the one already chosen runs nothing, and clearing one from code runs
// nothing (the non-notified debt window's reset relies on that).
class OptionButton : public Control {
 public:
  OptionButton(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "OptionButton"; }
  bool CanTakeFocus() const override { return true; }
  bool InTabOrder() const override;

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  bool Value() const { return props_->value; }
  void SetValue(bool value);
  int Alignment() const { return props_->alignment; }
  void SetAlignment(int alignment);
  // The option buttons of this one's group, in tab order, this one included.
  std::vector<OptionButton*> Group() const;

 protected:
  void OnUserClick() override;
  void OnUserKey(int keyCode, int shift) override;

 private:
  struct Props {
    std::string caption;
    bool value = false;
    int alignment = vbLeftJustify;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
