#pragma once
// The views of progress and scroll bars.
#include "platform/forms/progress_bar.h"
#include "platform/forms/scroll_bar.h"
#include "platform/qt/control_view.h"

class QProgressBar;
class QScrollBar;

namespace formsqt {

// A progress bar; the control's Min..Max may be fractional, so the bar shows
// the value's share of the range.
class ProgressBarView final : public ControlView {
 public:
  ProgressBarView(FormWindow& window, forms::ProgressBar& bar);

 protected:
  void SyncOwn() override;

 private:
  forms::ProgressBar& Model() const { return static_cast<forms::ProgressBar&>(*control_); }
  QProgressBar* bar_;
};

// A scroll bar: a person's scrolling sets the control's value (which runs
// Change) and the bar then shows the value the control holds. A Min above Max
// runs the bar the other way.
class ScrollBarView final : public ControlView {
 public:
  ScrollBarView(FormWindow& window, forms::ScrollBar& bar);

 protected:
  void SyncOwn() override;
  bool WidgetTakesMouse() const override { return true; }
  bool ClicksOnRelease() const override { return false; }

 private:
  forms::ScrollBar& Model() const { return static_cast<forms::ScrollBar&>(*control_); }
  void Scrolled();
  QScrollBar* bar_;
};

}  // namespace formsqt
