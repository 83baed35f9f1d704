#include "platform/forms/label.h"

namespace forms {

Label::Label(Place place, std::string name, int index) : Control(place, std::move(name), index) {
  common_->tabStop = false;
}

void Label::SetCaption(std::string caption) {
  if (Assign(props_->caption, std::move(caption), ControlProperty::Caption)) Fire(Change);
}

void Label::SetAlignment(int alignment) {
  Assign(props_->alignment, alignment, ControlProperty::Alignment);
}
void Label::SetAutoSize(bool autoSize) {
  Assign(props_->autoSize, autoSize, ControlProperty::AutoSize);
}
void Label::SetWordWrap(bool wordWrap) {
  Assign(props_->wordWrap, wordWrap, ControlProperty::WordWrap);
}
void Label::SetBackStyle(int style) {
  Assign(props_->backStyle, style, ControlProperty::BackStyle);
}
void Label::SetBorderStyle(int style) {
  Assign(props_->borderStyle, style, ControlProperty::BorderStyle);
}

}  // namespace forms
