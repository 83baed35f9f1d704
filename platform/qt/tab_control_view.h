#pragma once
#include "platform/forms/tab_control.h"
#include "platform/qt/control_view.h"

class QFrame;
class QTabBar;

namespace formsqt {

// A tab control: a tab bar over a panel, the controls of every page placed on
// the panel (those of the pages not shown are hidden). A click on a tab chooses
// it through the control, which may refuse a disabled or hidden tab.
class TabControlView final : public ControlView {
 public:
  TabControlView(FormWindow& window, forms::TabControl& tabs);
  QWidget* Inside() const override { return widget_; }
  QWidget* FocusTarget() const override;
  QTabBar* Bar() const { return bar_; }

 protected:
  void SyncOwn() override;
  void Placed() override;
  bool ClicksOnRelease() const override { return false; }
  void Pressed(QWidget* target, QPoint pos) override;

 private:
  forms::TabControl& Model() const { return static_cast<forms::TabControl&>(*control_); }
  QTabBar* bar_;
  QFrame* panel_;
};

}  // namespace formsqt
