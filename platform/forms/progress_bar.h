#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A progress bar; a Value outside Min..Max raises error 380.
class ProgressBar : public Control {
 public:
  ProgressBar(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "ProgressBar"; }

  double Min() const { return props_->min; }
  void SetMin(double min);
  double Max() const { return props_->max; }
  void SetMax(double max);
  double Value() const { return props_->value; }
  void SetValue(double value);

 private:
  struct Props {
    double min = 0;
    double max = 100;
    double value = 0;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
