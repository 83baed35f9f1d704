#pragma once
// A test fixture with its own X server and a connection to it.
#include <gtest/gtest.h>
#include <X11/Xlib.h>

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

  Display* display_ = nullptr;
};

}  // namespace testsupport
