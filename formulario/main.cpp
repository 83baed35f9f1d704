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
// closes it, answering No when it asks whether to store the changed form.
//
// KORVA_RECORRIDO may name a folder holding a debt file generated today
// ("0942" + RUC + entity code + ".zip"): the program then walks the main road as
// a person would. It imports the file for its declarant and entity; opens
// the declaration from the chooser with "&Actualizar"; types the telephone
// 4567890 and today's date; accepts every debt of tabs 1 and 2 ("Acoger todas");
// validates the payment mode left empty, picturing the viewer of its findings
// (FrmConsist.png); types on tab 4 the payment form 0 and 6 instalments,
// picturing the tab (Frm942-modalidad.png); validates again, stores with
// "&Grabar" and closes with "&Salir". It then opens the declaration again,
// writes the entity's boxes as they show (Recorrido-casillas.txt: box and text,
// separated by "|") and closes it, the chooser and the main window. Every
// message box is answered with its default button, its text a line of
// Recorrido.txt.
//
// KORVA_IMPRIME_TRIBUTOS may name a folder in the same way: the program then
// opens the code lookup list of taxes as "Tributos" does, prints it with
// "&Imprimir" (answering each message box with its default button and writing
// its text as a line of Mensajes.txt in that folder), closes the list with
// "&Salir" and ends with the main window's "&Salir".
//
// KORVA_IMPRIME_DECLARACION may name a folder in the same way: the program then
// opens the print dialog as "&Imprimir" of "&Declaraciones" does, prints the
// declaration page of the list's first declaration with "&Imprimir" (answering
// each message box as above), closes the dialog with "&Salir" and ends with the
// main window's "&Salir".
//
// KORVA_IMPORTA_E_IMPRIME may name a folder that holds a debt file
// ("0942" + RUC + entity code + ".zip"): the program then imports it as
// "Impor&tar Estado de Adeudos" does (the file's declarant and entity chosen,
// "&Aceptar", then "&Cancelar"), opens the print dialog as "&Imprimir" of
// "&Declaraciones" does, prints the list's first declaration with its annexes
// ("Declaración y anexos", every annex box ticked, "&Imprimir"), closes the
// dialog with "&Salir" and ends with the main window's "&Salir". Every message
// box on the way is answered as above, its text a line of Mensajes.txt in that
// folder.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/windows/Inicio.h"
#include "formulario/core/windows/MDIFrm.h"
#include "formulario/import/FrmImportar.h"
#include "formulario/import/RegistroImportacion.h"
#include "formulario/non_notified_debts/RegistroDeudasNoNotificadas.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/reported_debts/RegistroDeudasNotificadas.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/FrmConsist.h"
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

// Answers every message box that comes up while it lives with its button
// captioned `sBoton`, or its default button when it has none so captioned,
// keeping its text as a line of `sArchivo`.
class RespondeMensajes {
 public:
  explicit RespondeMensajes(const std::string& sArchivo, const std::string& sBoton = "")
      : salida_(sArchivo, std::ios::binary | std::ios::app), boton_(QString::fromStdString(sBoton)) {
    QObject::connect(&reloj_, &QTimer::timeout, [this] { Responde(); });
    reloj_.start(50);
  }

 private:
  void Responde() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja) return;
    salida_ << caja->text().toStdString() << "\n" << std::flush;
    QAbstractButton* elegido = caja->defaultButton();
    for (QAbstractButton* boton : caja->buttons())
      if (!boton_.isEmpty() && boton->text() == boton_) elegido = boton;
    elegido ? elegido->click() : caja->accept();
  }

  std::ofstream salida_;
  QString boton_;
  QTimer reloj_;
};

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
    RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt", "No");
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


// Clicks `accion`, answering the message boxes it brings up (their texts lines
// of Mensajes.txt in `sCarpeta`), then `salir`.
void PulsaYSale(forms::Control& accion, forms::Control& salir, const std::string& sCarpeta) {
  {
    RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt");
    forms::user::Click(accion);
  }
  forms::user::Click(salir);
}

