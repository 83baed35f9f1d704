#include "platform/forms/masked_edit.h"

#include <algorithm>

#include "platform/forms/errors.h"
#include "platform/vb/encoding.h"
#include "platform/vb/strings.h"

namespace forms {

namespace {

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

// Letters are those with an upper and a lower case, accented ones included.
bool IsLetter(char32_t ch) {
  std::string one = vb::EncodeUtf8(ch);
  return vb::UCase(one) != vb::LCase(one);
}

char32_t ChangeCase(char32_t ch, int caseChange) {
  if (caseChange == 0) return ch;
  std::string one = vb::EncodeUtf8(ch);
  std::u32string changed = vb::DecodeUtf8(caseChange > 0 ? vb::UCase(one) : vb::LCase(one));
  return changed.size() == 1 ? changed[0] : ch;
}

}  // namespace

MaskedEdit::MaskedEdit(Place place, std::string name, int index)
    : TextEntry(place, std::move(name), index) {}

char32_t MaskedEdit::Prompt() const {
  std::u32string prompt = vb::DecodeUtf8(props_->promptChar);
  return prompt.empty() ? U'_' : prompt[0];
}

std::vector<MaskedEdit::Slot> MaskedEdit::Positions() const {
  std::vector<Slot> slots;
  std::u32string mask = vb::DecodeUtf8(props_->mask);
  int caseChange = 0;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    char32_t ch = mask[i];
    switch (ch) {
      case U'>':
        caseChange = 1;
        break;
      case U'<':
        caseChange = -1;
        break;
      case U'\\':
        if (i + 1 < mask.size()) slots.push_back({mask[++i], 0, 0});
        break;
      case U'9':
      case U'#':
      case U'?':
      case U'A':
      case U'a':
      case U'&':
      case U'C':
        slots.push_back({0, ch, caseChange});
        break;
      default:
        slots.push_back({ch, 0, 0});
    }
  }
  return slots;
}

std::u32string MaskedEdit::EmptyText() const {
  std::u32string text;
  for (const Slot& slot : Positions()) text += slot.placeholder ? Prompt() : slot.literal;
  return text;
}

bool MaskedEdit::Accepts(const Slot& slot, char32_t ch) {
  switch (slot.placeholder) {
    case U'9':
    case U'#':
      return IsDigit(ch);
    case U'?':
      return IsLetter(ch);
    case U'A':
    case U'a':
      return IsDigit(ch) || IsLetter(ch);
    default:
      return ch >= U' ';
  }
}

bool MaskedEdit::Fits(const std::u32string& text) const {
  std::vector<Slot> slots = Positions();
  if (text.size() != slots.size()) return false;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const Slot& slot = slots[i];
    if (slot.placeholder ? text[i] != Prompt() && !Accepts(slot, text[i])
                         : text[i] != slot.literal) {
      return false;
    }
  }
  return true;
}

void MaskedEdit::SetMask(std::string mask) {
  if (props_->mask == mask) return;
  props_->mask = std::move(mask);
  Changed(ControlProperty::Mask);
  Store(EmptyText(), 0);
}

void MaskedEdit::SetPromptChar(std::string promptChar) {
  char32_t old = Prompt();
  if (!Assign(props_->promptChar, std::move(promptChar), ControlProperty::PromptChar)) return;
  std::u32string text = vb::DecodeUtf8(entry_->text);
  std::vector<Slot> slots = Positions();
  for (std::size_t i = 0; i < text.size() && i < slots.size(); ++i) {
    if (slots[i].placeholder && text[i] == old) text[i] = Prompt();
  }
  Store(std::move(text), entry_->selStart);
}

void MaskedEdit::SetText(std::string text) {
  if (!props_->mask.empty() && !Fits(vb::DecodeUtf8(text))) detail::Fail(380);
  Store(vb::DecodeUtf8(text), 0);
}

std::string MaskedEdit::ClipText() const {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  if (props_->mask.empty()) return entry_->text;
  std::vector<Slot> slots = Positions();
  std::u32string clip;
  for (std::size_t i = 0; i < text.size() && i < slots.size(); ++i) {
    if (slots[i].placeholder && text[i] != Prompt()) clip += text[i];
  }
  return vb::EncodeUtf8(clip);
}

int MaskedEdit::MaxLength() const { return static_cast<int>(Positions().size()); }

// Positions from..to-1 go back to the prompt character.
void MaskedEdit::Erase(int from, int to) {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  std::vector<Slot> slots = Positions();
  for (int i = from; i < to && i < static_cast<int>(text.size()); ++i) {
    if (slots[i].placeholder) text[i] = Prompt();
  }
  Store(std::move(text), from);
}

// A typed character overwrites the next placeholder at or after the caret; the
// caret then passes the literals that follow.
void MaskedEdit::Type(char32_t ch) {
  std::u32string text = vb::DecodeUtf8(entry_->text);
  std::vector<Slot> slots = Positions();
  if (entry_->selLength > 0) {
    Erase(entry_->selStart, entry_->selStart + entry_->selLength);
    text = vb::DecodeUtf8(entry_->text);
  }
  int at = entry_->selStart;
  while (at < static_cast<int>(slots.size()) && !slots[at].placeholder) ++at;
  if (at >= static_cast<int>(slots.size()) || !Accepts(slots[at], ch)) {
    std::string invalid = entry_->text;
    int position = at;
    Fire(ValidationError, invalid, position);
    return;
  }
  text[at] = ChangeCase(ch, slots[at].caseChange);
  int caret = at + 1;
  while (caret < static_cast<int>(slots.size()) && !slots[caret].placeholder) ++caret;
  Store(std::move(text), caret);
}

void MaskedEdit::OnUserChar(int keyAscii) {
  if (entry_->locked) return;
  if (props_->mask.empty()) {
    if (keyAscii < 32) return;
    std::u32string text = vb::DecodeUtf8(entry_->text);
    text.insert(std::min<std::size_t>(entry_->selStart, text.size()), 1,
                vb::Cp1252Char(static_cast<unsigned char>(keyAscii)));
    return Store(std::move(text), entry_->selStart + 1);
  }
  if (keyAscii == 8) {
    if (entry_->selLength > 0) return Erase(entry_->selStart, entry_->selStart + entry_->selLength);
    std::vector<Slot> slots = Positions();
    int at = entry_->selStart - 1;
    while (at >= 0 && !slots[at].placeholder) --at;
    if (at >= 0) Erase(at, at + 1);
    return;
  }
  if (keyAscii < 32) return;
  Type(vb::Cp1252Char(static_cast<unsigned char>(keyAscii)));
}

void MaskedEdit::OnUserKey(int keyCode, int /*shift*/) {
  int length = Length();
  switch (keyCode) {
    case vbKeyLeft:
      return SetSelStart(entry_->selStart - 1);
    case vbKeyRight:
      return SetSelStart(entry_->selStart + 1);
    case vbKeyHome:
      return SetSelStart(0);
    case vbKeyEnd:
      return SetSelStart(length);
    case vbKeyDelete:
      if (entry_->locked) return;
      if (entry_->selLength > 0) return Erase(entry_->selStart, entry_->selStart + entry_->selLength);
      return Erase(entry_->selStart, entry_->selStart + 1);
    default:
      return;
  }
}

}  // namespace forms
