#include "platform/forms/menu.h"

namespace forms {

Menu::Menu(Place place, std::string name, int index) : Control(place, std::move(name), index) {
  common_->tabStop = false;
}

void Menu::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}
void Menu::SetChecked(bool checked) { Assign(props_->checked, checked, ControlProperty::Checked); }

bool Menu::Reachable() const {
  return !IsSeparator() && IsShown() && IsEnabledInContext();
}

}  // namespace forms
