#include "platform/forms/scroll_bar.h"

#include <algorithm>

#include "platform/forms/errors.h"

namespace forms {

ScrollBar::ScrollBar(Place place, std::string name, int index, bool vertical)
    : Control(place, std::move(name), index), vertical_(vertical) {}

int ScrollBar::Low() const { return std::min(props_->min, props_->max); }
int ScrollBar::High() const { return std::max(props_->min, props_->max); }

void ScrollBar::SetMin(int min) {
  if (Assign(props_->min, min, ControlProperty::Min)) KeepInRange();
}

void ScrollBar::SetMax(int max) {
  if (Assign(props_->max, max, ControlProperty::Max)) KeepInRange();
}

// A range that no longer holds the value moves the value to its nearest end.
void ScrollBar::KeepInRange() {
  int value = std::clamp(props_->value, Low(), High());
  if (Assign(props_->value, value, ControlProperty::Value)) Fire(Change);
}

void ScrollBar::SetValue(int value) {
  if (value < Low() || value > High()) detail::Fail(380);
  if (Assign(props_->value, value, ControlProperty::Value)) Fire(Change);
}

void ScrollBar::SetSmallChange(int change) {
  Assign(props_->smallChange, change, ControlProperty::SmallChange);
}
void ScrollBar::SetLargeChange(int change) {
  Assign(props_->largeChange, change, ControlProperty::LargeChange);
}

void ScrollBar::OnUserKey(int keyCode, int /*shift*/) {
  int direction = props_->max >= props_->min ? 1 : -1;
  int step = 0;
  switch (keyCode) {
    case vbKeyDown:
    case vbKeyRight:
      step = props_->smallChange;
      break;
    case vbKeyUp:
    case vbKeyLeft:
      step = -props_->smallChange;
      break;
    case vbKeyPageDown:
      step = props_->largeChange;
      break;
    case vbKeyPageUp:
      step = -props_->largeChange;
      break;
    default:
      return;
  }
  SetValue(std::clamp(props_->value + direction * step, Low(), High()));
}

}  // namespace forms
