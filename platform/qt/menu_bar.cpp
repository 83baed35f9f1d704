#include "platform/qt/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <map>
#include <string>

#include "platform/forms/form.h"
#include "platform/forms/user.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"

namespace formsqt {

MenuBar::MenuBar(FormWindow& window, QMenuBar& bar) : window_(window), bar_(&bar) {}

MenuBar::~MenuBar() { Forget(); }

void MenuBar::Forget() {
  for (auto& [menu, action] : actions_) {
    if (action) action->disconnect();
  }
  for (QPointer<QMenu>& menu : menus_) {
    if (menu) {
      menu->disconnect();
      menu->deleteLater();
    }
  }
  if (holder_) holder_->deleteLater();
  actions_.clear();
  menus_.clear();
}

std::vector<forms::Menu*> MenuBar::ChildrenOf(const forms::Control* parent) const {
  const forms::Form* form = window_.Model();
  std::vector<forms::Menu*> children;
  if (!form) return children;
  std::map<std::string, int> firstPlace;
  for (forms::Control* control : form->Controls()) {
    firstPlace.emplace(control->Name(), static_cast<int>(firstPlace.size()));
    auto* menu = dynamic_cast<forms::Menu*>(control);
    if (menu && menu->Container() == parent) children.push_back(menu);
  }
  std::stable_sort(children.begin(), children.end(), [&](const forms::Menu* a, const forms::Menu* b) {
    int placeA = firstPlace[a->Name()];
    int placeB = firstPlace[b->Name()];
    return placeA != placeB ? placeA < placeB : a->Index() < b->Index();
  });
  return children;
}

void MenuBar::Rebuild() {
  if (!bar_) return;
  Forget();
  bar_->clear();
  holder_ = new QObject(bar_);
  AddItems(*bar_, nullptr);
}

void MenuBar::AddItems(QWidget& into, const forms::Control* parent) {
  for (forms::Menu* menu : ChildrenOf(parent)) {
    QAction* action = nullptr;
    if (menu->IsSeparator()) {
      action = new QAction(holder_);
      action->setSeparator(true);
    } else if (!ChildrenOf(menu).empty()) {
      auto* submenu = new QMenu(&into);
      menus_.push_back(submenu);
      AddItems(*submenu, menu);
      QObject::connect(submenu, &QMenu::aboutToShow, submenu, [this, menu] { Choose(menu); });
      action = submenu->menuAction();
    } else {
      action = new QAction(holder_);
      QObject::connect(action, &QAction::triggered, action, [this, menu] { Choose(menu); });
    }
    into.addAction(action);
    actions_[menu] = action;
    Update(*menu);
  }
}

void MenuBar::Update(const forms::Menu& menu) {
  auto found = actions_.find(&menu);
  if (found == actions_.end() || !found->second) return;
  QAction* action = found->second;
  if (action->isSeparator() != menu.IsSeparator()) return Rebuild();
  if (!menu.IsSeparator()) action->setText(ToQString(menu.Caption()));
  action->setEnabled(menu.Enabled());
  action->setVisible(menu.Visible());
  action->setCheckable(menu.Checked());
  action->setChecked(menu.Checked());
}

QAction* MenuBar::ActionOf(const forms::Menu& menu) const {
  auto found = actions_.find(&menu);
  return found == actions_.end() ? nullptr : found->second.data();
}

void MenuBar::Choose(const forms::Menu* menu) {
  if (!window_.Model() || !actions_.count(menu)) return;
  forms::Menu& chosen = *const_cast<forms::Menu*>(menu);
  window_.Host().Call([&] { forms::user::ChooseMenu(chosen); });
}

void MenuView::SyncOwn() {
  if (control_) Window().MenuChanged(static_cast<forms::Menu&>(*control_));
}

}  // namespace formsqt
