#include "platform/forms/frame.h"

namespace forms {

Frame::Frame(Place place, std::string name, int index) : Control(place, std::move(name), index) {
  common_->tabStop = false;
  common_->width = 2400;
  common_->height = 1800;
}

void Frame::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}

void Frame::SetBorderStyle(int style) {
  Assign(props_->borderStyle, style, ControlProperty::BorderStyle);
}

}  // namespace forms
