#include "platform/win/x11_window_list.h"

#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace win {
namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string candidate = folders.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// A private X server for one test. Xvfb picks a free display itself and writes
// its number to the pipe once it accepts connections.
class XvfbServer {
 public:
  XvfbServer() {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
             "320x240x24", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  ~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  const std::string& Name() const { return name_; }

 private:
  // A server that neither starts nor fails within half a minute counts as not started.
  static std::string ReadDisplayNumber(int fd) {
    std::string number;
    pollfd ready{fd, POLLIN, 0};
    char c;
    while (poll(&ready, 1, 30000) == 1 && read(fd, &c, 1) == 1 && c != '\n') number += c;
    return number;
  }

  pid_t pid_ = -1;
  std::string name_;
};

class X11WindowListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed: the X11 window list is not tried";
    server_ = std::make_unique<XvfbServer>();
    ASSERT_FALSE(server_->Name().empty()) << "Xvfb did not start";
    display_ = XOpenDisplay(server_->Name().c_str());
    ASSERT_NE(display_, nullptr);
  }
  void TearDown() override {
    if (display_) XCloseDisplay(display_);
    server_.reset();
  }

  Window NewWindow(const std::string& wmName, bool mapped) {
    Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 50, 50, 0, 0, 0);
    XStoreName(display_, window, wmName.c_str());
    if (mapped) XMapWindow(display_, window);
    XSync(display_, False);
    return window;
  }

  void SetNetWmName(Window window, const std::string& utf8) {
    XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));
    XSync(display_, False);
  }

  std::vector<std::string> SortedTitles() {
    std::vector<std::string> titles = X11WindowList(server_->Name()).VisibleTitles();
    std::sort(titles.begin(), titles.end());
    return titles;
  }

  std::unique_ptr<XvfbServer> server_;
  Display* display_ = nullptr;
};

TEST_F(X11WindowListTest, OnlyAMappedWindowWithTheExactTitleIsFound) {
  NewWindow("Orvane ", true);
  NewWindow("orvane", true);
  Window hidden = NewWindow("Orvane", false);
  X11WindowList desktop(server_->Name());
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Orvane ", "orvane"}));
  EXPECT_FALSE(desktop.FindWindow("Orvane"));

  XMapWindow(display_, hidden);
  XSync(display_, False);
  EXPECT_TRUE(desktop.FindWindow("Orvane"));

  XUnmapWindow(display_, hidden);
  XSync(display_, False);
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
}

TEST_F(X11WindowListTest, TitlesComeFromNetWmNameElseFromLatin1WmName) {
  NewWindow("A\xF1o", true);
  Window named = NewWindow("old title", true);
  SetNetWmName(named, "Información");
  NewWindow("", true);
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Año", "Información"}));
}

TEST_F(X11WindowListTest, WindowManagersClientListIsPreferredToTheRootsChildren) {
  NewWindow("Frame of another program", true);
  Window client = NewWindow("Orvane", true);
  Window root = DefaultRootWindow(display_);
  XChangeProperty(display_, root, XInternAtom(display_, "_NET_CLIENT_LIST", False), XA_WINDOW, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&client), 1);
  XSync(display_, False);
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"Orvane"}));
}

TEST(X11WindowListNoDisplayTest, UnreachableDisplayHasNoWindows) {
  EXPECT_TRUE(X11WindowList(":unreachable").VisibleTitles().empty());
}

}  // namespace
}  // namespace win
