#include "platform/forms/text_entry.h"

#include <algorithm>

#include "platform/vb/encoding.h"

namespace forms {

TextEntry::TextEntry(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->backColor = vbWindowBackground;
  common_->foreColor = vbWindowText;
}

void TextEntry::SetLocked(bool locked) { Assign(entry_->locked, locked, ControlProperty::Locked); }
void TextEntry::SetAlignment(int alignment) {
  Assign(entry_->alignment, alignment, ControlProperty::Alignment);
}

int TextEntry::Length() const { return static_cast<int>(vb::DecodeUtf8(entry_->text).size()); }

void TextEntry::SetSelStart(int start) {
  entry_->selStart = std::clamp(start, 0, Length());
  entry_->selLength = 0;
  Changed(ControlProperty::SelStart);
}

void TextEntry::SetSelLength(int length) {
  entry_->selLength = std::clamp(length, 0, Length() - entry_->selStart);
  Changed(ControlProperty::SelLength);
}

void TextEntry::Store(std::u32string text, int caret) {
  entry_->selStart = caret;
  entry_->selLength = 0;
  std::string utf8 = vb::EncodeUtf8(text);
  if (utf8 == entry_->text) {
    Changed(ControlProperty::SelStart);
    return;
  }
  entry_->text = std::move(utf8);
  Changed(ControlProperty::Text);
  Fire(Change);
}

}  // namespace forms
