#include "platform/qt/control_view.h"

#include <QCursor>
#include <QMouseEvent>
#include <QVariant>
#include <QWheelEvent>
#include <QWidget>
#include <utility>

#include "platform/forms/form.h"
#include "platform/forms/user.h"
#include "platform/qt/appearance.h"
#include "platform/qt/form_window.h"
#include "platform/qt/keys.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"
#include "platform/qt/units.h"

namespace formsqt {

namespace {

// The widget and every part of it leave the focus to the form, and take no
// text but the control's: no input method, nothing dropped on them.
void LeaveInputToTheForm(QWidget& widget) {
  QList<QWidget*> parts = widget.findChildren<QWidget*>();
  parts.append(&widget);
  for (QWidget* part : parts) {
    part->setFocusPolicy(Qt::NoFocus);
    part->setAttribute(Qt::WA_InputMethodEnabled, false);
    part->setAcceptDrops(false);
  }
}

}  // namespace

const char* const kViewProperty = "formsqt_view";

ControlView::ControlView(FormWindow& window, forms::Control& control)
    : QObject(&window), control_(&control), window_(window) {}

ControlView::~ControlView() = default;

QtHost& ControlView::Host() const { return window_.Host(); }

bool ControlView::Call(const std::function<void()>& action) const { return Host().Call(action); }

void ControlView::Adopt(QWidget* widget) {
  widget_ = widget;
  widget->setParent(window_.ParentFor(*control_));
  widget->setProperty(kViewProperty, QVariant::fromValue(this));
  widget->setMouseTracking(true);
  LeaveInputToTheForm(*widget);
  setParent(widget);
}

QRect ControlView::Placement() const {
  return ToPixels(control_->Left(), control_->Top(), control_->Width(), control_->Height());
}

void ControlView::Place() {
  if (!control_ || !widget_) return;
  widget_->setGeometry(Placement());
  Placed();
}

void ControlView::ApplyVisibility() {
  if (!control_ || !widget_) return;
  bool shown = control_->Visible();
  if (const forms::Control* container = control_->Container()) {
    shown = shown && container->ShowsPage(control_->TabPage());
  }
  widget_->setVisible(shown);
}

void ControlView::ApplyColors() {
  formsqt::ApplyColors(*widget_, control_->BackColor(), control_->ForeColor(), false);
}

void ControlView::SyncAll() {
  if (!control_) return;
  if (widget_) {
    Place();
    ApplyVisibility();
    widget_->setEnabled(control_->Enabled());
    widget_->setToolTip(ToQString(control_->ToolTipText()));
    ApplyColors();
    widget_->setFont(ToQFont(control_->Font()));
    ApplyPointer();
  }
  SyncOwn();
  if (widget_) LeaveInputToTheForm(*widget_);
}

// What every control has is applied here; what a kind of control has of its
// own, by showing all of that again.
void ControlView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (!widget_) return SyncOwn();
  switch (property) {
    case Left:
    case Top:
    case Width:
    case Height:
      return Place();
    case Visible:
      return ApplyVisibility();
    case Enabled:
      return widget_->setEnabled(control_->Enabled());
    case ToolTipText:
      return widget_->setToolTip(ToQString(control_->ToolTipText()));
    case BackColor:
    case ForeColor:
      return ApplyColors();
    case Font:
      return widget_->setFont(ToQFont(control_->Font()));
    case MousePointer:
      return ApplyPointer();
    case Refresh:
      return widget_->update();
    // The focus order, validation, the program's own data and the help topic
    // show nowhere.
    case TabIndex:
    case TabStop:
    case CausesValidation:
    case Tag:
    case HelpContextID:
      return;
    case Caption:
    case Value:
    case Alignment:
    case BorderStyle:
    case Style:
    case Picture:
    case Default:
    case Cancel:
    case AutoSize:
    case WordWrap:
    case BackStyle:
    case Checked:
    case Text:
    case Locked:
    case MaxLength:
    case MultiLine:
    case ScrollBars:
    case PasswordChar:
    case SelStart:
    case SelLength:
    case Mask:
    case PromptChar:
    case List:
    case ListIndex:
    case Sorted:
    case TopIndex:
    case DropDownWidth:
    case Path:
    case Pattern:
    case Min:
    case Max:
    case SmallChange:
    case LargeChange:
    case DrawWidth:
    case AutoRedraw:
    case Drawing:
    case Tabs:
    case Tab:
    case TabCaption:
    case TabEnabled:
    case TabVisible:
    case Rows:
    case Row:
    case Col:
    case FirstRow:
    case RowHeight:
    case Columns:
    case Buttons:
    case numdoc:
    case razonsocial:
    case periodo_ejercicio:
    case formulario:
    case esruc:
      return SyncOwn();
  }
}

void ControlView::ApplyPointer() {
  if (auto shape = ToCursorShape(control_->MousePointer())) {
    widget_->setCursor(*shape);
  } else {
    widget_->unsetCursor();
  }
}

void ControlView::Detach() {
  control_ = nullptr;
  if (!widget_) return;
  widget_->setProperty(kViewProperty, QVariant());
  widget_->hide();
  widget_->deleteLater();
}

