#include "platform/qt/button_views.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/forms/user.h"
#include "platform/qt/appearance.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

Qt::LayoutDirection DirectionOf(int alignment) {
  return alignment == forms::vbRightJustify ? Qt::RightToLeft : Qt::LeftToRight;
}

}  // namespace

// Mouse clicks never reach the button itself; it reports only the access key
// of its caption, which clicks the control as a person's click does.
ButtonView::ButtonView(FormWindow& window, forms::Control& control, QAbstractButton* button)
    : ControlView(window, control), button_(button) {
  Adopt(button);
  connect(button, &QAbstractButton::clicked, this, [this] {
    if (!control_) return;
    forms::Control& clicked = *control_;
    Call([&] { forms::user::Click(clicked); });
    if (control_) SyncOwn();
  });
}

void ButtonView::ApplyColors() {
  formsqt::ApplyColors(*button_, control_->BackColor(), control_->ForeColor(), false);
}

CommandButtonView::CommandButtonView(FormWindow& window, forms::CommandButton& button)
    : ButtonView(window, button, new QPushButton), push_(static_cast<QPushButton*>(button_)) {
  push_->setAutoDefault(false);
}

void CommandButtonView::SyncOwn() {
  push_->setText(ToQString(Model().Caption()));
  push_->setDefault(Model().Default());
}

void CommandButtonView::Pressed(QWidget*, QPoint) { push_->setDown(true); }
void CommandButtonView::Released() { push_->setDown(false); }

CheckBoxView::CheckBoxView(FormWindow& window, forms::CheckBox& box)
    : ButtonView(window, box, new QCheckBox), check_(static_cast<QCheckBox*>(button_)) {
  check_->setTristate(true);
}

void CheckBoxView::SyncOwn() {
  check_->setText(ToQString(Model().Caption()));
  check_->setLayoutDirection(DirectionOf(Model().Alignment()));
  switch (Model().Value()) {
    case forms::vbChecked:
      check_->setCheckState(Qt::Checked);
      break;
    case forms::vbGrayed:
      check_->setCheckState(Qt::PartiallyChecked);
      break;
    default:
      check_->setCheckState(Qt::Unchecked);
  }
}

OptionButtonView::OptionButtonView(FormWindow& window, forms::OptionButton& option)
    : ButtonView(window, option, new QRadioButton), radio_(static_cast<QRadioButton*>(button_)) {
  radio_->setAutoExclusive(false);
}

void OptionButtonView::SyncOwn() {
  radio_->setText(ToQString(Model().Caption()));
  radio_->setLayoutDirection(DirectionOf(Model().Alignment()));
  radio_->setChecked(Model().Value());
}

}  // namespace formsqt
