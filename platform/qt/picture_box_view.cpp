#include "platform/qt/picture_box_view.h"

#include <QFontMetricsF>
#include <QPainter>

#include "platform/qt/appearance.h"
#include "platform/qt/strings.h"
#include "platform/qt/units.h"

namespace formsqt {

namespace {

QPointF PointOf(double x, double y) {
  double scale = PixelsPerTwip();
  return QPointF(x * scale, y * scale);
}

void DrawText(QPainter& painter, const forms::DrawCommand& command) {
  QFont font = ToQFont(command.font);
  painter.setFont(font);
  painter.setPen(ToQColor(command.color));
  QFontMetricsF metrics(font, painter.device());
  QPointF corner = PointOf(command.x1, command.y1);
  painter.drawText(QPointF(corner.x(), corner.y() + metrics.ascent()), ToQString(command.text));
}

}  // namespace

void PaintedSurface::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    paint_(painter);
  }
  QFrame::paintEvent(event);
}

void PaintDrawing(QPainter& painter, const std::vector<forms::DrawCommand>& drawing) {
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const forms::DrawCommand& command : drawing) {
    if (command.type == forms::DrawCommand::Type::Text) {
      DrawText(painter, command);
      continue;
    }
    painter.setPen(QPen(ToQColor(command.color), std::max(1, command.width)));
    painter.setBrush(Qt::NoBrush);
    QPointF from = PointOf(command.x1, command.y1);
    QPointF to = PointOf(command.x2, command.y2);
    if (command.type == forms::DrawCommand::Type::Line) {
      painter.drawLine(from, to);
    } else {
      painter.drawRect(QRectF(from, to).normalized());
    }
  }
}

PictureBoxView::PictureBoxView(FormWindow& window, forms::PictureBox& picture)
    : ControlView(window, picture), surface_(new PaintedSurface([this](QPainter& p) { Paint(p); })) {
  Adopt(surface_);
}

void PictureBoxView::Paint(QPainter& painter) {
  if (control_) PaintDrawing(painter, Model().Drawing());
}

void PictureBoxView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (property == Drawing) return surface_->update();
  ControlView::Changed(property);
}

void PictureBoxView::SyncOwn() {
  surface_->setFrameStyle(Model().BorderStyle() != forms::vbBSNone ? QFrame::Panel | QFrame::Sunken
                                                                   : QFrame::NoFrame);
  surface_->update();
}

void PictureBoxView::ApplyColors() {
  formsqt::ApplyColors(*surface_, control_->BackColor(), control_->ForeColor(), true);
}

}  // namespace formsqt
