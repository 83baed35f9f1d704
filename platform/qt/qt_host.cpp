#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <iostream>
#include <optional>

#include "platform/forms/form.h"
#include "platform/forms/services.h"
#include "platform/forms/user.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/help_window.h"
#include "platform/qt/keys.h"
#include "platform/qt/message_box.h"
#include "platform/qt/run.h"
#include "platform/qt/strings.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace formsqt {

namespace {

// The runtime's own message for an error no handler took.
std::string UnhandledText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const vb::Error& e) {
    return "Se ha producido el error '" + std::to_string(e.Number()) +
           "' en tiempo de ejecución:\n\n" + e.Description();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Error desconocido";
  }
}

// The exit code when the error is End's.
std::optional<int> EndCode(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const vb::ProgramEnded& end) {
    return end.exitCode;
  } catch (...) {
    return std::nullopt;
  }
}

bool IsInputEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtHost::QtHost() : previous_(forms::CurrentHost()) {
  Application();
  // The forms decide when the program ends, not the last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
  unhandled_ = [](std::exception_ptr error) { std::cerr << UnhandledText(error) << '\n'; };
  qApp->installEventFilter(this);
  forms::SetHost(this);
}

QtHost::~QtHost() {
  qApp->removeEventFilter(this);
  for (auto& [form, window] : windows_) {
    window->Detach(true);
    delete window;
  }
  windows_.clear();
  if (overrideCursor_) QApplication::restoreOverrideCursor();
  if (forms::CurrentHost() == this) forms::SetHost(previous_);
}

HelpWindow& QtHost::Help() {
  if (!help_) help_ = std::make_unique<HelpWindow>();
  return *help_;
}

FormWindow* QtHost::WindowOf(const forms::Form& form) const {
  auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second;
}

QWidget* QtHost::TopLevelOf(const forms::Form& form) const {
  FormWindow* window = WindowOf(form);
  return window ? window->TopLevel() : nullptr;
}

QWidget* QtHost::WidgetOf(const forms::Control& control) const {
  FormWindow* window = WindowOf(control.Parent());
  ControlView* view = window ? window->ViewOf(&control) : nullptr;
  return view ? view->Widget() : nullptr;
}

FormWindow* QtHost::WindowAt(QWidget* widget) const {
  QWidget* top = widget->window();
  for (auto& [form, window] : windows_) {
    if (window->TopLevel() == top) return window;
  }
  return nullptr;
}

bool QtHost::Call(const std::function<void()>& action) {
  if (ending_) return false;
  ++depth_;
  bool done = true;
  try {
    action();
  } catch (...) {
    done = false;
    if (!pending_) pending_ = std::current_exception();
  }
  --depth_;
  AfterCall();
  return done;
}

// An error left by a call goes on unwinding from the place that called into
// the event loop: the modal form's Show, once its loop is left, or at the top,
// where the program ends: no handler runs any more, End's exit code is the
// run's, and an error is reported first (once back in the loop, since the call
// may have come from a paint).
void QtHost::AfterCall() {
  if (!pending_) return;
  if (depth_ != 0) {
    if (!modal_.empty() && modal_.back().depth == depth_) modal_.back().loop->exit();
    return;
  }
  std::exception_ptr error = std::exchange(pending_, nullptr);
  ending_ = true;
  if (std::optional<int> code = EndCode(error)) return EndRun(*code);
  QTimer::singleShot(0, this, [this, error] { unhandled_(error); });
}

void QtHost::Abandon(int exitCode) {
  Call([exitCode] { throw vb::ProgramEnded{exitCode}; });
  // A text box's menu closes at once; the bound keeps one that would not from
  // holding the end up.
  for (int n = 0; n < 8 && QApplication::activePopupWidget(); ++n)
    QApplication::activePopupWidget()->close();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(top);
    if (dialog && dialog->isVisible() && !WindowAt(dialog)) dialog->reject();
  }
}

bool QtHost::IsUp(const forms::Form& form) const {
  QWidget* top = TopLevelOf(form);
  QWidget* modal = QApplication::activeModalWidget();
  return form.IsFullyLoaded() && form.Visible() && forms::Screen.ActiveForm() == &form && top &&
         top->isVisible() && (!modal || modal == top) && forms::InMessageLoop();
}

void QtHost::RethrowPending() {
  if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
}

void QtHost::SetUnhandledHandler(std::function<void(std::exception_ptr)> handler) {
  unhandled_ = std::move(handler);
}

void QtHost::EndRun(int exitCode) {
  exitCode_ = exitCode;
  if (runLoop_) runLoop_->exit(exitCode);
}

int QtHost::Run(const std::function<void()>& start, const forms::Form* main) {
  QEventLoop loop;
  runLoop_ = &loop;
  main_ = main;
  mainUnloaded_ = false;
  started_ = false;
  ending_ = false;
  exitCode_ = 0;
  std::function<void(std::exception_ptr)> before = unhandled_;
  unhandled_ = [this](std::exception_ptr error) {
    ShowMessageBox(nullptr, UnhandledText(error), forms::vbCritical, vb::App::Title());
    EndRun(1);
  };
  QTimer::singleShot(0, &loop, [this, &start] {
    if (start) Call(start);
    started_ = true;
    CheckRunEnd();
  });
  loop.exec();
  unhandled_ = before;
  runLoop_ = nullptr;
  main_ = nullptr;
  return exitCode_;
}

// The run is over when the main form has unloaded, or, without one, when no
// form is loaded once the code that unloaded the last one has finished.
void QtHost::CheckRunEnd() {
  if (!runLoop_ || !started_) return;
  bool over = main_ ? mainUnloaded_ || !main_->IsLoaded() : forms::Forms().empty();
  if (over) EndRun(exitCode_);
}

