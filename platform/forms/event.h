#pragma once
// Events as handlers, and the marker of a handler in progress.
#include <functional>
#include <new>
#include <utility>

#include "platform/vb/error.h"

namespace forms {

// An event of a form or control: a handler the form's code assigns, called with
// the event's arguments (by reference where the handler may change them, as
// KeyAscii or Cancel).
template <class... Args>
using Event = std::function<void(Args...)>;

namespace detail {

// Runs an event's handler. An allocation that fails inside it leaves it as the
// runtime's out-of-memory error, as every other failure does: the handler that
// set the event off handles it by number, or the host reports it as the
// runtime's own error, and no C++ exception crosses the windows.
template <class... A, class... P>
void RunHandler(const std::function<void(A...)>& handler, P&&... args) {
  try {
    handler(std::forward<P>(args)...);
  } catch (const std::bad_alloc&) {
    vb::Raise(vb::kErrOutOfMemory);
  }
}

// Marks an event handler or a person's action in progress. When the outermost
// one of the current message loop ends, the program is back in that loop: the
// keys sent with SendKeys are delivered then, and released forms are destroyed.
class Dispatch {
 public:
  Dispatch();
  ~Dispatch() noexcept(false);
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;

 private:
  int uncaught_;
};

}  // namespace detail
}  // namespace forms
