#pragma once
// A condition looked for from the windows' own loop, with a deadline.
#include <chrono>
#include <functional>

namespace formsqt {

// Looks at `ready` every `every` from whichever event loop runs (the program's,
// a modal form's, a message box's, a DoEvents) and calls `onReady` once it
// holds, or `onLate` once `wait` has passed without it; never both, never
// twice. Returns at once: what drives windows unattended never blocks the loop
// that must show them.
void Watch(std::function<bool()> ready, std::chrono::milliseconds every, std::chrono::milliseconds wait,
           std::function<void()> onReady, std::function<void()> onLate);

}  // namespace formsqt
