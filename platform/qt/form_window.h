#pragma once
#include <QObject>
#include <QPointer>
#include <memory>
#include <unordered_map>

#include "platform/forms/form.h"
#include "platform/forms/menu.h"

class QMainWindow;
class QMouseEvent;
class QWidget;

namespace formsqt {

class ControlView;
class MenuBar;
class QtHost;

// The top-level window of one loaded form: a main window with its menu bar when
// the form has menus, else a dialog (modal while the form is shown modally). Its
// client area is the form's inside, where the controls' widgets sit at their
// twips positions. The close box, a person's resizing and window state reach
// the form as forms::user actions.
class FormWindow : public QObject {
 public:
  FormWindow(QtHost& host, forms::Form& form);
  ~FormWindow() override;

  // The form, nullptr once it unloaded.
  forms::Form* Model() const { return form_; }
  QtHost& Host() const { return host_; }
  QWidget* TopLevel() const { return top_; }
  QWidget* Client() const { return client_; }

  ControlView* ViewOf(const forms::Control* control) const;
  // The view whose widget holds `widget`, or nullptr.
  ControlView* ViewAt(QWidget* widget) const;
  QWidget* ParentFor(const forms::Control& control) const;

  void Changed(forms::FormProperty property);
  void Changed(forms::Control& control, forms::ControlProperty property);
  void Add(forms::Control& control);
  void Remove(const forms::Control* control);
  void Focus(forms::Control* control);
  void Raise();
  void MenuChanged(const forms::Menu& menu);
  MenuBar* Menus() const { return menus_.get(); }
  // The form unloaded: the window goes (once the event loop runs again, or at
  // once with `now`), its widgets forget their controls.
  void Detach(bool now = false);

  // A person's mouse on the form's own surface.
  bool ClientMouse(QMouseEvent* event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void ApplyFlags();
  void ApplyGeometry();
  void ApplyVisible();
  void ShowInItsState();
  void ApplyWindowState();
  void ApplyPointer();
  void ApplyBackColor();
  void PlaceAll();
  void ShowTabPage(const forms::Control& tabs);
  void SurfaceReleased(int button, int shift, double x, double y);
  void PersonResized();
  void PersonMoved();
  void PersonChangedState();
  void Activated();
  void Closing();
  QSize ClientSize() const;

  QtHost& host_;
  forms::Form* form_;
  QPointer<QWidget> top_;
  QPointer<QWidget> client_;
  QMainWindow* main_ = nullptr;
  std::unique_ptr<MenuBar> menus_;
  std::unordered_map<const forms::Control*, QPointer<ControlView>> views_;
  int applying_ = 0;
  bool centred_ = false;
  // The surface's last press was a double click's second one.
  bool secondPress_ = false;
};

}  // namespace formsqt
