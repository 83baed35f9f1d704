#include "platform/testsupport/error_of.h"

#include "platform/vb/error.h"

namespace testsupport {

int ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const vb::Error& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace testsupport
