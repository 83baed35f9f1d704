#pragma once
// Programs without windows: their message boxes on a console when there is no display.
#include <functional>
#include <ostream>
#include <string>

#include "platform/forms/host.h"

namespace formsqt {

// The host of a program with no windows of its own when there is no display: its
// message boxes are written to a stream as "title: text" and answered with the
// box's default button, as a person pressing Enter would.
class ConsoleHost : public forms::Host {
 public:
  explicit ConsoleHost(std::ostream& out) : out_(out) {}

  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void RunModal(forms::Form&) override {}
  void ShowHelp(const forms::HelpRequest&) override {}
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }

 private:
  std::ostream& out_;
  std::string clipboard_;
};

// The button a message box of that style answers when Enter is pressed.
int DefaultAnswer(int style);

// Whether the program runs where a person can see windows: DISPLAY or
// WAYLAND_DISPLAY names one.
bool HasDisplay();

// Runs a program that shows nothing but message boxes (an installer, a summary
// another program starts): with a display the boxes are Qt's; without one they go
// to stderr through a ConsoleHost. Answers the exit code: End's, 1 after an error
// no handler took (reported on the console as "<program>: error N: description",
// or "<program>: what" for an error of another kind), else 0.
int RunWithoutWindows(const std::function<void()>& start);

}  // namespace formsqt
