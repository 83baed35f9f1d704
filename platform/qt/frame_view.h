#pragma once
#include "platform/forms/frame.h"
#include "platform/qt/control_view.h"

class QGroupBox;

namespace formsqt {

// Where a frame's caption starts, in pixels from the frame's left edge; the
// caption needs as much again at its right to stand clear of the frame's corner.
inline constexpr int kFrameCaptionInset = 8;

// A frame: a group box whose caption is the frame's and in which the controls
// placed in the frame sit, so that they hide and disable with it.
class FrameView final : public ControlView {
 public:
  FrameView(FormWindow& window, forms::Frame& frame);
  QWidget* Inside() const override { return widget_; }

 protected:
  void SyncOwn() override;
  void ApplyColors() override;

 private:
  forms::Frame& Model() const { return static_cast<forms::Frame&>(*control_); }
  QGroupBox* box_;
};

}  // namespace formsqt
