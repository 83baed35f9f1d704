#pragma once
// The base of the text and masked box views.
#include <string>

#include "platform/qt/control_view.h"

class QLineEdit;
class QPlainTextEdit;

namespace formsqt {

// An entry box: its text, caret and selection are the control's. Keys never
// reach the widget (the form types them into the control, which may drop or
// replace them); a person's mouse places the caret and selects in the widget,
// and the selection is written back to the control. A press that brings the
// focus into the box, where GotFocus selected the text so that typing replaces
// it, leaves that selection standing: the widget does not see that press, its
// moves or its release, so the caret is not dropped where the mouse is.
class EntryView : public ControlView {
 public:
  EntryView(FormWindow& window, forms::Control& control, bool multiLine);
  void Changed(forms::ControlProperty property) override;
  void SyncCaret() override;
  bool Mouse(QWidget* target, QMouseEvent* event) override;

 protected:
  virtual std::string Text() const = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual void Select(int start, int length) = 0;
  virtual bool Locked() const = 0;
  virtual int Alignment() const = 0;

  void SyncOwn() override;
  bool WidgetTakesMouse() const override { return !keepsEntrySelection_; }
  void Pressing() override;
  void Released() override;
  void AfterWidgetMouse() override;

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* lines_ = nullptr;

 private:
  void ShowText();
  bool reading_ = false;
  // The left press under way brings the focus in from another control.
  bool entering_ = false;
  // The box's code selected text since that press began.
  bool selectedSincePress_ = false;
  // That press and its moves and release stay away from the widget.
  bool keepsEntrySelection_ = false;
};

// Positions in a text whose lines end in "\r\n", and in the same text as a
// multi-line widget holds it (one "\n" a line end).
int ShownPosition(const std::u32string& text, int position);
int TextPosition(const std::u32string& text, int shown);

}  // namespace formsqt
