#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// An entry box. Writing a different text, from code or by typing, runs Change at
// once, nested in the writing; writing the text the box already holds runs
// nothing. MaxLength limits what a person types or pastes, not what code writes.
// Positions (SelStart, SelLength) count characters.
class TextBox : public Control {
 public:
  TextBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "TextBox"; }
  bool CanTakeFocus() const override { return true; }

  const std::string& Text() const { return props_->text; }
  void SetText(std::string text);
  int MaxLength() const { return props_->maxLength; }
  void SetMaxLength(int maxLength);
  // A locked box takes the focus and raises its key events but refuses typing.
  bool Locked() const { return props_->locked; }
  void SetLocked(bool locked);
  int Alignment() const { return props_->alignment; }
  void SetAlignment(int alignment);
  bool MultiLine() const { return props_->multiLine; }
  void SetMultiLine(bool multiLine);
  int ScrollBars() const { return props_->scrollBars; }
  void SetScrollBars(int scrollBars);
  const std::string& PasswordChar() const { return props_->passwordChar; }
  void SetPasswordChar(std::string passwordChar);
  int SelStart() const { return props_->selStart; }
  // Moves the caret; the selection becomes empty.
  void SetSelStart(int start);
  int SelLength() const { return props_->selLength; }
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection, as a paste from code does.
  void SetSelText(const std::string& text);

  Event<> Change;

 protected:
  void OnUserChar(int keyAscii) override;
  void OnUserKey(int keyCode, int shift) override;

 private:
  friend class detail::Input;
  struct Props {
    std::string text;
    int maxLength = 0;
    bool locked = false;
    int alignment = vbLeftJustify;
    bool multiLine = false;
    int scrollBars = 0;
    std::string passwordChar;
    int selStart = 0;
    int selLength = 0;
  };

  void Replace(std::u32string inserted, bool limited);
  void Store(std::u32string text, int caret);
  void Paste();
  void CopySelection() const;
  void DeleteForward();
  void DeleteBackward();

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
