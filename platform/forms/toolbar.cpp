#include "platform/forms/toolbar.h"

#include "platform/forms/errors.h"
#include "platform/vb/error.h"

namespace forms {

Toolbar::Toolbar(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->tabStop = false;
  common_->height = 420;
}

ToolbarButton Toolbar::AddButton(std::string key, std::string caption, int style,
                                 std::string image, std::string toolTipText) {
  ButtonProps button;
  button.key = std::move(key);
  button.caption = std::move(caption);
  button.style = style;
  button.image = std::move(image);
  button.toolTipText = std::move(toolTipText);
  props_->buttons.push_back(std::move(button));
  Changed(ControlProperty::Buttons);
  return ToolbarButton(*this, ButtonCount());
}

Toolbar::ButtonProps& Toolbar::At(int index) {
  if (index < 1 || index > ButtonCount()) {
    vb::SetErrorText(35600, "Índice fuera de los límites");
    vb::Raise(35600);
  }
  return props_->buttons[index - 1];
}

ToolbarButton Toolbar::Buttons(int index) {
  At(index);
  return ToolbarButton(*this, index);
}

// A person's press: separators and disabled or hidden buttons do nothing; a check
// button changes its pressed state first.
void Toolbar::Press(int index) {
  ButtonProps& button = At(index);
  if (button.style == tbrSeparator || button.style == tbrPlaceholder) return;
  if (!button.enabled || !button.visible) return;
  if (button.style == tbrCheck) {
    button.value = !button.value;
    Changed(ControlProperty::Buttons);
  }
  Fire(ButtonClick, ToolbarButton(*this, index));
}

const std::string& ToolbarButton::Key() const { return toolbar_->At(index_).key; }
const std::string& ToolbarButton::Caption() const { return toolbar_->At(index_).caption; }
const std::string& ToolbarButton::ToolTipText() const { return toolbar_->At(index_).toolTipText; }
int ToolbarButton::Style() const { return toolbar_->At(index_).style; }
bool ToolbarButton::Enabled() const { return toolbar_->At(index_).enabled; }
bool ToolbarButton::Visible() const { return toolbar_->At(index_).visible; }
bool ToolbarButton::Value() const { return toolbar_->At(index_).value; }
const std::string& ToolbarButton::Image() const { return toolbar_->At(index_).image; }

void ToolbarButton::SetCaption(std::string caption) {
  toolbar_->At(index_).caption = std::move(caption);
  toolbar_->Changed(ControlProperty::Buttons);
}

void ToolbarButton::SetToolTipText(std::string text) {
  toolbar_->At(index_).toolTipText = std::move(text);
  toolbar_->Changed(ControlProperty::Buttons);
}

void ToolbarButton::SetEnabled(bool enabled) {
  toolbar_->At(index_).enabled = enabled;
  toolbar_->Changed(ControlProperty::Buttons);
}

void ToolbarButton::SetVisible(bool visible) {
  toolbar_->At(index_).visible = visible;
  toolbar_->Changed(ControlProperty::Buttons);
}

void ToolbarButton::SetValue(bool value) {
  toolbar_->At(index_).value = value;
  toolbar_->Changed(ControlProperty::Buttons);
}

}  // namespace forms
