#include "formulario/core/windows/MDIFrm.h"

#include "formulario/core/BarraEstado.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/Ventanas.h"
#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/windows/FrmContAbrirE.h"
#include "formulario/core/windows/frmAcercade.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"
#include "platform/win/profile.h"

namespace korva {
namespace {

// The frame's one place and size, in twips: slightly off the screen's corner so
// that its borders do not show, the size of the module's windows at 640 by 480.
constexpr int kIzquierda = -50;
constexpr int kArriba = -50;
constexpr int kAlto = 7320;
constexpr int kAncho = 9720;

// Help topics of Korva.hlp: the main window's, and the one every command and
// the mouse over the background switch to.
constexpr long kContextoPrincipal = 1007;
constexpr long kContextoComandos = 1014;

constexpr int kHelpMostrar = 6;

enum BotonBarra {
  kBotonActualizar = 1,
  kBotonEliminar = 2,
  kBotonImportar = 4,
  kBotonCopiar = 6,
  kBotonImprimir = 7,
  kBotonSalir = 9,
  kBotonNumeroOrden = 10,
  kBotonAyuda = 12,
};

// What the other windows show in the bar reaches the loaded main window's; with
// none loaded it goes nowhere.
void EscribeBarraEstado(const DeclaracionEnBarra& declaracion) {
  MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
  if (!principal) return;
  forms::StatusBar& barra = principal->BarradeEstadoZEP1;
  barra.set_numdoc(declaracion.sNumDoc);
  barra.set_razonsocial(declaracion.sRazonSocial);
  barra.set_periodo_ejercicio(declaracion.sPeriodo);
  barra.set_formulario(declaracion.sFormulario);
}

}  // namespace

MDIFrm::MDIFrm() : forms::Form("MDIFrm") {
  SetCaption("0942 - Plexo");
  SetBorderStyle(forms::vbFixedSingle);
  Move(kIzquierda, kArriba, kAncho, kAlto);
  DisenaMenus();
  DisenaBarras();
  ConectaEventos();
}

void MDIFrm::DisenaMenus() {
  mnuDeclara.SetCaption("&Declaraciones");
  mnuNueva.SetCaption("&Nueva");
  mnuNueva.SetVisible(false);
  mnuNueva.SetEnabled(false);
  mnuModificar.SetCaption("&Actualizar");
  mnuEliminar.SetCaption("&Eliminar");
  Rayita1.SetCaption("-");
  mnuImportar.SetCaption("Impor&tar Estado de Adeudos");
  Rayita2.SetCaption("-");
  mnuImprimir.SetCaption("&Imprimir");
  mnuCopiar.SetCaption("&Copiar");
  mnuCopiar.SetEnabled(false);
  Rayita.SetCaption("-");
  mnuSalir.SetCaption("&Salir");

  mnuDeclaraE.SetCaption("Declaraciones &Enviadas");
  mnuModificarE.SetCaption("&Ver declaraciones enviadas");
  mnuEliminarE.SetCaption("&Eliminar");
  mnuImprimirE.SetCaption("&Imprimir");

  // The array has no items 1 to 3; items 5 to 9 stay on the menu, greyed.
  mnuConsultas.SetCaption("&Consultas");
  mnuCons.Add(0).SetCaption("Tipo de documento");
  mnuCons.Add(4).SetCaption("Tributos");
  mnuCons.Add(5).SetCaption("Códigos de motivos de desacuerdo");
  mnuCons.Add(6).SetCaption("Tipos de impugnación");
  mnuCons.Add(7).SetCaption("Tributos entes");
  mnuCons.Add(8).SetCaption("Formularios tributos");
  mnuCons.Add(9).SetCaption("Factores de actualización");
  for (int i = 5; i <= 9; ++i) mnuCons(i).SetEnabled(false);

  mnuayuda.SetCaption("&Ayuda");
  mnuContenido.SetCaption("&Contenido");
  mnuBienvenida.SetCaption("&Bienvenida");
  mnuBienvenida.SetVisible(false);
  mnuBienvenida.SetEnabled(false);
  raya2.SetCaption("-");
  mnuAcercade.SetCaption("&Acerca de ZEP");
}

void MDIFrm::DisenaBarras() {
  Toolbar1.Move(0, 0, 9600, 420);
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Actualizar");
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Eliminar");
  Toolbar1.AddButton("", "", forms::tbrSeparator);
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Importar");
  Toolbar1.AddButton("", "", forms::tbrSeparator);
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Copiar");
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Imprimir");
  Toolbar1.AddButton("", "", forms::tbrSeparator);
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Salir");
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Número de orden");
  Toolbar1.AddButton("", "", forms::tbrSeparator);
  Toolbar1.AddButton("", "", forms::tbrDefault, "", "Help");

  Picture1.Move(0, 420, 9600, 1335);
  Picture1.SetBorderStyle(forms::vbBSNone);
  Picture1.SetBackColor(forms::RGB(0, 64, 128));
  Image1.Move(240, 180, 9120, 975);
  Image1.SetBorderStyle(forms::vbBSNone);
  Image1.SetBackColor(forms::RGB(0, 64, 128));
  Image1.SetForeColor(forms::vbWhite);
  Image1.SetFont({"Arial", 14, true});

  BarradeEstadoZEP1.Move(0, 6240, 9600, 330);
  CMDlgHlp.SetVisible(false);
}

void MDIFrm::ConectaEventos() {
  Load = [this] { MDIForm_Load(); };
  Resize = [this] { MDIForm_Resize(); };
  Unload = [this](int& Cancel) { MDIForm_Unload(Cancel); };
  MouseMove = [this](int, int, double, double) { MDIForm_MouseMove(); };
  Picture1.MouseMove = [this](int, int, double, double) { Picture1_MouseMove(); };
  Image1.MouseMove = [this](int, int, double, double) { Picture1_MouseMove(); };
  Toolbar1.ButtonClick = [this](forms::ToolbarButton Button) { Toolbar1_ButtonClick(Button); };
  mnuModificar.Click = [this] { mnuModificar_Click(); };
  mnuEliminar.Click = [this] { mnuEliminar_Click(); };
  mnuImportar.Click = [this] { mnuImportar_Click(); };
  mnuImprimir.Click = [this] { mnuImprimir_Click(); };
  mnuSalir.Click = [this] { mnuSalir_Click(); };
  mnuModificarE.Click = [this] { mnuModificarE_Click(); };
  mnuEliminarE.Click = [this] { mnuEliminarE_Click(); };
  mnuImprimirE.Click = [this] { mnuImprimirE_Click(); };
  mnuCons.Handle(&forms::Control::Click, [this](int Index) { mnuCons_Click(Index); });
  mnuContenido.Click = [this] { MostrarHelp(); };
  mnuAcercade.Click = [this] { mnuAcercade_Click(); };
}

void MDIFrm::MDIForm_Load() {
  FijaVentanaPrincipal(this);
  RegistraBarraEstado(EscribeBarraEstado);
  PosicionaVentana();
  QuitaBotonesVentana();
  ConfiguraInis();
  LeeConfiguracion();
  LlenaBarraEstado();
  DibujaPortada();
  FijaContextoAyuda(0);
  SetHelpContextID(kContextoPrincipal);
}

void MDIFrm::PosicionaVentana() {
  SetWindowState(forms::vbNormal);
  Move(kIzquierda, kArriba, kAncho, kAlto);
}

void MDIFrm::QuitaBotonesVentana() {
  SetMinButton(false);
  SetMaxButton(false);
}

bool MDIFrm::ConfiguraInis() {
  win::WriteProfileString("intl", "sDecimal", ".");
  win::WriteProfileString("intl", "sThousand", ",");
  return true;
}

// With no declaration open the period reads "/"; the number 1 tells the bar
// that the document numbers it shows are RUCs.
void MDIFrm::LlenaBarraEstado() {
  BarradeEstadoZEP1.set_numdoc("");
  BarradeEstadoZEP1.set_razonsocial("");
  BarradeEstadoZEP1.set_formulario("0942");
  BarradeEstadoZEP1.set_periodo_ejercicio(vb::Right(gsPeriodo, 2) + "/" + vb::Left(gsPeriodo, 4));
  BarradeEstadoZEP1.set_esruc(1);
}

void MDIFrm::DibujaPortada() {
  Image1.Cls();
  Image1.Print("Formulario 0942");
  Image1.Print("Fraccionamiento y aplazamiento de deudas tributarias");
}

// A frame that was minimised or maximised goes back to normal (which resizes it
// again); any other change of size or place is undone.
void MDIFrm::MDIForm_Resize() {
  if (WindowState() != forms::vbNormal) {
    SetWindowState(forms::vbNormal);
    return;
  }
  Move(kIzquierda, kArriba, kAncho, kAlto);
}

// No window is asked to close and nothing is saved: the program ends here.
void MDIFrm::MDIForm_Unload(int& /*Cancel*/) { vb::End(); }

void MDIFrm::MDIForm_MouseMove() {
  BarradeEstadoZEP1.set_razonsocial("");
  FijaContextoAyuda(0);
}

void MDIFrm::Picture1_MouseMove() { FijaContextoAyuda(0); }

void MDIFrm::Toolbar1_ButtonClick(forms::ToolbarButton Button) {
  switch (Button.Index()) {
    case kBotonActualizar: mnuModificar_Click(); break;
    case kBotonEliminar: mnuEliminar_Click(); break;
    case kBotonImportar: mnuImportar_Click(); break;
    case kBotonImprimir: mnuImprimir_Click(); break;
    case kBotonSalir: mnuSalir_Click(); break;
    case kBotonAyuda: MostrarHelp(); break;
    case kBotonCopiar:
    case kBotonNumeroOrden:
    default: break;
  }
}

void MDIFrm::mnuModificar_Click() { AbreSelector(1); }

void MDIFrm::mnuEliminar_Click() { AbreSelector(3); }

void MDIFrm::mnuImportar_Click() {
  FijaContextoAyuda(0);
  MuestraVentana(Ventana::FrmImportar);
}

void MDIFrm::mnuImprimir_Click() {
  giEnviadas = 0;
  FijaContextoAyuda(0);
  MuestraVentana(Ventana::frmImprimir);
}

void MDIFrm::mnuSalir_Click() { vb::End(); }

void MDIFrm::mnuModificarE_Click() { AbreSelectorEnviadas(1); }

void MDIFrm::mnuEliminarE_Click() { AbreSelectorEnviadas(3); }

void MDIFrm::mnuImprimirE_Click() {
  giEnviadas = -1;
  FijaContextoAyuda(0);
  MuestraVentana(Ventana::frmImprimir);
  forms::Screen.SetMousePointer(forms::vbDefault);
}

// Only document types (0) and taxes (4) are offered; items 5 to 9 do nothing.
void MDIFrm::mnuCons_Click(int Index) {
  if (Index != 0 && Index != 4) return;
  gsTipoConsulta = Index == 0 ? "R" : "T";
  forms::Instance<FrmConsultas>().Show(forms::vbModal);
}

void MDIFrm::mnuAcercade_Click() { forms::Instance<frmAcercade>().Show(forms::vbModal); }

void MDIFrm::MostrarHelp() {
  CMDlgHlp.SetHelpFile(vb::App::HelpFile());
  CMDlgHlp.SetHelpCommand(forms::cdlHelpContents);
  CMDlgHlp.SetAction(kHelpMostrar);
}

// Every opening builds the chooser afresh, so it reads the list and the mode
// anew.
void MDIFrm::AbreSelector(int iModo) {
  giModo = iModo;
  FijaContextoAyuda(0);
  forms::Release<FrmContAbrir>();
  forms::Instance<FrmContAbrir>().Show(forms::vbModal);
}

void MDIFrm::AbreSelectorEnviadas(int iModo) {
  giModo = iModo;
  forms::Hourglass reloj;
  FijaContextoAyuda(0);
  forms::Release<FrmContAbrirE>();
  forms::Instance<FrmContAbrirE>().Show(forms::vbModal);
}

void MDIFrm::FijaContextoAyuda(int /*iContexto*/) { SetHelpContextID(kContextoComandos); }

}  // namespace korva
