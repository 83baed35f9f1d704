#include "platform/qt/console_host.h"
#include "platform/vb/app.h"
#include "reporte/ModResumen.h"

// The host starts the program with the declaration's key as one argument whose
// blanks and positions count. Its only dialogue is a message box on failure:
// a window with a display, a line on stderr without one.
int main(int argc, char** argv) {
  vb::SetCommand(argc, argv);
  vb::App::SetTitle("Tarvel");
  return formsqt::RunWithoutWindows([] { tarvel::Main(); });
}
