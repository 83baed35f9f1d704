#pragma once
#include <string>

#include "platform/forms/text_entry.h"

namespace forms {

// An entry box. Writing a different text, from code or by typing, runs Change at
// once, nested in the writing; writing the text the box already holds runs
// nothing. MaxLength limits what a person types or pastes, not what code writes.
// Positions (SelStart, SelLength) count characters.
class TextBox : public TextEntry {
 public:
  TextBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "TextBox"; }

  void SetText(std::string text);
  int MaxLength() const { return props_->maxLength; }
  void SetMaxLength(int maxLength);
  bool MultiLine() const { return props_->multiLine; }
  void SetMultiLine(bool multiLine);
  int ScrollBars() const { return props_->scrollBars; }
  void SetScrollBars(int scrollBars);
  const std::string& PasswordChar() const { return props_->passwordChar; }
  void SetPasswordChar(std::string passwordChar);
  std::string SelText() const;
  // Replaces the selection, as a paste from code does.
  void SetSelText(const std::string& text);

 protected:
  void OnUserChar(int keyAscii) override;
  void OnUserKey(int keyCode, int shift) override;

 private:
  friend class detail::Input;
  struct Props {
    int maxLength = 0;
    bool multiLine = false;
    int scrollBars = vbSBNone;
    std::string passwordChar;
  };

  void Replace(std::u32string inserted, bool limited);
  void Paste();
  void CopySelection() const;
  void DeleteForward();
  void DeleteBackward();

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
