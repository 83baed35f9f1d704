#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

class Toolbar;

// One button of a toolbar, found by its index (from 1) as ButtonClick gives it.
class ToolbarButton {
 public:
  ToolbarButton(Toolbar& toolbar, int index) : toolbar_(&toolbar), index_(index) {}
  int Index() const { return index_; }
  const std::string& Key() const;
  const std::string& Caption() const;
  void SetCaption(std::string caption);
  const std::string& ToolTipText() const;
  void SetToolTipText(std::string text);
  int Style() const;
  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  // Pressed state of a check button.
  bool Value() const;
  void SetValue(bool value);
  // The name of the button's picture.
  const std::string& Image() const;

 private:
  Toolbar* toolbar_;
  int index_;
};

// A toolbar: buttons by index with tool tips and separators; pressing one runs
// ButtonClick with that button.
class Toolbar : public Control {
 public:
  Toolbar(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "Toolbar"; }

  // Appends a button; answers it.
  ToolbarButton AddButton(std::string key = "", std::string caption = "", int style = tbrDefault,
                          std::string image = "", std::string toolTipText = "");
  int ButtonCount() const { return static_cast<int>(props_->buttons.size()); }
  // Button `index` from 1; another index raises error 35600.
  ToolbarButton Buttons(int index);

  Event<ToolbarButton> ButtonClick;

 private:
  friend class ToolbarButton;
  friend class detail::Input;
  struct ButtonProps {
    std::string key;
    std::string caption;
    std::string toolTipText;
    int style = tbrDefault;
    bool enabled = true;
    bool visible = true;
    bool value = false;
    std::string image;
  };
  struct Props {
    std::vector<ButtonProps> buttons;
  };

  ButtonProps& At(int index);
  void Press(int index);

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
