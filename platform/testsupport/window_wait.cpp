#include "platform/testsupport/window_wait.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/watch.h"

namespace testsupport {

namespace {

formsqt::QtHost* Host() { return dynamic_cast<formsqt::QtHost*>(forms::CurrentHost()); }

std::string Failure(const std::string& what, std::chrono::milliseconds wait) {
  return "waited " + std::to_string(wait.count()) + " ms for " + what + ", which never came";
}

void Abandon() {
  if (formsqt::QtHost* host = Host()) host->Abandon(EXIT_FAILURE);
}

// `step` runs as a person's action through the Qt host when `asAction` and
// there is one (an error it leaves takes the host's road), else as it is.
void Watch(std::string what, std::function<bool()> ready, std::function<void()> step, bool asAction,
           std::chrono::milliseconds wait) {
  formsqt::Watch(
      std::move(ready), std::chrono::milliseconds(10), wait,
      [step = std::move(step), asAction] {
        bool failedBefore = ::testing::Test::HasFatalFailure();
        formsqt::QtHost* host = asAction ? Host() : nullptr;
        host ? void(host->Call(step)) : step();
        if (!failedBefore && ::testing::Test::HasFatalFailure()) Abandon();
      },
      [what = std::move(what), wait] {
        ADD_FAILURE() << Failure(what, wait);
        Abandon();
      });
}

}  // namespace

void When(std::string what, std::function<bool()> ready, std::function<void()> step,
          std::chrono::milliseconds wait) {
  Watch(std::move(what), std::move(ready), std::move(step), true, wait);
}

bool WaitUntil(const std::string& what, const std::function<bool()>& ready) {
  if (QTest::qWaitFor(ready, static_cast<int>(kWindowWait.count()))) return true;
  ADD_FAILURE() << Failure(what, kWindowWait);
  return false;
}

bool IsActive(const forms::Form& form) {
  formsqt::QtHost* host = Host();
  return host && host->IsUp(form) && host->TopLevelOf(form)->isActiveWindow();
}

bool TakesKeys(const forms::Control& control) {
  return IsActive(control.Parent()) && QApplication::focusWidget() &&
         QApplication::focusWidget() == Host()->WidgetOf(control);
}

std::string WindowName(const std::type_info& formClass) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(formClass.name(), nullptr, nullptr, &status), &std::free);
  return "the window " + std::string(status == 0 ? name.get() : formClass.name());
}

void WhenActive(const forms::Form& form, std::function<void()> step) {
  When("the window " + form.Name(), [&form] { return IsActive(form); }, std::move(step));
}

// The box is Qt's own: its button is clicked as it is, even once the run ends
// (an error nobody handled is reported in a box after the windows stop).
void AnswerMessageBox(const QString& button, std::function<void(QMessageBox&)> seen) {
  Watch(
      "a message box",
      [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
      [button, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (seen) seen(*box);
        for (QAbstractButton* candidate : box->buttons()) {
          if (candidate->text() == button) return candidate->click();
        }
        box->reject();
      },
      false, kWindowWait);
}

}  // namespace testsupport