bool QtHost::Deliver(QObject* target, QEvent* event) {
  deliveries_.push_back({target, static_cast<int>(event->type())});
  bool result = QCoreApplication::sendEvent(target, event);
  deliveries_.pop_back();
  return result;
}

// An event handed over by Deliver, or its copy on the way to a parent widget.
bool QtHost::IsBeingDelivered(QObject* object, QEvent* event) const {
  return std::any_of(deliveries_.begin(), deliveries_.end(), [&](const Delivery& delivery) {
    if (delivery.type != static_cast<int>(event->type())) return false;
    if (delivery.target == object) return true;
    return object->isWidgetType() && delivery.target->isWidgetType() &&
           static_cast<QWidget*>(object)->isAncestorOf(static_cast<QWidget*>(delivery.target));
  });
}

// Every key and mouse event on a form's window is the form's: keys go to the
// form as keystrokes (Tab, Enter, KeyPress and the rest are its own), the mouse
// goes to the control under it. Menus, popups and dialogs of Qt's own work as
// usual.
bool QtHost::eventFilter(QObject* object, QEvent* event) {
  if (!IsInputEvent(event->type()) || !object->isWidgetType()) return false;
  if (IsBeingDelivered(object, event)) return false;
  auto* widget = static_cast<QWidget*>(object);
  FormWindow* window = WindowAt(widget);
  if (!window || !window->Model()) return false;
  ControlView* view = window->ViewAt(widget);
  bool formSurface = widget == window->Client() || widget == window->TopLevel();
  if (!view && !formSurface) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return Key(*window, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
      return true;
    case QEvent::Wheel:
      return view ? view->Wheel(widget, static_cast<QWheelEvent*>(event)) : true;
    default:
      if (view) return view->Mouse(widget, static_cast<QMouseEvent*>(event));
      return window->ClientMouse(static_cast<QMouseEvent*>(event));
  }
}

bool QtHost::Key(FormWindow& window, QKeyEvent* event) {
  forms::Keystroke key = KeystrokeOf(*event);
  if (key.keyCode == 0 && key.keyAscii == 0) return true;
  forms::Form& form = *window.Model();
  Call([&] { forms::user::Press(form, key); });
  return true;
}

int QtHost::TextWidth(const std::string& text, const forms::Font& font) {
  return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
}

int QtHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  forms::Form* active = forms::Screen.ActiveForm();
  QWidget* parent = active ? TopLevelOf(*active) : nullptr;
  if (parent && !parent->isVisible()) parent = nullptr;
  int answer = ShowMessageBox(parent, prompt, style, title);
  // The window under the box takes the keys again, whatever the window system
  // does with a closed box.
  if (FormWindow* window = active ? WindowOf(*active) : nullptr) window->Raise();
  RethrowPending();
  return answer;
}

void QtHost::RunModal(forms::Form& form) {
  if (!WindowOf(form) || !form.IsLoaded() || !form.Visible()) return;
  QEventLoop loop;
  modal_.push_back({&form, &loop, depth_});
  loop.exec(QEventLoop::DialogExec);
  modal_.pop_back();
  RethrowPending();
}

void QtHost::EndModal(const forms::Form& form) {
  for (ModalLoop& modal : modal_) {
    if (modal.form == &form) modal.loop->exit();
  }
}

void QtHost::ShowHelp(const forms::HelpRequest& request) { Help().Show(request); }

void QtHost::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  RethrowPending();
}

std::string QtHost::ClipboardText() { return ToUtf8(QGuiApplication::clipboard()->text()); }

void QtHost::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

void QtHost::FormLoaded(forms::Form& form) {
  if (WindowOf(form)) return;
  windows_[&form] = new FormWindow(*this, form);
}

void QtHost::FormUnloaded(forms::Form& form) {
  EndModal(form);
  auto found = windows_.find(&form);
  if (found != windows_.end()) {
    FormWindow* window = found->second;
    windows_.erase(found);
    window->Detach();
    window->deleteLater();
  }
  if (&form == main_) mainUnloaded_ = true;
  QTimer::singleShot(0, this, [this] { CheckRunEnd(); });
}

void QtHost::ControlAdded(forms::Control& control) {
  if (FormWindow* window = WindowOf(control.Parent())) window->Add(control);
}

void QtHost::ControlRemoved(forms::Control& control) {
  if (FormWindow* window = WindowOf(control.Parent())) window->Remove(&control);
}

void QtHost::Changed(forms::Form& form, forms::FormProperty property) {
  if (FormWindow* window = WindowOf(form)) window->Changed(property);
  if (property == forms::FormProperty::Visible && !form.Visible()) EndModal(form);
}

void QtHost::Changed(forms::Control& control, forms::ControlProperty property) {
  if (FormWindow* window = WindowOf(control.Parent())) window->Changed(control, property);
}

void QtHost::FocusChanged(forms::Form& form, forms::Control* focused) {
  if (FormWindow* window = WindowOf(form)) window->Focus(focused);
}

void QtHost::ActiveFormChanged(forms::Form* active) {
  if (!active) return;
  if (FormWindow* window = WindowOf(*active)) window->Raise();
}

// The screen's pointer (an hourglass while the program works) stands over
// every window until it is set back to the default.
void QtHost::MousePointerChanged(int pointer) {
  if (overrideCursor_) QApplication::restoreOverrideCursor();
  overrideCursor_ = false;
  if (auto shape = ToCursorShape(pointer)) {
    QApplication::setOverrideCursor(QCursor(*shape));
    overrideCursor_ = true;
  }
}

}  // namespace formsqt
