// The main program of form 0942: the start routine and the windows of every
// subsystem linked in, shown with Qt.
//
// For unattended checks of an installation, KORVA_CAPTURA may name a folder:
// once the main window is up the program then opens the chooser of pending
// declarations as "&Actualizar" does, writes pictures of both windows
// (MDIFrm.png, FrmContAbrir.png) and the chooser's rows (FrmContAbrir.txt: number,
// name and period of each row, separated by "|") into that folder, closes the
// chooser with "&Salir" and ends with the main window's "&Salir".
//
// With KORVA_CAPTURA_DECLARACION set as well, the chooser's first declaration is
// opened with "&Actualizar" before the chooser closes: the telephone 4567890 and
// today's date are typed on its first tab, each of its six tabs is pictured in
// turn (Frm942-0.png to Frm942-5.png), the counter and total of each debt tab are
// written (Frm942.txt: tab, counter and total, separated by "|") and "&Salir"
// closes it.
//
// KORVA_IMPRIME_TRIBUTOS may name a folder in the same way: the program then
// opens the code lookup list of taxes as "Tributos" does, prints it with
// "&Imprimir" (answering each message box with its default button and writing
// its text as a line of Mensajes.txt in that folder), closes the list with
// "&Salir" and ends with the main window's "&Salir".
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <string>

#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/windows/Inicio.h"
#include "formulario/core/windows/MDIFrm.h"
#include "formulario/import/RegistroImportacion.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/RegistroSolicitud.h"
#include "platform/forms/instance.h"
#include "platform/forms/user.h"
#include "platform/printer/print_service.h"
#include "platform/printer/qt_printer.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/vb/app.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/error.h"
#include "platform/win/instance_lock.h"

namespace {

constexpr int kEsperaMs = 300;

// Runs `accion` as the windows' own events run, so that End and errors take the
// program's usual road.
void EnLasVentanas(const std::function<void()>& accion) {
  if (auto* host = dynamic_cast<formsqt::QtHost*>(forms::CurrentHost())) host->Call(accion);
}

void EscribeFilas(korva::FrmContAbrir& selector, const std::string& sArchivo) {
  std::ofstream salida(sArchivo, std::ios::binary);
  forms::DataGrid& grid = selector.grdContrib;
  for (long fila = 0; fila < grid.RowCount(); ++fila)
    salida << grid.CellText(fila, 2) << "|" << grid.CellText(fila, 3) << "|"
           << grid.CellText(fila, 8) << "\n";
}

void Teclea(forms::Control& control, const std::string& sTexto) {
  forms::user::Focus(control);
  for (char c : sTexto) forms::user::Char(control.Parent(), static_cast<char32_t>(c));
}

void CapturaFormulario(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::Frm942* frm = forms::LoadedInstance<korva::Frm942>();
    if (!frm) return;
    Teclea(frm->txtTelefono, "4567890");
    Teclea(frm->mkeFechaAcog, vb::Format(vb::Variant(vb::Today()), "ddmmyyyy"));
    std::ofstream salida(sCarpeta + "/Frm942.txt", std::ios::binary);
    for (int tab = 0; tab < frm->SSTab1.Tabs(); ++tab) {
      forms::user::ChooseTab(frm->SSTab1, tab);
      formsqt::SaveImage(*frm, sCarpeta + "/Frm942-" + std::to_string(tab) + ".png");
      if (!frm->lblTab.Exists(tab)) continue;
      salida << tab << "|" << frm->lblTab(tab).Caption() << "|"
             << (frm->txtmtototal.Exists(tab) ? frm->txtmtototal(tab).Text() : "") << "\n";
    }
    forms::user::Click(frm->CmdCancelar);
  });
}

void CapturaSelector(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::FrmContAbrir* selector = forms::LoadedInstance<korva::FrmContAbrir>();
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!selector || !principal) return;
    formsqt::SaveImage(*principal, sCarpeta + "/MDIFrm.png");
    formsqt::SaveImage(*selector, sCarpeta + "/FrmContAbrir.png");
    EscribeFilas(*selector, sCarpeta + "/FrmContAbrir.txt");
    if (std::getenv("KORVA_CAPTURA_DECLARACION") && selector->grdContrib.RowCount() > 0) {
      QTimer::singleShot(kEsperaMs, [sCarpeta] { CapturaFormulario(sCarpeta); });
      forms::user::Click(selector->CmdOpciones(0));
    }
    forms::user::Click(selector->CmdOpciones(1));
  });
}

void RevisaInstalacion(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!principal) return;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { CapturaSelector(sCarpeta); });
    forms::user::ChooseMenu(principal->mnuModificar);
    forms::user::ChooseMenu(principal->mnuSalir);
  });
}

// Answers every message box that comes up while it lives with its default
// button, keeping its text as a line of `sArchivo`.
class RespondeMensajes {
 public:
  explicit RespondeMensajes(const std::string& sArchivo) : salida_(sArchivo, std::ios::binary) {
    QObject::connect(&reloj_, &QTimer::timeout, [this] { Responde(); });
    reloj_.start(50);
  }

 private:
  void Responde() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja) return;
    salida_ << caja->text().toStdString() << "\n" << std::flush;
    caja->defaultButton() ? caja->defaultButton()->click() : caja->accept();
  }

  std::ofstream salida_;
  QTimer reloj_;
};

void ImprimeListado(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::FrmConsultas* consultas = forms::LoadedInstance<korva::FrmConsultas>();
    if (!consultas) return;
    {
      RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt");
      forms::user::Click(consultas->cmdImprimir);
    }
    forms::user::Click(consultas->CmdSalir);
  });
}

void ImprimeTributos(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!principal) return;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { ImprimeListado(sCarpeta); });
    forms::user::ChooseMenu(principal->mnuCons(4));
    forms::user::ChooseMenu(principal->mnuSalir);
  });
}

// The windows of the subsystems linked in, which the core opens through its
// registries.
void RegistraSubsistemas() {
  korva::RegistraImportacion();
  korva::RegistraImpresion();
  korva::RegistraSolicitud();
}

void Inicia() {
  RegistraSubsistemas();
  korva::Main();
  if (const char* carpeta = std::getenv("KORVA_CAPTURA")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { RevisaInstalacion(sCarpeta); });
  }
  if (const char* carpeta = std::getenv("KORVA_IMPRIME_TRIBUTOS")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { ImprimeTributos(sCarpeta); });
  }
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
