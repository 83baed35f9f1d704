#include "platform/qt/frame_view.h"

#include <QGroupBox>

#include "platform/qt/appearance.h"
#include "platform/qt/strings.h"

namespace formsqt {

FrameView::FrameView(FormWindow& window, forms::Frame& frame)
    : ControlView(window, frame), box_(new QGroupBox) {
  Adopt(box_);
}

// A frame without border shows neither line nor caption.
void FrameView::SyncOwn() {
  bool bordered = Model().BorderStyle() != forms::vbBSNone;
  box_->setTitle(bordered ? ToQString(Model().Caption()) : QString());
  box_->setFlat(!bordered);
}

void FrameView::ApplyColors() {
  formsqt::ApplyColors(*box_, control_->BackColor(), control_->ForeColor(), true);
}

}  // namespace formsqt
