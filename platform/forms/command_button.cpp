#include "platform/forms/command_button.h"

#include "platform/forms/form.h"

namespace forms {

CommandButton::CommandButton(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {}

void CommandButton::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}

void CommandButton::SetDefault(bool isDefault) {
  if (isDefault) {
    for (Control* control : Parent().Controls()) {
      auto* button = dynamic_cast<CommandButton*>(control);
      if (button && button != this) {
        button->Assign(button->props_->isDefault, false, ControlProperty::Default);
      }
    }
  }
  Assign(props_->isDefault, isDefault, ControlProperty::Default);
}

void CommandButton::SetCancel(bool cancel) {
  if (cancel) {
    for (Control* control : Parent().Controls()) {
      auto* button = dynamic_cast<CommandButton*>(control);
      if (button && button != this) {
        button->Assign(button->props_->cancel, false, ControlProperty::Cancel);
      }
    }
  }
  Assign(props_->cancel, cancel, ControlProperty::Cancel);
}

void CommandButton::SetValue(bool value) {
  if (value) Fire(Click);
}

void CommandButton::SetPicture(std::string picture) {
  Assign(props_->picture, std::move(picture), ControlProperty::Picture);
}

void CommandButton::OnUserChar(int keyAscii) {
  if (keyAscii == ' ') Fire(Click);
}

}  // namespace forms