// Chooses the main window's `menu`, runs `enVentana` once the window it opens is
// up, and ends the program with the main window's "&Salir" when that window
// has closed.
void DesdeMenu(std::function<forms::Menu&(korva::MDIFrm&)> menu, std::function<void()> enVentana) {
  EnLasVentanas([menu, enVentana] {
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!principal) return;
    QTimer::singleShot(kEsperaMs, [enVentana] { EnLasVentanas(enVentana); });
    forms::user::ChooseMenu(menu(*principal));
    forms::user::ChooseMenu(principal->mnuSalir);
  });
}

void ImprimeTributos(const std::string& sCarpeta) {
  DesdeMenu([](korva::MDIFrm& principal) -> forms::Menu& { return principal.mnuCons(4); },
            [sCarpeta] {
              if (auto* consultas = forms::LoadedInstance<korva::FrmConsultas>())
                PulsaYSale(consultas->cmdImprimir, consultas->CmdSalir, sCarpeta);
            });
}

void ImprimeDeclaracionGuardada(const std::string& sCarpeta) {
  DesdeMenu([](korva::MDIFrm& principal) -> forms::Menu& { return principal.mnuImprimir; },
            [sCarpeta] {
              if (auto* dialogo = forms::LoadedInstance<korva::frmImprimir>())
                PulsaYSale(dialogo->CmdImprimir(1), dialogo->CmdImprimir(2), sCarpeta);
            });
}

// The name of the first debt file of the folder, "" when there is none.
std::string ArchivoDeDeudas(const std::string& sCarpeta) {
  for (const auto& entrada : std::filesystem::directory_iterator(sCarpeta)) {
    std::string sNombre = entrada.path().filename().string();
    if (sNombre.size() == 20 && sNombre.starts_with("0942") && sNombre.ends_with(".zip"))
      return sNombre;
  }
  return "";
}

// The item of the combo whose text begins with `sInicio`.
void EligeItem(forms::ComboBox& combo, const std::string& sInicio) {
  for (int i = 0; i < combo.ListCount(); ++i)
    if (combo.List(i).starts_with(sInicio)) forms::user::SelectItem(combo, i);
}

// The import window on the folder's debt file: its declarant and entity, the
// file, "&Aceptar" and "&Cancelar".
void Importa(const std::string& sCarpeta) {
  korva::FrmImportar* importar = forms::LoadedInstance<korva::FrmImportar>();
  std::string sArchivo = ArchivoDeDeudas(sCarpeta);
  if (!importar || sArchivo.empty()) return;
  EligeItem(importar->CmbRuc, sArchivo.substr(4, 11));
  EligeItem(importar->CmbEntidad, sArchivo.substr(15, 1));
  importar->flListaFiles.SetPath(sCarpeta);
  importar->flListaFiles.SetListIndex(0);
  forms::user::Click(importar->CmdGrabar);
  forms::user::Click(importar->CmdCancelar);
}

// The print dialog's first declaration with every annex, printed.
void ImprimeConAnexos() {
  korva::frmImprimir* dialogo = forms::LoadedInstance<korva::frmImprimir>();
  if (!dialogo) return;
  forms::user::Click(dialogo->OptImp(2));
  for (forms::CheckBox* anexo : dialogo->chkAnexos.Elements()) forms::user::Click(*anexo);
  forms::user::Click(dialogo->CmdImprimir(1));
  forms::user::Click(dialogo->CmdImprimir(2));
}

void ImportaEImprime(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!principal) return;
    RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt");
    QTimer::singleShot(kEsperaMs, [sCarpeta] { EnLasVentanas([sCarpeta] { Importa(sCarpeta); }); });
    forms::user::ChooseMenu(principal->mnuImportar);
    QTimer::singleShot(kEsperaMs, [] { EnLasVentanas(ImprimeConAnexos); });
    forms::user::ChooseMenu(principal->mnuImprimir);
    forms::user::ChooseMenu(principal->mnuSalir);
  });
}

// Runs `accion` in the windows once the modal window that the next action opens
// is up.
void EnSeguida(std::function<void()> accion) {
  QTimer::singleShot(kEsperaMs, [accion] { EnLasVentanas(accion); });
}

void PintaHallazgos(const std::string& sCarpeta) {
  auto* visor = forms::LoadedInstance<korva::FrmConsist>();
  if (!visor) return;
  formsqt::SaveImage(*visor, sCarpeta + "/FrmConsist.png");
  forms::user::Click(visor->CmdGrabar);
}

