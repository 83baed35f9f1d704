#pragma once
// The base of every control's view: its widget kept in step with the control.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/forms/control.h"

class QMouseEvent;
class QWheelEvent;


namespace formsqt {

class FormWindow;
// The property by which a widget names the view it belongs to.
extern const char* const kViewProperty;
class QtHost;

// The widget of one control, kept in step with it: every property the control
// reports changed is shown at once, and a person's mouse on the widget reaches
// the control as forms::user actions. The widgets never take the focus on their
// own; the control's form decides where it goes (Validate may keep it) and the
// widget follows. Once the control goes the view forgets it and its widget is
// deleted when the event loop next runs.
class ControlView : public QObject {
 public:
  ControlView(FormWindow& window, forms::Control& control);
  ~ControlView() override;

  // The control, nullptr once it went.
  forms::Control* Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // The widget that shows the focus while the control holds it.
  virtual QWidget* FocusTarget() const { return widget_; }
  // Where the controls placed inside this one sit; nullptr for no container.
  virtual QWidget* Inside() const { return nullptr; }

  // Every property again.
  void SyncAll();
  virtual void Changed(forms::ControlProperty property);
  // Place and visibility again, after the container changed (a tab shown).
  void Place();
  void ApplyVisibility();
  // The caret and selection of an entry box, read from the control again.
  virtual void SyncCaret() {}
  virtual void Detach();

  // A person's mouse on the widget or one of its parts; true when it is taken
  // here (the widget itself then sees it only if the view hands it over).
  virtual bool Mouse(QWidget* target, QMouseEvent* event);
  virtual bool Wheel(QWidget* target, QWheelEvent* event);

 protected:
  // Makes `widget` the control's widget, placed in its container.
  void Adopt(QWidget* widget);
  // The properties of the kind of control.
  virtual void SyncOwn() {}
  // The control's rectangle in pixels, in its container.
  virtual QRect Placement() const;
  // After the widget was placed (composite widgets lay out their parts).
  virtual void Placed() {}
  virtual void ApplyColors();
  // Whether a left-button release on the widget runs Click (buttons, boxes).
  virtual bool ClicksOnRelease() const { return true; }
  // Whether the widget's own mouse handling runs too (entry boxes, lists that
  // open, scroll bars).
  virtual bool WidgetTakesMouse() const { return false; }
  // Between a left press's MouseDown and the widget's own handling of it (a
  // combo's DropDown, before its list opens).
  virtual void Pressing() {}
  // What a left press does after MouseDown (choose an item, a tab, a row).
  virtual void Pressed(QWidget* /*target*/, QPoint /*pos*/) {}
  // The left button released after a press MouseDown let through.
  virtual void Released() {}
  // After the widget's own handling of a mouse event (entry boxes read back
  // their selection).
  virtual void AfterWidgetMouse() {}
  // Whether the second press of a double click is one more click (buttons,
  // check boxes, options), not a DblClick.
  virtual bool DoubleClickIsPress() const { return false; }
  // A double click: DblClick, the first click having run Click.
  virtual void DoubleClicked();
  // The right button released: a context menu where the control has one.
  virtual void ContextMenu(QPoint /*globalPos*/) {}

  FormWindow& Window() const { return window_; }
  QtHost& Host() const;
  bool Call(const std::function<void()>& action) const;
  // A point of `target` on the control's widget, and in twips from its corner.
  QPoint OnWidget(QWidget* target, QPoint pos) const;
  double TwipsX(QWidget* target, QPoint pos) const;
  double TwipsY(QWidget* target, QPoint pos) const;

  forms::Control* control_;
  QPointer<QWidget> widget_;

 private:
  void ApplyPointer();
  bool Press(QWidget* target, QMouseEvent* event);
  bool PressNow(QWidget* target, QMouseEvent* event);
  bool Release(QWidget* target, QMouseEvent* event);
  bool Move(QWidget* target, QMouseEvent* event);
  bool DoublePress(QWidget* target, QMouseEvent* event);
  void PassOn(QWidget* target, QMouseEvent* event);

  FormWindow& window_;
  int pressed_ = 0;
  bool double_ = false;
  // A press is running its handlers; a release that arrives meanwhile (a
  // handler let events run) waits here until the press is done.
  bool pressing_ = false;
  std::unique_ptr<QMouseEvent> heldRelease_;
  QPointer<QWidget> heldTarget_;
};

}  // namespace formsqt
