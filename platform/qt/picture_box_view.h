#pragma once
#include <QFrame>
#include <functional>

#include "platform/forms/picture_box.h"
#include "platform/qt/control_view.h"

class QPainter;

namespace formsqt {

// A widget that paints what it is given to paint, under its frame.
class PaintedSurface final : public QFrame {
 public:
  explicit PaintedSurface(std::function<void(QPainter&)> paint) : paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void(QPainter&)> paint_;
};

// Paints the drawing commands of a picture box (texts in their fonts, lines
// and boxes, in twips from its corner) on its back colour; the controls placed
// in the picture box sit on it. The drawing stays while the box is hidden or
// moved, as the preview's pages rely on.
void PaintDrawing(QPainter& painter, const std::vector<forms::DrawCommand>& drawing);

class PictureBoxView final : public ControlView {
 public:
  PictureBoxView(FormWindow& window, forms::PictureBox& picture);
  QWidget* Inside() const override { return widget_; }
  void Changed(forms::ControlProperty property) override;

 protected:
  void SyncOwn() override;
  void ApplyColors() override;

 private:
  forms::PictureBox& Model() const { return static_cast<forms::PictureBox&>(*control_); }
  void Paint(QPainter& painter);
  PaintedSurface* surface_;
};

}  // namespace formsqt
