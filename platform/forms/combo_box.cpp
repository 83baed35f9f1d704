#include "platform/forms/combo_box.h"

#include "platform/forms/errors.h"
#include "platform/vb/encoding.h"
#include "platform/vb/strings.h"

namespace forms {

namespace {

bool SameText(const std::string& a, const std::string& b) { return vb::UCase(a) == vb::UCase(b); }

}  // namespace

ComboBox::ComboBox(Place place, std::string name, int index)
    : ListControl(place, std::move(name), index) {}

void ComboBox::SetListIndex(int index) {
  if (!StoreListIndex(index)) return;
  if (props_->style != vbComboDropdownList) {
    props_->text = List(index);
    Changed(ControlProperty::Text);
  }
  Fire(Click);
}

std::string ComboBox::Text() const {
  if (props_->style == vbComboDropdownList) return List(ListIndex());
  return props_->text;
}

void ComboBox::SetText(std::string text) {
  if (props_->style == vbComboDropdownList) {
    for (int i = 0; i < ListCount(); ++i) {
      if (SameText(List(i), text)) return SetListIndex(i);
    }
    detail::Fail(383);
  }
  if (Assign(props_->text, std::move(text), ControlProperty::Text)) Fire(Change);
}

void ComboBox::SetStyle(int style) { Assign(props_->style, style, ControlProperty::Style); }

void ComboBox::SetDropDownWidth(int pixels) {
  Assign(props_->dropDownWidth, pixels, ControlProperty::DropDownWidth);
}

void ComboBox::OnUserChar(int keyAscii) {
  if (keyAscii < 32) return;
  if (props_->style == vbComboDropdownList) {
    int found = FindByInitial(keyAscii);
    if (found >= 0) SetListIndex(found);
    return;
  }
  SetText(props_->text + vb::EncodeUtf8(vb::Cp1252Char(static_cast<unsigned char>(keyAscii))));
}

void ComboBox::OnUserKey(int keyCode, int /*shift*/) {
  int step = StepFor(keyCode);
  if (step != ListIndex()) SetListIndex(step);
}

}  // namespace forms
