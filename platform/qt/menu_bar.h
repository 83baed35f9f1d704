#pragma once
#include <QPointer>
#include <unordered_map>
#include <vector>

#include "platform/forms/menu.h"
#include "platform/qt/control_view.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace formsqt {

// The menu bar of a form's menus: a menu with commands opens as a menu (its
// Click runs as it opens, where programs enable its commands), a command runs
// its Click when chosen; "-" is a separator, "&" marks the access key.
// Control-array elements keep their array's place, in index order.
class MenuBar {
 public:
  MenuBar(FormWindow& window, QMenuBar& bar);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  void Rebuild();
  // Caption, Enabled, Visible or Checked of one menu.
  void Update(const forms::Menu& menu);
  QAction* ActionOf(const forms::Menu& menu) const;

 private:
  std::vector<forms::Menu*> ChildrenOf(const forms::Control* parent) const;
  void AddItems(QWidget& into, const forms::Control* parent);
  void Choose(const forms::Menu* menu);
  void Forget();

  FormWindow& window_;
  QPointer<QMenuBar> bar_;
  QPointer<QObject> holder_;
  std::vector<QPointer<QMenu>> menus_;
  std::unordered_map<const forms::Menu*, QPointer<QAction>> actions_;
};

// A menu has no widget of its own: its changes go to the form's menu bar.
class MenuView final : public ControlView {
 public:
  MenuView(FormWindow& window, forms::Menu& menu) : ControlView(window, menu) {}

 protected:
  void SyncOwn() override;
};

}  // namespace formsqt
