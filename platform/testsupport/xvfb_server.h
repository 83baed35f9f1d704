#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/testsupport/child_process.h"

namespace testsupport {

// A private X server for one test. Xvfb picks a free display itself and writes
// its number once it accepts connections, so tests never collide on a display.
class XvfbServer {
 public:
  static bool Installed() { return OnPath("Xvfb"); }
  // `screen` as Xvfb reads it: width x height x depth.
  explicit XvfbServer(const std::string& screen = "320x240x24");
  // ":N"; "" when the server did not start within half a minute.
  const std::string& DisplayName() const { return displayName_; }

 private:
  ChildProcess process_;
  std::string displayName_;
};

// A test with an X server of its own, skipped with a message where Xvfb is not
// installed and failed where it does not start. A fixture deriving from it calls
// XvfbTest::SetUp() first and goes on only when the test is neither skipped nor
// failed.
class XvfbTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { server_.reset(); }
  virtual std::string Screen() const { return "320x240x24"; }
  const std::string& DisplayName() const { return server_->DisplayName(); }

 private:
  std::unique_ptr<XvfbServer> server_;
};

}  // namespace testsupport