QPoint ControlView::OnWidget(QWidget* target, QPoint pos) const {
  return widget_ ? widget_->mapFromGlobal(target->mapToGlobal(pos)) : pos;
}

double ControlView::TwipsX(QWidget* target, QPoint pos) const {
  return ToTwips(OnWidget(target, pos).x());
}

double ControlView::TwipsY(QWidget* target, QPoint pos) const {
  return ToTwips(OnWidget(target, pos).y());
}

bool ControlView::Mouse(QWidget* target, QMouseEvent* event) {
  if (!control_) return true;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return Press(target, event);
    case QEvent::MouseButtonRelease:
      return Release(target, event);
    case QEvent::MouseButtonDblClick:
      return DoublePress(target, event);
    case QEvent::MouseMove:
      return Move(target, event);
    default:
      return false;
  }
}

bool ControlView::Wheel(QWidget* target, QWheelEvent* event) {
  if (control_ && WidgetTakesMouse()) Host().Deliver(target, event);
  return true;
}

// A handler the press runs (a LostFocus, GotFocus or MouseDown) may let events
// run, and the release of a quick click then arrives before the press is done:
// it is kept and handled once the press is, so that the click is not lost.
bool ControlView::Press(QWidget* target, QMouseEvent* event) {
  pressing_ = true;
  bool handled = PressNow(target, event);
  pressing_ = false;
  std::unique_ptr<QMouseEvent> release = std::move(heldRelease_);
  if (release && control_ && heldTarget_) Release(heldTarget_, release.get());
  return handled;
}

// MouseDown moves the focus first; when Validate keeps it elsewhere the press
// ends there, and so does its release.
bool ControlView::PressNow(QWidget* target, QMouseEvent* event) {
  int button = VbButton(event->button());
  pressed_ = 0;
  double_ = false;
  if (button == 0) return true;
  QPoint pos = event->position().toPoint();
  int shift = ShiftState(event->modifiers());
  forms::Control& control = *control_;
  bool down = false;
  Call([&] {
    down = forms::user::MouseDown(control, button, shift, TwipsX(target, pos), TwipsY(target, pos));
  });
  if (!down || !control_) return true;
  pressed_ = button;
  if (button != forms::vbLeftButton) return true;
  Pressing();
  if (!control_) return true;
  if (WidgetTakesMouse()) PassOn(target, event);
  if (control_) Pressed(target, pos);
  return true;
}

bool ControlView::Release(QWidget* target, QMouseEvent* event) {
  if (pressing_) {
    heldRelease_.reset(static_cast<QMouseEvent*>(event->clone()));
    heldTarget_ = target;
    return true;
  }
  int button = VbButton(event->button());
  if (button == 0 || button != pressed_) return true;
  pressed_ = 0;
  bool wasDouble = std::exchange(double_, false);
  QPoint pos = event->position().toPoint();
  if (button == forms::vbLeftButton) {
    if (WidgetTakesMouse()) PassOn(target, event);
    if (control_) Released();
  }
  if (!control_) return true;
  forms::Control& control = *control_;
  int shift = ShiftState(event->modifiers());
  Call([&] {
    forms::user::MouseUp(control, button, shift, TwipsX(target, pos), TwipsY(target, pos));
  });
  if (!control_ || !widget_) return true;
  bool inside = widget_->rect().contains(OnWidget(target, pos));
  if (button == forms::vbLeftButton && inside && ClicksOnRelease() && !wasDouble) {
    Call([&] { forms::user::Click(control); });
  }
  if (button == forms::vbRightButton && inside) ContextMenu(event->globalPosition().toPoint());
  return true;
}

// The second press of a double click: a button, box or option takes it as
// another click; other controls raise DblClick once the first click ran Click.
// Where Validate kept the focus from the first click, this is a first click.
bool ControlView::DoublePress(QWidget* target, QMouseEvent* event) {
  bool refused = control_->CanTakeFocus() && control_->Parent().ActiveControl() != control_;
  if (event->button() != Qt::LeftButton || DoubleClickIsPress() || refused) {
    return Press(target, event);
  }
  pressed_ = forms::vbLeftButton;
  double_ = true;
  if (WidgetTakesMouse()) PassOn(target, event);
  if (control_) DoubleClicked();
  return true;
}

void ControlView::DoubleClicked() {
  forms::Control& control = *control_;
  Call([&] { forms::user::SecondPress(control); });
}

bool ControlView::Move(QWidget* target, QMouseEvent* event) {
  QPoint pos = event->position().toPoint();
  forms::Control& control = *control_;
  int buttons = VbButtons(event->buttons());
  int shift = ShiftState(event->modifiers());
  Call([&] {
    forms::user::MouseMove(control, buttons, shift, TwipsX(target, pos), TwipsY(target, pos));
  });
  if (control_ && WidgetTakesMouse() && (buttons == 0 || pressed_ != 0)) PassOn(target, event);
  return true;
}

void ControlView::PassOn(QWidget* target, QMouseEvent* event) {
  Host().Deliver(target, event);
  if (control_) AfterWidgetMouse();
}

}  // namespace formsqt
