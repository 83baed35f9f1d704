#include "platform/qt/tab_control_view.h"

#include <QFrame>
#include <QSignalBlocker>
#include <QTabBar>

#include "platform/forms/user.h"
#include "platform/qt/appearance.h"

namespace formsqt {

TabControlView::TabControlView(FormWindow& window, forms::TabControl& tabs)
    : ControlView(window, tabs), bar_(nullptr), panel_(nullptr) {
  auto* holder = new QWidget;
  panel_ = new QFrame(holder);
  panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  bar_ = new QTabBar(holder);
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  bar_->setMouseTracking(true);
  Adopt(holder);
}

QWidget* TabControlView::FocusTarget() const { return bar_; }

// Captions are shown without their access keys: the tab bar would otherwise
// switch tabs on its own when the key is pressed.
void TabControlView::SyncOwn() {
  forms::TabControl& tabs = Model();
  QSignalBlocker quiet(bar_);
  while (bar_->count() < tabs.Tabs()) bar_->addTab(QString());
  while (bar_->count() > tabs.Tabs()) bar_->removeTab(bar_->count() - 1);
  for (int tab = 0; tab < tabs.Tabs(); ++tab) {
    bar_->setTabText(tab, WithoutAccessKeys(tabs.TabCaption(tab)));
    bar_->setTabEnabled(tab, tabs.TabEnabled(tab));
    bar_->setTabVisible(tab, tabs.TabVisible(tab));
  }
  bar_->setCurrentIndex(tabs.Tab());
  Placed();
}

void TabControlView::Placed() {
  QSize size = widget_->size();
  int barHeight = bar_->sizeHint().height();
  bar_->setGeometry(0, 0, size.width(), barHeight);
  panel_->setGeometry(0, barHeight - 1, size.width(), std::max(0, size.height() - barHeight + 1));
  panel_->lower();
}

void TabControlView::Pressed(QWidget* target, QPoint pos) {
  if (target != bar_) return;
  int tab = bar_->tabAt(pos);
  if (tab < 0) return;
  forms::TabControl& tabs = Model();
  Call([&] { forms::user::ChooseTab(tabs, tab); });
  if (control_) SyncOwn();
}

}  // namespace formsqt
