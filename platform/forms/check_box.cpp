#include "platform/forms/check_box.h"

#include "platform/forms/errors.h"

namespace forms {

CheckBox::CheckBox(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {}

void CheckBox::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}

void CheckBox::SetValue(int value) {
  if (value < vbUnchecked || value > vbGrayed) detail::Fail(380);
  if (Assign(props_->value, value, ControlProperty::Value)) Fire(Click);
}

void CheckBox::SetAlignment(int alignment) {
  Assign(props_->alignment, alignment, ControlProperty::Alignment);
}

void CheckBox::OnUserClick() { SetValue(Value() == vbChecked ? vbUnchecked : vbChecked); }

void CheckBox::OnUserChar(int keyAscii) {
  if (keyAscii == ' ') OnUserClick();
}

}  // namespace forms
