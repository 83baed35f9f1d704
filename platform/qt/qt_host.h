#pragma once
// The windows' host that shows them with Qt Widgets.
#include <QObject>
#include <QPointer>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/forms/host.h"

class QEventLoop;
class QKeyEvent;
class QWidget;

namespace formsqt {

class FormWindow;
class HelpWindow;

// The windows shown to a person with Qt Widgets. While it lives it is the
// windows' host: each loaded form has a top-level window whose widgets follow
// every change the form and its controls report, and a person's keys, clicks
// and focus moves reach the form as the actions of forms::user, so the form's
// handlers run in the same order as under the test driver. Creates the
// QApplication if there is none; installs itself as the host and restores the
// one before when it goes.
class QtHost final : public QObject, public forms::Host {
 public:
  QtHost();
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  // Runs `start` (the program's own start-up, which shows its first forms) and
  // then the windows, until `main` unloads (or, with none, until no form is
  // loaded) or the program ends. Answers the exit code: End's, 1 after an error
  // no handler took, else 0.
  int Run(const std::function<void()>& start, const forms::Form* main);

  // Runs a call into the windows' code from the event loop; false when it
  // failed or the program is ending. An error that escapes it never crosses
  // Qt: inside a modal form or a DoEvents it goes on unwinding from there, once
  // the loop is left; at the top it ends the program (End quietly, another
  // error after a message, or through the handler set below).
  bool Call(const std::function<void()>& action);
  // Ends the windows from a timer, wherever the program waits, as End would from
  // their code: Qt's own boxes, dialogs and menus still open are closed and every
  // modal form's loop is left, no handler runs any more and Run answers
  // `exitCode`. For what drives the windows unattended and finds it cannot go on.
  void Abandon(int exitCode);
  // Whether a person could use `form` now: loaded with its Load over, shown and
  // the active form, its window on screen with no other modal window above it,
  // and the program back in its message loop (no handler running).
  bool IsUp(const forms::Form& form) const;
  // Where an error nobody handled goes when no Run is in progress.
  void SetUnhandledHandler(std::function<void(std::exception_ptr)> handler);
  // Hands `event` to `target` as Qt itself would, past the input filter.
  bool Deliver(QObject* target, QEvent* event);

  FormWindow* WindowOf(const forms::Form& form) const;
  QWidget* TopLevelOf(const forms::Form& form) const;
  QWidget* WidgetOf(const forms::Control& control) const;
  HelpWindow& Help();

  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void RunModal(forms::Form& form) override;
  void ShowHelp(const forms::HelpRequest& request) override;
  void DoEvents() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  // Measured with the font the windows show it in.
  int TextWidth(const std::string& text, const forms::Font& font) override;
  void FormLoaded(forms::Form& form) override;
  void FormUnloaded(forms::Form& form) override;
  void ControlAdded(forms::Control& control) override;
  void ControlRemoved(forms::Control& control) override;
  void Changed(forms::Form& form, forms::FormProperty property) override;
  void Changed(forms::Control& control, forms::ControlProperty property) override;
  void FocusChanged(forms::Form& form, forms::Control* focused) override;
  void ActiveFormChanged(forms::Form* active) override;
  void MousePointerChanged(int pointer) override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  struct ModalLoop {
    const forms::Form* form;
    QEventLoop* loop;
    int depth;
  };
  struct Delivery {
    QObject* target;
    int type;
  };

  FormWindow* WindowAt(QWidget* widget) const;
  bool Key(FormWindow& window, QKeyEvent* event);
  bool IsBeingDelivered(QObject* object, QEvent* event) const;
  void EndModal(const forms::Form& form);
  void AfterCall();
  void RethrowPending();
  void EndRun(int exitCode);
  void CheckRunEnd();

  forms::Host* previous_;
  std::map<const forms::Form*, FormWindow*> windows_;
  std::vector<ModalLoop> modal_;
  std::vector<Delivery> deliveries_;
  std::unique_ptr<HelpWindow> help_;
  int depth_ = 0;
  std::exception_ptr pending_;
  std::function<void(std::exception_ptr)> unhandled_;
  QPointer<QEventLoop> runLoop_;
  const forms::Form* main_ = nullptr;
  bool started_ = false;
  bool mainUnloaded_ = false;
  bool ending_ = false;
  int exitCode_ = 0;
  bool overrideCursor_ = false;
};

}  // namespace formsqt
