#include "platform/qt/frame_view.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyle>

#include "platform/qt/appearance.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

// The top of the frame's line, in pixels from its top: the middle of the caption.
int FrameLineTop(const QWidget& frame) { return frame.fontMetrics().height() / 2; }

// The frame as the form designer drew it: an etched line round the frame whose
// top runs through the middle of the caption, so that the controls placed at
// their tops in twips sit below the line, never on it.
class FrameBox : public QGroupBox {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (isFlat()) return;
    QRect line = rect().adjusted(0, FrameLineTop(*this), -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(line.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    QRect caption =
        fontMetrics().boundingRect(QRect(kFrameCaptionInset, 0, width(), height()), flags, title());
    painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().color(backgroundRole()));
    style()->drawItemText(&painter, caption, flags, palette(), isEnabled(), title(), foregroundRole());
  }
};

}  // namespace

FrameView::FrameView(FormWindow& window, forms::Frame& frame)
    : ControlView(window, frame), box_(new FrameBox) {
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
