#include "platform/qt/form_window.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindowStateChangeEvent>
#include <utility>

#include "platform/forms/services.h"
#include "platform/forms/user.h"
#include "platform/qt/appearance.h"
#include "platform/qt/applying_scope.h"
#include "platform/qt/control_view.h"
#include "platform/qt/keys.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"
#include "platform/qt/units.h"
#include "platform/qt/view_factory.h"

namespace formsqt {

namespace {

bool IsFixedBorder(int borderStyle) {
  return borderStyle != forms::vbSizable && borderStyle != forms::vbSizableToolWindow;
}

// A form without border has no title bar, so neither control box nor buttons:
// Qt would draw a frame again for a minimize or maximize button.
Qt::WindowFlags FrameFlags(const forms::Form& form) {
  if (form.BorderStyle() == forms::vbBSNone) return Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (!form.ControlBox()) return flags;
  flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (form.MinButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (form.MaxButton() && !IsFixedBorder(form.BorderStyle())) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  return flags;
}

}  // namespace

FormWindow::FormWindow(QtHost& host, forms::Form& form) : host_(host), form_(&form) { Build(); }

FormWindow::~FormWindow() {
  menus_.reset();
  if (top_) delete top_.data();
}

void FormWindow::Build() {
  if (form_->HasMenus()) {
    main_ = new QMainWindow;
    client_ = new QWidget;
    main_->setCentralWidget(client_);
    top_ = main_;
  } else {
    top_ = new QDialog;
    client_ = top_;
  }
  top_->installEventFilter(this);
  if (client_ != top_) client_->installEventFilter(this);
  client_->setMouseTracking(true);
  top_->setFocusPolicy(Qt::NoFocus);
  for (forms::Control* control : form_->Controls()) Add(*control);
  if (main_) {
    menus_ = std::make_unique<MenuBar>(*this, *main_->menuBar());
    menus_->Rebuild();
  }
  ApplyFlags();
  top_->setWindowTitle(ToQString(form_->Caption()));
  top_->setEnabled(form_->Enabled());
  ApplyBackColor();
  ApplyPointer();
  ApplyGeometry();
}

ControlView* FormWindow::ViewOf(const forms::Control* control) const {
  auto found = views_.find(control);
  return found == views_.end() ? nullptr : found->second.data();
}

ControlView* FormWindow::ViewAt(QWidget* widget) const {
  for (QWidget* part = widget; part && part != client_ && part != top_; part = part->parentWidget()) {
    QVariant view = part->property(kViewProperty);
    if (view.isValid()) return view.value<ControlView*>();
  }
  return nullptr;
}

QWidget* FormWindow::ParentFor(const forms::Control& control) const {
  if (ControlView* container = ViewOf(control.Container())) {
    if (QWidget* inside = container->Inside()) return inside;
  }
  return client_;
}

void FormWindow::Add(forms::Control& control) {
  ControlView* view = MakeView(*this, control);
  views_[&control] = view;
  view->SyncAll();
  if (menus_ && dynamic_cast<forms::Menu*>(&control)) menus_->Rebuild();
}

void FormWindow::Remove(const forms::Control* control) {
  auto found = views_.find(control);
  if (found == views_.end()) return;
  QPointer<ControlView> view = found->second;
  views_.erase(found);
  if (!view) return;
  bool menu = dynamic_cast<MenuView*>(view.data()) != nullptr;
  view->Detach();
  if (!view->Widget()) view->deleteLater();
  if (menu && menus_) menus_->Rebuild();
}

void FormWindow::MenuChanged(const forms::Menu& menu) {
  if (menus_) menus_->Update(menu);
}

void FormWindow::Changed(forms::Control& control, forms::ControlProperty property) {
  ControlView* view = ViewOf(&control);
  if (!view) return;
  view->Changed(property);
  if (property == forms::ControlProperty::Tab) ShowTabPage(control);
}

// The controls of the page shown appear, those of the other pages hide.
void FormWindow::ShowTabPage(const forms::Control& tabs) {
  for (auto& [control, view] : views_) {
    if (view && control->Container() == &tabs) view->ApplyVisibility();
  }
}

void FormWindow::Changed(forms::FormProperty property) {
  using enum forms::FormProperty;
  if (!form_ || !top_) return;
  switch (property) {
    case Caption:
      return top_->setWindowTitle(ToQString(form_->Caption()));
    case Geometry:
      return ApplyGeometry();
    case Visible:
      return ApplyVisible();
    case Enabled:
      return top_->setEnabled(form_->Enabled());
    case WindowState:
      return ApplyWindowState();
    case MousePointer:
      return ApplyPointer();
    case BackColor:
      return ApplyBackColor();
    case BorderStyle:
    case ControlBox:
    case MinButton:
    case MaxButton:
      ApplyFlags();
      return ApplyGeometry();
    case Refresh:
      return top_->update();
    // The program's own data and the help topic show nowhere.
    case Tag:
    case HelpContextID:
      return;
  }
}

void FormWindow::ApplyFlags() {
  Qt::WindowFlags flags = (main_ ? Qt::Window : Qt::Dialog) | FrameFlags(*form_);
  if (top_->windowFlags() == flags) return;
  bool shown = top_->isVisible();
  ApplyingScope applying(applying_);
  top_->setWindowFlags(flags);
  if (shown) top_->show();
}

QSize FormWindow::ClientSize() const {
  return QSize(ToPixels(form_->ScaleWidth()), ToPixels(form_->ScaleHeight()));
}

// The form's Width and Height are the outer size; its inside (ScaleWidth,
// ScaleHeight) is what the window's client area gets. A form placed at the
// screen's corner by its design is centred instead the first time it shows.
void FormWindow::ApplyGeometry() {
  ApplyingScope applying(applying_);
  QSize inside = ClientSize();
  QSize outer = inside;
  if (main_) outer.rheight() += main_->menuBar()->sizeHint().height();
  if (IsFixedBorder(form_->BorderStyle())) {
    top_->setFixedSize(outer);
  } else {
    top_->setMinimumSize(0, 0);
    top_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    top_->resize(outer);
  }
  if (form_->Left() != 0 || form_->Top() != 0) {
    top_->move(ToPixels(form_->Left()), ToPixels(form_->Top()));
  } else if (!centred_) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect area = screen->availableGeometry();
      top_->move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
  }
  centred_ = true;
  PlaceAll();
}

void FormWindow::PlaceAll() {
  for (auto& [control, view] : views_) {
    if (view) view->Place();
  }
}

// A form shown modally is an application-modal window: the other forms take no
// input until it is hidden or unloaded.
void FormWindow::ApplyVisible() {
  if (!form_->Visible()) {
    top_->hide();
    return;
  }
  Qt::WindowModality modality = form_->IsModal() ? Qt::ApplicationModal : Qt::NonModal;
  if (top_->windowModality() != modality) {
    top_->hide();
    top_->setWindowModality(modality);
  }
  ShowInItsState();
  Focus(form_->ActiveControl());
  Raise();
}

void FormWindow::ShowInItsState() {
  ApplyingScope applying(applying_);
  ApplyWindowState();
  top_->show();
}

void FormWindow::ApplyWindowState() {
  ApplyingScope applying(applying_);
  switch (form_->WindowState()) {
    case forms::vbMinimized:
      top_->setWindowState(Qt::WindowMinimized);
      break;
    case forms::vbMaximized:
      top_->setWindowState(Qt::WindowMaximized);
      break;
    default:
      top_->setWindowState(Qt::WindowNoState);
  }
}

void FormWindow::ApplyPointer() {
  if (auto shape = ToCursorShape(form_->MousePointer())) {
    client_->setCursor(*shape);
  } else {
    client_->unsetCursor();
  }
}

void FormWindow::ApplyBackColor() {
  formsqt::ApplyColors(*client_, form_->BackColor(), forms::vbButtonText, true);
}

void FormWindow::Focus(forms::Control* control) {
  if (!top_) return;
  if (!control) {
    if (QWidget* focused = top_->focusWidget()) focused->clearFocus();
    return;
  }
  ControlView* view = ViewOf(control);
  QWidget* target = view ? view->FocusTarget() : nullptr;
  if (!target) return;
  target->setFocus(Qt::OtherFocusReason);
  // An entry widget drops its selection when it loses the focus; the box keeps
  // it, and shows it again when the focus comes back.
  view->SyncCaret();
}

void FormWindow::Raise() {
  if (!top_ || !top_->isVisible()) return;
  top_->raise();
  top_->activateWindow();
}

void FormWindow::Detach(bool now) {
  form_ = nullptr;
  for (auto& [control, view] : views_) {
    if (view) view->Detach();
  }
  views_.clear();
  menus_.reset();
  if (!top_) return;
  top_->removeEventFilter(this);
  top_->hide();
  if (now) {
    delete top_.data();
  } else {
    top_->deleteLater();
  }
}

// A double click on the surface raises MouseDown, MouseUp, Click, DblClick and
// MouseUp: its second press raises only DblClick, its second release no Click.
bool FormWindow::ClientMouse(QMouseEvent* event) {
  if (!form_) return true;
  forms::Form& form = *form_;
  int shift = ShiftState(event->modifiers());
  QPoint pos = event->position().toPoint();
  double x = ToTwips(pos.x());
  double y = ToTwips(pos.y());
  int button = VbButton(event->button());
  switch (event->type()) {
    case QEvent::MouseMove:
      host_.Call([&] { forms::user::MouseMove(form, VbButtons(event->buttons()), shift, x, y); });
      break;
    case QEvent::MouseButtonPress:
      secondPress_ = false;
      host_.Call([&] { forms::user::MouseDown(form, button, shift, x, y); });
      break;
    case QEvent::MouseButtonRelease:
      SurfaceReleased(button, shift, x, y);
      break;
    case QEvent::MouseButtonDblClick:
      if (event->button() != Qt::LeftButton) {
        host_.Call([&] { forms::user::MouseDown(form, button, shift, x, y); });
        break;
      }
      secondPress_ = true;
      host_.Call([&] { forms::user::SecondPress(form); });
      break;
    default:
      break;
  }
  return true;
}

void FormWindow::SurfaceReleased(int button, int shift, double x, double y) {
  forms::Form& form = *form_;
  bool second = std::exchange(secondPress_, false);
  host_.Call([&] { forms::user::MouseUp(form, button, shift, x, y); });
  if (button == forms::vbLeftButton && !second && form_) {
    host_.Call([&] { forms::user::ClickForm(form); });
  }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!form_) return false;
  if (watched == client_ && event->type() == QEvent::Resize) PlaceAll();
  if (watched != top_) return false;
  switch (event->type()) {
    case QEvent::Close:
      event->ignore();
      Closing();
      return true;
    case QEvent::Resize:
      if (event->spontaneous() && !applying_) PersonResized();
      return false;
    case QEvent::Move:
      if (event->spontaneous() && !applying_) PersonMoved();
      return false;
    case QEvent::WindowStateChange:
      if (!applying_) PersonChangedState();
      return false;
    case QEvent::WindowActivate:
      Activated();
      return false;
    default:
      return false;
  }
}

