// nuvia: the installer of the module's tables and of its registration with the host.
#include "inserta/ModNuvia.h"
#include "platform/qt/console_host.h"
#include "platform/vb/app.h"

// Without a display (an installation run from a script or a terminal) the boxes
// are written to stderr and answered with their default button.
int main(int argc, char** argv) {
  vb::SetCommand(argc, argv);
  vb::App::SetTitle("Nuvia");
  return formsqt::RunWithoutWindows([] { nuvia::Main(); });
}
