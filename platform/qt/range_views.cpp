#include "platform/qt/range_views.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "platform/forms/user.h"

namespace formsqt {

namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

ProgressBarView::ProgressBarView(FormWindow& window, forms::ProgressBar& bar)
    : ControlView(window, bar), bar_(new QProgressBar) {
  bar_->setRange(0, kProgressSteps);
  bar_->setTextVisible(false);
  Adopt(bar_);
}

void ProgressBarView::SyncOwn() {
  forms::ProgressBar& bar = Model();
  double span = bar.Max() - bar.Min();
  double share = span > 0 ? (bar.Value() - bar.Min()) / span : 0;
  bar_->setValue(static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kProgressSteps)));
}

ScrollBarView::ScrollBarView(FormWindow& window, forms::ScrollBar& bar)
    : ControlView(window, bar),
      bar_(new QScrollBar(bar.Vertical() ? Qt::Vertical : Qt::Horizontal)) {
  Adopt(bar_);
  connect(bar_, &QAbstractSlider::actionTriggered, this, [this](int) { Scrolled(); });
}

void ScrollBarView::SyncOwn() {
  forms::ScrollBar& bar = Model();
  QSignalBlocker quiet(bar_);
  bool inverted = bar.Min() > bar.Max();
  bar_->setInvertedAppearance(inverted);
  bar_->setInvertedControls(inverted);
  bar_->setRange(std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max()));
  bar_->setSingleStep(bar.SmallChange());
  bar_->setPageStep(bar.LargeChange());
  bar_->setValue(bar.Value());
}

// The bar has moved its slider for the action but not yet taken the value: the
// control takes it first, and the slider ends where the control's value is.
void ScrollBarView::Scrolled() {
  if (!control_) return;
  forms::ScrollBar& bar = Model();
  int value = bar_->sliderPosition();
  Call([&] { forms::user::Scroll(bar, value); });
  if (control_) bar_->setSliderPosition(Model().Value());
}

}  // namespace formsqt
