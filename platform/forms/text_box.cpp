#include "platform/forms/text_box.h"

#include <algorithm>

#include "platform/forms/services.h"
#include "platform/vb/encoding.h"

namespace forms {

TextBox::TextBox(Place place, std::string name, int index)
    : TextEntry(place, std::move(name), index) {}

void TextBox::SetText(std::string text) {
  if (entry_->text == text) return;
  entry_->text = std::move(text);
  entry_->selStart = 0;
  entry_->selLength = 0;
  Changed(ControlProperty::Text);
  Fire(Change);
}

void TextBox::SetMaxLength(int maxLength) {
  Assign(props_->maxLength, std::max(0, maxLength), ControlProperty::MaxLength);
}

void TextBox::SetMultiLine(bool multiLine) {
  Assign(props_->multiLine, multiLine, ControlProperty::MultiLine);
}
void TextBox::SetScrollBars(int scrollBars) {
  Assign(props_->scrollBars, scrollBars, ControlProperty::ScrollBars);
}

void TextBox::SetPasswordChar(std::string passwordChar) {
  Assign(props_->passwordChar, std::move(passwordChar), ControlProperty::PasswordChar);
}

std::string TextBox::SelText() const {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  return vb::EncodeUtf8(text.substr(entry_->selStart, entry_->selLength));
}

void TextBox::SetSelText(const std::string& text) { Replace(vb::DecodeUtf8(text), false); }

// Puts `inserted` in place of the selection. What a person types or pastes is
// cut to what MaxLength leaves room for.
void TextBox::Replace(std::u32string inserted, bool limited) {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  int start = std::min(entry_->selStart, static_cast<int>(text.size()));
  int length = std::min(entry_->selLength, static_cast<int>(text.size()) - start);
  if (limited && props_->maxLength > 0) {
    int room = props_->maxLength - (static_cast<int>(text.size()) - length);
    if (room <= 0 && !inserted.empty()) return;
    if (static_cast<int>(inserted.size()) > room) inserted.resize(room);
  }
  text.replace(start, length, inserted);
  Store(std::move(text), start + static_cast<int>(inserted.size()));
}

void TextBox::DeleteBackward() {
  if (entry_->selLength > 0) {
    Replace({}, false);
  } else if (entry_->selStart > 0) {
    std::u32string text = vb::DecodeUtf8(entry_->text);
    int at = std::min(entry_->selStart, static_cast<int>(text.size())) - 1;
    text.erase(at, 1);
    Store(std::move(text), at);
  }
}

void TextBox::DeleteForward() {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  if (entry_->selLength > 0) {
    Replace({}, false);
  } else if (entry_->selStart < static_cast<int>(text.size())) {
    text.erase(entry_->selStart, 1);
    Store(std::move(text), entry_->selStart);
  }
}

// A single-line box takes a pasted text up to its first line break.
void TextBox::Paste() {
  std::u32string pasted = vb::DecodeUtf8(Clipboard.GetText());
  if (!props_->multiLine) {
    auto end = pasted.find_first_of(U"\r\n");
    if (end != std::u32string::npos) pasted.resize(end);
  }
  Replace(std::move(pasted), true);
}

void TextBox::CopySelection() const {
  if (entry_->selLength > 0) Clipboard.SetText(SelText());
}

void TextBox::OnUserChar(int keyAscii) {
  if (keyAscii == 3) return CopySelection();
  if (entry_->locked) return;
  switch (keyAscii) {
    case 8:
      return DeleteBackward();
    case 13:
      if (props_->multiLine) Replace(U"\r\n", true);
      return;
    case 22:
      return Paste();
    case 24:
      CopySelection();
      return Replace({}, false);
    default:
      if (keyAscii < 32) return;
      Replace(std::u32string(1, vb::Cp1252Char(static_cast<unsigned char>(keyAscii))), true);
  }
}

void TextBox::OnUserKey(int keyCode, int shift) {
  int length = Length();
  switch (keyCode) {
    case vbKeyLeft:
      return SetSelStart(entry_->selStart - 1);
    case vbKeyRight:
      return SetSelStart(entry_->selStart + entry_->selLength + 1);
    case vbKeyHome:
      return SetSelStart(0);
    case vbKeyEnd:
      return SetSelStart(length);
    case vbKeyInsert:
      if (shift == vbShiftMask && !entry_->locked) Paste();
      if (shift == vbCtrlMask) CopySelection();
      return;
    case vbKeyDelete:
      if (entry_->locked) return;
      if (shift == vbShiftMask) CopySelection();
      return DeleteForward();
    default:
      return;
  }
}

}  // namespace forms