// The close box asks the form (QueryUnload with vbFormControlMenu, Unload); the
// window goes only if the form unloads.
void FormWindow::Closing() {
  forms::Form& form = *form_;
  host_.Call([&] { forms::user::Close(form); });
}

void FormWindow::PersonResized() {
  QSize inside = top_->size();
  if (main_) inside.rheight() -= main_->menuBar()->height();
  if (inside == ClientSize()) return;
  forms::Form& form = *form_;
  int width = static_cast<int>(ToTwips(inside.width())) + form.Width() - form.ScaleWidth();
  int height = static_cast<int>(ToTwips(inside.height())) + form.Height() - form.ScaleHeight();
  host_.Call([&] { forms::user::Resize(form, width, height); });
}

void FormWindow::PersonMoved() {
  QPoint at = top_->pos();
  if (at == QPoint(ToPixels(form_->Left()), ToPixels(form_->Top()))) return;
  forms::Form& form = *form_;
  int left = static_cast<int>(ToTwips(at.x()));
  int top = static_cast<int>(ToTwips(at.y()));
  host_.Call([&] { form.Move(left, top, form.Width(), form.Height()); });
}

void FormWindow::PersonChangedState() {
  Qt::WindowStates state = top_->windowState();
  int vbState = (state & Qt::WindowMinimized)   ? forms::vbMinimized
                : (state & Qt::WindowMaximized) ? forms::vbMaximized
                                                : forms::vbNormal;
  if (vbState == form_->WindowState()) return;
  forms::Form& form = *form_;
  host_.Call([&] { forms::user::SetWindowState(form, vbState); });
}

// A person bringing a form's window to the front makes it the active form.
void FormWindow::Activated() {
  forms::Form& form = *form_;
  if (forms::Screen.ActiveForm() == &form) return;
  host_.Call([&] { forms::user::BringToFront(form); });
}

}  // namespace formsqt
