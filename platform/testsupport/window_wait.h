#pragma once
// The one wait of the tests that drive windows: each step runs once the window
// it needs is up, never after a fixed delay, and a window that never comes fails
// the test by name instead of leaving a modal loop waiting for a person.
#include <chrono>
#include <functional>
#include <string>
#include <typeinfo>

#include "platform/forms/instance.h"

class QMessageBox;
class QString;

namespace testsupport {

// How long a test waits for a window: enough for the sanitizers' build on a
// loaded machine, where a window that comes at all comes within seconds.
inline constexpr std::chrono::milliseconds kWindowWait = std::chrono::minutes(1);

// Runs `step` once `ready` holds, as a person's action on the windows (through
// the Qt host when there is one), checking every 10 ms from whichever event loop
// runs: the program's, a modal form's, a message box's. Returns at once. When
// `ready` has not held within `wait`, the test fails naming `what` and the
// windows are abandoned (QtHost::Abandon), so that no loop is left waiting for
// a person; a step that fails the test fatally abandons them as well.
void When(std::string what, std::function<bool()> ready, std::function<void()> step,
          std::chrono::milliseconds wait = kWindowWait);

// Waits here, running the events, until `ready` holds; false, the test failed
// naming `what`, when it did not within kWindowWait.
bool WaitUntil(const std::string& what, const std::function<bool()>& ready);

// Whether a person could use `form` now (QtHost::IsUp) with its window the
// active one, so that the keys typed reach it.
bool IsActive(const forms::Form& form);
// Whether the keys typed now reach `control`: its form is active and its widget
// holds the focus.
bool TakesKeys(const forms::Control& control);

// The name a failed wait gives a form class.
std::string WindowName(const std::type_info& formClass);

// `step` once `form` is active.
void WhenActive(const forms::Form& form, std::function<void()> step);
// `step` on the default instance of T once it is active.
template <class T>
void WhenActive(std::function<void(T&)> step) {
  When(WindowName(typeid(T)), [] { return forms::LoadedInstance<T>() && IsActive(*forms::LoadedInstance<T>()); },
       [step] { step(*forms::LoadedInstance<T>()); });
}

// Answers the next message box with its button captioned `button` (rejects it
// when it has none); `seen` receives the box first.
void AnswerMessageBox(const QString& button, std::function<void(QMessageBox&)> seen = {});

}  // namespace testsupport
