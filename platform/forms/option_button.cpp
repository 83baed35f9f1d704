#include "platform/forms/option_button.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/input.h"

namespace forms {

OptionButton::OptionButton(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {}

void OptionButton::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}

void OptionButton::SetAlignment(int alignment) {
  Assign(props_->alignment, alignment, ControlProperty::Alignment);
}

std::vector<OptionButton*> OptionButton::Group() const {
  std::vector<OptionButton*> group;
  for (Control* control : Parent().Controls()) {
    auto* option = dynamic_cast<OptionButton*>(control);
    if (option && option->Container() == Container()) group.push_back(option);
  }
  std::stable_sort(group.begin(), group.end(), [](const OptionButton* a, const OptionButton* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return group;
}

void OptionButton::SetValue(bool value) {
  if (!value) {
    Assign(props_->value, false, ControlProperty::Value);
    return;
  }
  if (props_->value) return;
  for (OptionButton* other : Group()) {
    if (other != this) other->Assign(other->props_->value, false, ControlProperty::Value);
  }
  Assign(props_->value, true, ControlProperty::Value);
  Fire(Click);
}

// Tab enters a group at its chosen option; a group with none chosen offers each.
bool OptionButton::InTabOrder() const {
  if (!TabStop()) return false;
  if (Value()) return true;
  for (const OptionButton* other : Group()) {
    if (other->Value()) return false;
  }
  return true;
}

void OptionButton::OnUserClick() { SetValue(true); }

// The arrow keys choose the next or previous option of the group.
void OptionButton::OnUserKey(int keyCode, int /*shift*/) {
  int step = 0;
  if (keyCode == vbKeyDown || keyCode == vbKeyRight) step = 1;
  if (keyCode == vbKeyUp || keyCode == vbKeyLeft) step = -1;
  if (step == 0) return;
  std::vector<OptionButton*> group = Group();
  auto at = std::find(group.begin(), group.end(), this);
  int count = static_cast<int>(group.size());
  int position = static_cast<int>(at - group.begin());
  for (int tries = 1; tries < count; ++tries) {
    OptionButton* next = group[((position + step * tries) % count + count) % count];
    if (!detail::Input::Focusable(*next)) continue;
    if (detail::Input::MoveFocus(Parent(), next)) next->SetValue(true);
    return;
  }
}

}  // namespace forms
