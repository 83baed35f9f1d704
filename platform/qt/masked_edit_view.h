#pragma once
#include "platform/forms/masked_edit.h"
#include "platform/qt/entry_view.h"

namespace formsqt {

// A masked edit box: a line edit showing the control's text with its literals
// and prompt characters; what a typed key does is the control's.
class MaskedEditView final : public EntryView {
 public:
  MaskedEditView(FormWindow& window, forms::MaskedEdit& box) : EntryView(window, box, false) {}

 protected:
  std::string Text() const override { return Box().Text(); }
  int SelStart() const override { return Box().SelStart(); }
  int SelLength() const override { return Box().SelLength(); }
  void Select(int start, int length) override {
    Box().SetSelStart(start);
    Box().SetSelLength(length);
  }
  bool Locked() const override { return Box().Locked(); }
  int Alignment() const override { return Box().Alignment(); }

 private:
  forms::MaskedEdit& Box() const { return static_cast<forms::MaskedEdit&>(*control_); }
};

}  // namespace formsqt
