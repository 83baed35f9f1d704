#include <cstdlib>
#include <iostream>

#include "inserta/ConsoleHost.h"
#include "inserta/ModNuvia.h"
#include "platform/qt/run.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// Without a display (an installation run from a script or a terminal) the boxes
// are written to stderr and answered with their default button.
int RunOnConsole() {
  nuvia::ConsoleHost host(std::cerr);
  forms::SetHost(&host);
  try {
    nuvia::Main();
  } catch (const vb::Error& error) {
    std::cerr << "nuvia: error " << error.Number() << ": " << error.Description() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  vb::SetCommand(argc, argv);
  vb::App::SetTitle("Nuvia");
  if (HasDisplay()) return formsqt::Run([] { nuvia::Main(); });
  return RunOnConsole();
}
