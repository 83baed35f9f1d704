#include "platform/forms/progress_bar.h"

#include "platform/forms/errors.h"

namespace forms {

ProgressBar::ProgressBar(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->tabStop = false;
}

void ProgressBar::SetMin(double min) {
  if (min > props_->max) detail::Fail(380);
  Assign(props_->min, min, ControlProperty::Min);
  if (props_->value < min) Assign(props_->value, min, ControlProperty::Value);
}

void ProgressBar::SetMax(double max) {
  if (max < props_->min) detail::Fail(380);
  Assign(props_->max, max, ControlProperty::Max);
  if (props_->value > max) Assign(props_->value, max, ControlProperty::Value);
}

void ProgressBar::SetValue(double value) {
  if (value < props_->min || value > props_->max) detail::Fail(380);
  Assign(props_->value, value, ControlProperty::Value);
}

}  // namespace forms