// Answers the open declaration, validates it before and after its payment mode
// is typed, stores it and closes it.
void RespondeDeclaracion(const std::string& sCarpeta) {
  korva::Frm942* frm = forms::LoadedInstance<korva::Frm942>();
  if (!frm) return;
  RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
  Teclea(frm->txtTelefono, "4567890");
  Teclea(frm->mkeFechaAcog, vb::Format(vb::Variant(vb::Today()), "ddmmyyyy"));
  for (int tab : {1, 2}) {
    forms::user::ChooseTab(frm->SSTab1, tab);
    forms::user::Click(frm->CmdAcoge(tab));
  }
  forms::user::ChooseTab(frm->SSTab1, 4);
  EnSeguida([sCarpeta] { PintaHallazgos(sCarpeta); });
  forms::user::Click(frm->CmdValidar);
  Teclea(frm->txtValor(frm->nCasillaBase + 1), "0");
  Teclea(frm->txtValor(frm->nCasillaBase + 3), "6");
  forms::user::Focus(frm->txtValor(frm->nCasillaBase + 1));
  formsqt::SaveImage(*frm, sCarpeta + "/Frm942-modalidad.png");
  EnSeguida([sCarpeta] { PintaHallazgos(sCarpeta); });
  forms::user::Click(frm->CmdValidar);
  forms::user::Click(frm->CmdGrabar);
  forms::user::Click(frm->CmdCancelar);
}

// The entity's boxes of the declaration opened again, as they show.
void LeeDeclaracion(const std::string& sCarpeta) {
  korva::Frm942* frm = forms::LoadedInstance<korva::Frm942>();
  if (!frm) return;
  std::ofstream salida(sCarpeta + "/Recorrido-casillas.txt", std::ios::binary);
  std::vector<int> casillas;
  for (int nCasilla = frm->nCasillaBase; nCasilla <= frm->nCasillaBase + 6; ++nCasilla)
    casillas.push_back(nCasilla);
  casillas.push_back(535);
  for (int nCasilla : casillas) salida << nCasilla << "|" << frm->txtValor(nCasilla).Text() << "\n";
  RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
  forms::user::Click(frm->CmdCancelar);
}

void RecorreSelector(const std::string& sCarpeta) {
  auto* selector = forms::LoadedInstance<korva::FrmContAbrir>();
  if (!selector) return;
  EnSeguida([sCarpeta] { RespondeDeclaracion(sCarpeta); });
  forms::user::Click(selector->CmdOpciones(0));
  EnSeguida([sCarpeta] { LeeDeclaracion(sCarpeta); });
  forms::user::Click(selector->CmdOpciones(0));
  forms::user::Click(selector->CmdOpciones(1));
}

void Recorre(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    korva::MDIFrm* principal = forms::LoadedInstance<korva::MDIFrm>();
    if (!principal) return;
    EnSeguida([sCarpeta] {
      RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
      Importa(sCarpeta);
    });
    forms::user::ChooseMenu(principal->mnuImportar);
    EnSeguida([sCarpeta] { RecorreSelector(sCarpeta); });
    forms::user::ChooseMenu(principal->mnuModificar);
    forms::user::ChooseMenu(principal->mnuSalir);
  });
}

// The windows of the subsystems linked in, which the core opens through its
// registries.
void RegistraSubsistemas() {
  korva::RegistraImportacion();
  korva::RegistraImpresion();
  korva::RegistraSolicitud();
  korva::RegistraDeudasNotificadas();
  korva::RegistraDeudasNoNotificadas();
}

void Inicia() {
  RegistraSubsistemas();
  korva::Main();
  if (const char* carpeta = std::getenv("KORVA_CAPTURA")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { RevisaInstalacion(sCarpeta); });
  }
  if (const char* carpeta = std::getenv("KORVA_RECORRIDO")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { Recorre(sCarpeta); });
  }
  if (const char* carpeta = std::getenv("KORVA_IMPRIME_TRIBUTOS")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { ImprimeTributos(sCarpeta); });
  }
  if (const char* carpeta = std::getenv("KORVA_IMPRIME_DECLARACION")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { ImprimeDeclaracionGuardada(sCarpeta); });
  }
  if (const char* carpeta = std::getenv("KORVA_IMPORTA_E_IMPRIME")) {
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { ImportaEImprime(sCarpeta); });
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
