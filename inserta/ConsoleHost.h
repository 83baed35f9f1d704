#pragma once
#include <ostream>
#include <string>

#include "platform/forms/host.h"

namespace nuvia {

// The installer has no windows of its own; until a renderer of the forms model is
// at hand, its message boxes are written to a stream (stderr when run) and
// answered with the box's default button, as a person pressing Enter would.
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

}  // namespace nuvia
