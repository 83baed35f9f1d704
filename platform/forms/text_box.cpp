#include "platform/forms/text_box.h"

#include <algorithm>

#include "platform/forms/services.h"
#include "platform/vb/encoding.h"

namespace forms {

TextBox::TextBox(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->backColor = vbWindowBackground;
  common_->foreColor = vbWindowText;
}

void TextBox::SetText(std::string text) {
  if (props_->text == text) return;
  props_->text = std::move(text);
  props_->selStart = 0;
  props_->selLength = 0;
  Changed("Text");
  Fire(Change);
}

void TextBox::SetMaxLength(int maxLength) {
  Assign(props_->maxLength, std::max(0, maxLength), "MaxLength");
}

void TextBox::SetLocked(bool locked) { Assign(props_->locked, locked, "Locked"); }
void TextBox::SetAlignment(int alignment) { Assign(props_->alignment, alignment, "Alignment"); }
void TextBox::SetMultiLine(bool multiLine) { Assign(props_->multiLine, multiLine, "MultiLine"); }
void TextBox::SetScrollBars(int scrollBars) { Assign(props_->scrollBars, scrollBars, "ScrollBars"); }

void TextBox::SetPasswordChar(std::string passwordChar) {
  Assign(props_->passwordChar, std::move(passwordChar), "PasswordChar");
}

void TextBox::SetSelStart(int start) {
  int length = static_cast<int>(vb::DecodeUtf8(props_->text).size());
  props_->selStart = std::clamp(start, 0, length);
  props_->selLength = 0;
  Changed("SelStart");
}

void TextBox::SetSelLength(int length) {
  int total = static_cast<int>(vb::DecodeUtf8(props_->text).size());
  props_->selLength = std::clamp(length, 0, total - props_->selStart);
  Changed("SelLength");
}

std::string TextBox::SelText() const {
  std::u32string text = vb::DecodeUtf8(props_->text);
  return vb::EncodeUtf8(text.substr(props_->selStart, props_->selLength));
}

void TextBox::SetSelText(const std::string& text) { Replace(vb::DecodeUtf8(text), false); }

// Puts `inserted` in place of the selection. What a person types or pastes is
// cut to what MaxLength leaves room for.
void TextBox::Replace(std::u32string inserted, bool limited) {
  std::u32string text = vb::DecodeUtf8(props_->text);
  int start = std::min(props_->selStart, static_cast<int>(text.size()));
  int length = std::min(props_->selLength, static_cast<int>(text.size()) - start);
  if (limited && props_->maxLength > 0) {
    int room = props_->maxLength - (static_cast<int>(text.size()) - length);
    if (room <= 0 && !inserted.empty()) return;
    if (static_cast<int>(inserted.size()) > room) inserted.resize(room);
  }
  text.replace(start, length, inserted);
  Store(std::move(text), start + static_cast<int>(inserted.size()));
}

void TextBox::Store(std::u32string text, int caret) {
  props_->selStart = caret;
  props_->selLength = 0;
  std::string utf8 = vb::EncodeUtf8(text);
  if (utf8 == props_->text) {
    Changed("SelStart");
    return;
  }
  props_->text = std::move(utf8);
  Changed("Text");
  Fire(Change);
}

void TextBox::DeleteBackward() {
  if (props_->selLength > 0) {
    Replace({}, false);
  } else if (props_->selStart > 0) {
    std::u32string text = vb::DecodeUtf8(props_->text);
    int at = std::min(props_->selStart, static_cast<int>(text.size())) - 1;
    text.erase(at, 1);
    Store(std::move(text), at);
  }
}

void TextBox::DeleteForward() {
  std::u32string text = vb::DecodeUtf8(props_->text);
  if (props_->selLength > 0) {
    Replace({}, false);
  } else if (props_->selStart < static_cast<int>(text.size())) {
    text.erase(props_->selStart, 1);
    Store(std::move(text), props_->selStart);
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
  if (props_->selLength > 0) Clipboard.SetText(SelText());
}

void TextBox::OnUserChar(int keyAscii) {
  if (keyAscii == 3) return CopySelection();
  if (props_->locked) return;
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
  int length = static_cast<int>(vb::DecodeUtf8(props_->text).size());
  switch (keyCode) {
    case vbKeyLeft:
      return SetSelStart(props_->selStart - 1);
    case vbKeyRight:
      return SetSelStart(props_->selStart + props_->selLength + 1);
    case vbKeyHome:
      return SetSelStart(0);
    case vbKeyEnd:
      return SetSelStart(length);
    case vbKeyInsert:
      if (shift == vbShiftMask && !props_->locked) Paste();
      if (shift == vbCtrlMask) CopySelection();
      return;
    case vbKeyDelete:
      if (props_->locked) return;
      if (shift == vbShiftMask) CopySelection();
      return DeleteForward();
    default:
      return;
  }
}

}  // namespace forms
