#pragma once
// The views of command buttons, check boxes and option buttons.
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/option_button.h"
#include "platform/qt/control_view.h"

class QAbstractButton;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace formsqt {

// The buttons: a click (or the caption's access key) is the control's click, so
// the button's state on screen is always the control's value.
class ButtonView : public ControlView {
 public:
  ButtonView(FormWindow& window, forms::Control& control, QAbstractButton* button);

 protected:
  bool DoubleClickIsPress() const override { return true; }
  void ApplyColors() override;
  QAbstractButton* button_;
};

class CommandButtonView final : public ButtonView {
 public:
  CommandButtonView(FormWindow& window, forms::CommandButton& button);

 protected:
  void SyncOwn() override;
  void Pressed(QWidget* target, QPoint pos) override;
  void Released() override;

 private:
  forms::CommandButton& Model() const { return static_cast<forms::CommandButton&>(*control_); }
  QPushButton* push_;
};

class CheckBoxView final : public ButtonView {
 public:
  CheckBoxView(FormWindow& window, forms::CheckBox& box);

 protected:
  void SyncOwn() override;

 private:
  forms::CheckBox& Model() const { return static_cast<forms::CheckBox&>(*control_); }
  QCheckBox* check_;
};

class OptionButtonView final : public ButtonView {
 public:
  OptionButtonView(FormWindow& window, forms::OptionButton& option);

 protected:
  void SyncOwn() override;

 private:
  forms::OptionButton& Model() const { return static_cast<forms::OptionButton&>(*control_); }
  QRadioButton* radio_;
};

}  // namespace formsqt
