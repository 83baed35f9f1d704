#pragma once
// The number of the run-time error an action raises.
#include <functional>

namespace testsupport {

// The number of the vb::Error `action` raises; 0 when it raises none, so that a
// test can compare the number whether or not the error came.
int ErrorOf(const std::function<void()>& action);

}  // namespace testsupport
