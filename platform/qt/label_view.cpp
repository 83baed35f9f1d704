#include "platform/qt/label_view.h"

#include <QLabel>

#include "platform/qt/appearance.h"

namespace formsqt {

LabelView::LabelView(FormWindow& window, forms::Label& label)
    : ControlView(window, label), label_(new QLabel) {
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  Adopt(label_);
}

void LabelView::SyncOwn() {
  forms::Label& label = Model();
  label_->setText(WithoutAccessKeys(label.Caption()));
  Qt::Alignment horizontal = ToAlignment(label.Alignment()) & Qt::AlignHorizontal_Mask;
  label_->setAlignment(horizontal | Qt::AlignTop);
  label_->setFrameStyle(label.BorderStyle() != forms::vbBSNone ? QFrame::Panel | QFrame::Sunken
                                                               : QFrame::NoFrame);
  ApplyColors();
}

// A transparent label (vbTransparent) lets its container show through.
void LabelView::ApplyColors() {
  formsqt::ApplyColors(*label_, control_->BackColor(), control_->ForeColor(),
                       Model().BackStyle() != forms::vbTransparent);
}

}  // namespace formsqt
