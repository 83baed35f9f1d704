#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A scroll bar. A new Value, from code or from a person, runs Change at once; a
// value outside Min..Max raises error 380.
class ScrollBar : public Control {
 public:
  ScrollBar(Place place, std::string name, int index, bool vertical);
  std::string_view Kind() const override { return vertical_ ? "VScrollBar" : "HScrollBar"; }
  bool CanTakeFocus() const override { return true; }
  bool Vertical() const { return vertical_; }

  int Min() const { return props_->min; }
  void SetMin(int min);
  int Max() const { return props_->max; }
  void SetMax(int max);
  int Value() const { return props_->value; }
  void SetValue(int value);
  int SmallChange() const { return props_->smallChange; }
  void SetSmallChange(int change);
  int LargeChange() const { return props_->largeChange; }
  void SetLargeChange(int change);

  Event<> Change;

 protected:
  void OnUserKey(int keyCode, int shift) override;

 private:
  struct Props {
    int min = 0;
    int max = 32767;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;
  };

  int Low() const;
  int High() const;
  void KeepInRange();

  bool vertical_;
  Persistent<Props> props_{Slots()};
};

class HScrollBar : public ScrollBar {
 public:
  HScrollBar(Place place, std::string name, int index = -1)
      : ScrollBar(place, std::move(name), index, false) {}
};

class VScrollBar : public ScrollBar {
 public:
  VScrollBar(Place place, std::string name, int index = -1)
      : ScrollBar(place, std::move(name), index, true) {}
};

}  // namespace forms
