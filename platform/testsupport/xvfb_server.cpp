#include "platform/testsupport/xvfb_server.h"

namespace testsupport {

XvfbServer::XvfbServer(const std::string& screen)
    : process_({"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", screen}) {
  std::string number = process_.ReadLine();
  if (!number.empty()) displayName_ = ":" + number;
}

void XvfbTest::SetUp() {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed: no private X display";
  server_ = std::make_unique<XvfbServer>(Screen());
  ASSERT_FALSE(server_->DisplayName().empty()) << "Xvfb did not start";
}

}  // namespace testsupport
