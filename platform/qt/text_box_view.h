#pragma once
#include "platform/forms/text_box.h"
#include "platform/qt/entry_view.h"

namespace formsqt {

// A text box: a line edit, or a plain text editor for a multi-line box. The
// right button offers copying and pasting through the control, after its
// MouseDown (where a box that refuses pasting empties the clipboard).
class TextBoxView final : public EntryView {
 public:
  TextBoxView(FormWindow& window, forms::TextBox& box);

 protected:
  std::string Text() const override { return Box().Text(); }
  int SelStart() const override { return Box().SelStart(); }
  int SelLength() const override { return Box().SelLength(); }
  void Select(int start, int length) override;
  bool Locked() const override { return Box().Locked(); }
  int Alignment() const override { return Box().Alignment(); }
  void SyncOwn() override;
  void ContextMenu(QPoint globalPos) override;

 private:
  forms::TextBox& Box() const { return static_cast<forms::TextBox&>(*control_); }
};

}  // namespace formsqt
