#include "platform/qt/console_host.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <vector>

#include "platform/forms/constants.h"
#include "platform/qt/run.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace formsqt {
namespace {

int RunOnConsole(const std::function<void()>& start) {
  ConsoleHost host(std::cerr);
  forms::Host* before = forms::CurrentHost();
  forms::SetHost(&host);
  int exitCode = 0;
  try {
    start();
  } catch (const vb::Error& error) {
    std::cerr << vb::App::EXEName() << ": error " << error.Number() << ": " << error.Description()
              << std::endl;
    exitCode = 1;
  } catch (const vb::ProgramEnded& ended) {
    exitCode = ended.exitCode;
  } catch (const std::exception& error) {
    std::cerr << vb::App::EXEName() << ": " << error.what() << std::endl;
    exitCode = 1;
  }
  forms::SetHost(before);
  return exitCode;
}

}  // namespace

int DefaultAnswer(int style) {
  using namespace forms;
  static const std::vector<std::vector<int>> kButtons = {
      {vbOK}, {vbOK, vbCancel}, {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel}, {vbYes, vbNo}, {vbRetry, vbCancel}};
  int buttons = style & vbButtonsMask;
  if (buttons >= static_cast<int>(kButtons.size())) buttons = vbOKOnly;
  const std::vector<int>& row = kButtons[buttons];
  std::size_t chosen = static_cast<std::size_t>((style & vbDefaultMask) / vbDefaultButton2);
  return row[chosen < row.size() ? chosen : 0];
}

int ConsoleHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  out_ << title << ": " << prompt << std::endl;
  return DefaultAnswer(style);
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunWithoutWindows(const std::function<void()>& start) {
  if (HasDisplay()) return Run(start);
  return RunOnConsole(start);
}

}  // namespace formsqt
