#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A captioned container. The controls placed in it show and take input only
// while the frame itself is visible and enabled.
class Frame : public Control {
 public:
  Frame(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "Frame"; }
  bool IsContainer() const override { return true; }

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  int BorderStyle() const { return props_->borderStyle; }
  void SetBorderStyle(int style);

 private:
  struct Props {
    std::string caption;
    int borderStyle = vbFixedSingle;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
