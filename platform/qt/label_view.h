#pragma once
#include "platform/forms/label.h"
#include "platform/qt/control_view.h"

class QLabel;

namespace formsqt {

// A label: its caption wraps at the label's width, as the runtime's labels do,
// and shows the access key's "&" as no character.
class LabelView final : public ControlView {
 public:
  LabelView(FormWindow& window, forms::Label& label);

 protected:
  void SyncOwn() override;
  void ApplyColors() override;

 private:
  forms::Label& Model() const { return static_cast<forms::Label&>(*control_); }
  QLabel* label_;
};

}  // namespace formsqt
