#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/x11_window_list.h"

namespace host {
namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    if (access((folders.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// One line from a pipe; a program that neither writes it nor ends within half a
// minute counts as having written nothing.
std::string ReadLine(int fd) {
  std::string line;
  pollfd ready{fd, POLLIN, 0};
  char c;
  while (poll(&ready, 1, 30000) == 1 && read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

// A program started with its standard output on a pipe, ended when the test ends.
class Child {
 public:
  explicit Child(const std::vector<std::string>& argv) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      dup2(fds[1], STDOUT_FILENO);
      std::vector<char*> args;
      for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
    close(fds[1]);
    out_ = fds[0];
  }
  ~Child() {
    if (pid_ > 0 && !waited_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  std::string ReadLine() { return host::ReadLine(out_); }
  // The exit status, or -1 when the program did not end by itself.
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    waited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool waited_ = false;
};

class XvfbServer {
 public:
  XvfbServer() : child_({"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                         "320x240x24"}) {
    std::string number = child_.ReadLine();
    if (!number.empty()) name_ = ":" + number;
  }
  const std::string& Name() const { return name_; }

 private:
  Child child_;
  std::string name_;
};

class OrvaneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed: the host window is not tried";
    server_ = std::make_unique<XvfbServer>();
    ASSERT_FALSE(server_->Name().empty()) << "Xvfb did not start";
    display_ = XOpenDisplay(server_->Name().c_str());
    ASSERT_NE(display_, nullptr);
  }
  void TearDown() override {
    if (display_) XCloseDisplay(display_);
    server_.reset();
  }

  std::unique_ptr<Child> StartWindow(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), ORVANE_WINDOW_PATH);
    arguments.push_back("--display");
    arguments.push_back(server_->Name());
    return std::make_unique<Child>(arguments);
  }

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

  std::unique_ptr<XvfbServer> server_;
  Display* display_ = nullptr;
};

TEST_F(OrvaneWindowTest, HostWindowIsFoundByItsExactTitleUntilItCloses) {
  std::unique_ptr<Child> window = StartWindow();
  std::string id = window->ReadLine();
  ASSERT_FALSE(id.empty()) << "the window did not come up";
  win::X11WindowList desktop(server_->Name());
  EXPECT_EQ(desktop.VisibleTitles(), (std::vector<std::string>{"Orvane"}));
  EXPECT_TRUE(desktop.FindWindow("Orvane"));

  AskToClose(std::stoul(id, nullptr, 16));
  EXPECT_EQ(window->Wait(), 0);
  EXPECT_FALSE(desktop.FindWindow("Orvane"));
}

TEST_F(OrvaneWindowTest, TitleIsSetAsLatin1WmNameAndAsUtf8NetWmName) {
  std::unique_ptr<Child> window = StartWindow({"--title", "Año 2010"});
  std::string id = window->ReadLine();
  ASSERT_FALSE(id.empty()) << "the window did not come up";
  Window handle = std::stoul(id, nullptr, 16);
  EXPECT_EQ(Property(handle, "WM_NAME", XA_STRING), "A\xF1o 2010");
  EXPECT_EQ(Property(handle, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False)),
            "Año 2010");
  EXPECT_TRUE(win::X11WindowList(server_->Name()).FindWindow("Año 2010"));
}

TEST(OrvaneWindowNoDisplayTest, UnreachableDisplayEndsWithStatusOne) {
  Child window({ORVANE_WINDOW_PATH, "--display", ":unreachable"});
  EXPECT_EQ(window.ReadLine(), "");
  EXPECT_EQ(window.Wait(), 1);
}

}  // namespace
}  // namespace host
