#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A menu command or a menu of the form's menu bar: a top-level menu is placed on
// the form, its commands inside it. A caption "-" is a separator line; "&" marks
// the access key.
class Menu : public Control {
 public:
  Menu(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "Menu"; }

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  bool Checked() const { return props_->checked; }
  void SetChecked(bool checked);
  bool IsSeparator() const { return props_->caption == "-"; }
  // Visible and enabled together with every menu above it.
  bool Reachable() const;

 private:
  struct Props {
    std::string caption;
    bool checked = false;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
