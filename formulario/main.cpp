// The main program of form 0942: the start routine and the windows of every
// subsystem linked in, shown with Qt. The unattended roads for checks of an
// installation are in desatendido.h.
#include "formulario/core/ModGen00.h"
#include "formulario/core/windows/Inicio.h"
#include "formulario/desatendido.h"
#include "formulario/import/RegistroImportacion.h"
#include "formulario/non_notified_debts/RegistroDeudasNoNotificadas.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/reported_debts/RegistroDeudasNotificadas.h"
#include "formulario/request/RegistroSolicitud.h"
#include "platform/printer/print_service.h"
#include "platform/printer/qt_printer.h"
#include "platform/qt/run.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"
#include "platform/win/instance_lock.h"

namespace {

// The windows of the subsystems linked in, which the core opens through its
// registries.
void RegistraSubsistemas() {
  korva::RegistraImportacion();
  korva::RegistraImpresion();
  korva::RegistraSolicitud();
  korva::RegistraDeudasNotificadas();
  korva::RegistraDeudasNoNotificadas();
}

// The program's single-instance lock file lies in a folder other accounts may
// write (the temporary folder): a link, something other than a plain file or
// another account's file in its place ends the program at once, with what to
// do about it. One that cannot be opened lets it run.
void VerificaBloqueoInstancia() {
  const win::FileLock& bloqueo = win::ProgramInstanceLock("korva").Lock();
  if (bloqueo.LockState() == win::FileLock::State::SymbolicLink ||
      bloqueo.LockState() == win::FileLock::State::NotAFile ||
      bloqueo.LockState() == win::FileLock::State::OtherOwner)
    korva::TerminaSinBloqueo(bloqueo, "del programa");
}

// The unattended roads wait from the start, so that one whose main window never
// comes (a start-up refused in a box) says so and ends instead of waiting.
void Inicia() {
  RegistraSubsistemas();
  korva::ProgramaRecorridosDesatendidos();
  VerificaBloqueoInstancia();
  korva::Main();
}

}  // namespace

int main(int argc, char** argv) {
  vb::SetCommand(argc, argv);
  vb::App::SetProductName(" Plexo");
  vb::App::SetTitle("Korva");
  vb::App::SetVersion(1, 0, 0);
  vb::App::SetPrevInstance(win::AnotherInstanceRunning("korva"));
  // End unwinds to the windows' loop, which then returns its exit code: the
  // windows, the database and the files close on the way out of main.
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  printer::QtPrintService impresoras;
  printer::SetPrintService(&impresoras);
  return formsqt::Run(Inicia);
}
