#pragma once
// A test fixture with its own X server and a connection to it.
#include <gtest/gtest.h>
#include <X11/Xlib.h>

#include <string>

#include "platform/testsupport/xvfb_server.h"

namespace testsupport {

// A test with its own X server and a connection to it, for tests that make or
// look into windows themselves. Header only, so that the library needs no Xlib:
// the tests that use it link it.
class XDisplayTest : public XvfbTest {
 protected:
  void SetUp() override {
    XvfbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    display_ = XOpenDisplay(DisplayName().c_str());
    ASSERT_NE(display_, nullptr) << "no connection to " << DisplayName();
  }
  void TearDown() override {
    if (display_) XCloseDisplay(display_);
    display_ = nullptr;
    XvfbTest::TearDown();
  }

  // A text property of a window ("" when it has none of that type).
  std::string Property(Window window, const char* name, Atom type) {
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &after, &data) == Success && data) {
      value.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    return value;
  }

  // Asks a window to close, as its close box does.
  void AskToClose(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
  }

  Display* display_ = nullptr;
};

}  // namespace testsupport
