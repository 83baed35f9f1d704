#pragma once
// What text boxes and masked boxes share.
#include <string>

#include "platform/forms/control.h"

namespace forms {

// What text boxes and masked boxes share: the text with a caret and a selection
// (positions count characters), Locked, Alignment and Change, which runs at once,
// nested in whatever wrote a different text.
class TextEntry : public Control {
 public:
  TextEntry(Place place, std::string name, int index);
  bool CanTakeFocus() const override { return true; }

  const std::string& Text() const { return entry_->text; }
  // A locked box takes the focus and raises its key events but refuses typing.
  bool Locked() const { return entry_->locked; }
  void SetLocked(bool locked);
  int Alignment() const { return entry_->alignment; }
  void SetAlignment(int alignment);
  int SelStart() const { return entry_->selStart; }
  // Moves the caret; the selection becomes empty.
  void SetSelStart(int start);
  int SelLength() const { return entry_->selLength; }
  void SetSelLength(int length);

  Event<> Change;

 protected:
  struct Entry {
    std::string text;
    bool locked = false;
    int alignment = vbLeftJustify;
    int selStart = 0;
    int selLength = 0;
  };

  // Puts `text` in the box with the caret at `caret` and no selection. A text
  // the box already holds (a character typed over the same one) runs no Change,
  // but the renderer is still told that the caret moved.
  void Store(std::u32string text, int caret);
  int Length() const;

  Persistent<Entry> entry_{Slots()};
};

}  // namespace forms
