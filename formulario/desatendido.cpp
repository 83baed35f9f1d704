#include "formulario/desatendido.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/windows/MDIFrm.h"
#include "formulario/import/FrmImportar.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/FrmConsist.h"
#include "platform/forms/instance.h"
#include "platform/forms/user.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/qt/watch.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"

namespace korva {
namespace {

// How often a road looks for the window its next step needs.
constexpr int kMiradaMs = 50;
constexpr int kEsperaPorOmision = 60;
// How many waits for a window a whole road may last.
constexpr int kEsperasPorRecorrido = 10;

// The seconds a road waits for each window: KORVA_ESPERA's, or a minute.
int SegundosDeEspera() {
  const char* valor = std::getenv("KORVA_ESPERA");
  if (!valor || !*valor) return kEsperaPorOmision;
  char* fin = nullptr;
  long nSegundos = std::strtol(valor, &fin, 10);
  return *fin == '\0' && nSegundos >= 0 && nSegundos <= 86400 ? static_cast<int>(nSegundos)
                                                               : kEsperaPorOmision;
}

formsqt::QtHost* Anfitrion() { return dynamic_cast<formsqt::QtHost*>(forms::CurrentHost()); }

// Runs `accion` as the windows' own events run, so that End and errors take the
// program's usual road.
void EnLasVentanas(const std::function<void()>& accion) {
  if (formsqt::QtHost* host = Anfitrion()) host->Call(accion);
}

// A road that cannot go on says why on standard error and ends the program with
// 1, whatever windows and boxes are open, so that a check never waits for a
// person and never passes over a step.
void Abandona(const std::string& sMotivo) {
  std::cerr << sMotivo << std::endl;
  if (formsqt::QtHost* host = Anfitrion()) host->Abandon(1);
}

// What stands in front of the windows, for a road that cannot go on: the
// message box or the window above the others, if any.
std::string EnPrimerPlano() {
  QWidget* delante = QApplication::activeModalWidget();
  if (!delante) delante = QApplication::activeWindow();
  if (auto* caja = qobject_cast<QMessageBox*>(delante))
    return " En primer plano estaba el mensaje \"" + caja->text().replace('\n', ' ').toStdString() + "\".";
  if (delante) return " En primer plano estaba la ventana \"" + delante->windowTitle().toStdString() + "\".";
  return "";
}

std::string Segundos(int nSegundos) {
  return std::to_string(nSegundos) + (nSegundos == 1 ? " segundo" : " segundos");
}

// Runs `paso` in the windows once the form `buscada` finds is up for a person
// (loaded, shown, the active one, nothing above it, the program back in its
// message loop), looking every kMiradaMs from whichever loop runs: a DoEvents
// inside the form's own Load finds it not yet up. When it has not come within
// the wait the road says which window it waited for, and what stood in front
// instead, and ends the program.
void Espera(const std::string& sVentana, std::function<forms::Form*()> buscada,
            std::function<void()> paso) {
  int nSegundos = SegundosDeEspera();
  formsqt::Watch(
      [buscada] {
        forms::Form* frm = buscada();
        return frm && Anfitrion() && Anfitrion()->IsUp(*frm);
      },
      std::chrono::milliseconds(kMiradaMs), std::chrono::seconds(nSegundos),
      [paso] { EnLasVentanas(paso); },
      [sVentana, nSegundos] {
        Abandona("El recorrido desatendido esperó la ventana " + sVentana + " durante " +
                 Segundos(nSegundos) + " y no se mostró." + EnPrimerPlano());
      });
}

// `paso` on the default instance of T, named `sVentana`, once it is up.
template <class T>
void CuandoEsteArriba(const std::string& sVentana, std::function<void(T&)> paso) {
  Espera(sVentana, [] { return forms::LoadedInstance<T>(); },
         [paso] { paso(*forms::LoadedInstance<T>()); });
}

void EscribeFilas(FrmContAbrir& selector, const std::string& sArchivo) {
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

// Whether a message box on the way reported an error (its critical icon), so
// that the road ends the program as failed.
bool& HuboError() {
  static bool bHubo = false;
  return bHubo;
}

// The road's end: the main window's "&Salir", or, after a message box that
// reported an error, the program ended with exit status 1.
void Termina(MDIFrm& principal) {
  if (HuboError()) vb::End(1);
  forms::user::ChooseMenu(principal.mnuSalir);
}

// Answers every message box that comes up while it lives with its button
// captioned `sBoton`, or its default button when it has none so captioned,
// keeping its text as a line of `sArchivo`.
class RespondeMensajes {
 public:
  explicit RespondeMensajes(const std::string& sArchivo, const std::string& sBoton = "")
      : salida_(sArchivo, std::ios::binary | std::ios::app), boton_(QString::fromStdString(sBoton)) {
    QObject::connect(&reloj_, &QTimer::timeout, [this] { Responde(); });
    reloj_.start(kMiradaMs);
  }

 private:
  void Responde() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja) return;
    salida_ << caja->text().toStdString() << "\n" << std::flush;
    if (caja->icon() == QMessageBox::Critical) HuboError() = true;
    QAbstractButton* elegido = caja->defaultButton();
    for (QAbstractButton* boton : caja->buttons())
      if (!boton_.isEmpty() && boton->text() == boton_) elegido = boton;
    elegido ? elegido->click() : caja->accept();
  }

  std::ofstream salida_;
  QString boton_;
  QTimer reloj_;
};

void CapturaFormulario(const std::string& sCarpeta, Frm942& frm) {
  Teclea(frm.txtTelefono, "4567890");
  Teclea(frm.mkeFechaAcog, vb::Format(vb::Variant(vb::Today()), "ddmmyyyy"));
  std::ofstream salida(sCarpeta + "/Frm942.txt", std::ios::binary);
  for (int tab = 0; tab < frm.SSTab1.Tabs(); ++tab) {
    forms::user::ChooseTab(frm.SSTab1, tab);
    formsqt::SaveImage(frm, sCarpeta + "/Frm942-" + std::to_string(tab) + ".png");
    if (!frm.lblTab.Exists(tab)) continue;
    salida << tab << "|" << frm.lblTab(tab).Caption() << "|"
           << (frm.txtmtototal.Exists(tab) ? frm.txtmtototal(tab).Text() : "") << "\n";
  }
  RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt", "No");
  forms::user::Click(frm.CmdCancelar);
}

void CapturaSelector(const std::string& sCarpeta, MDIFrm& principal, FrmContAbrir& selector) {
  formsqt::SaveImage(principal, sCarpeta + "/MDIFrm.png");
  formsqt::SaveImage(selector, sCarpeta + "/FrmContAbrir.png");
  EscribeFilas(selector, sCarpeta + "/FrmContAbrir.txt");
  if (std::getenv("KORVA_CAPTURA_DECLARACION")) {
    if (selector.grdContrib.RowCount() == 0)
      return Abandona("El recorrido desatendido no halló en la ventana FrmContAbrir una "
                      "declaración que abrir.");
    CuandoEsteArriba<Frm942>("Frm942", [sCarpeta](Frm942& frm) { CapturaFormulario(sCarpeta, frm); });
    forms::user::Click(selector.CmdOpciones(0));
  }
  forms::user::Click(selector.CmdOpciones(1));
}

void RevisaInstalacion(const std::string& sCarpeta) {
  CuandoEsteArriba<MDIFrm>("MDIFrm", [sCarpeta](MDIFrm& principal) {
    CuandoEsteArriba<FrmContAbrir>("FrmContAbrir", [sCarpeta, &principal](FrmContAbrir& selector) {
      CapturaSelector(sCarpeta, principal, selector);
    });
    forms::user::ChooseMenu(principal.mnuModificar);
    Termina(principal);
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

// Chooses the main window's `menu`, runs `enVentana` once the window T it opens,
// named `sVentana`, is up, and ends the program with the main window's "&Salir"
// when that window has closed.
template <class T>
void DesdeMenu(const std::string& sVentana, std::function<forms::Menu&(MDIFrm&)> menu,
               std::function<void(T&)> enVentana) {
  CuandoEsteArriba<MDIFrm>("MDIFrm", [sVentana, menu, enVentana](MDIFrm& principal) {
    CuandoEsteArriba<T>(sVentana, enVentana);
    forms::user::ChooseMenu(menu(principal));
    Termina(principal);
  });
}

void ImprimeTributos(const std::string& sCarpeta) {
  DesdeMenu<FrmConsultas>(
      "FrmConsultas", [](MDIFrm& principal) -> forms::Menu& { return principal.mnuCons(4); },
      [sCarpeta](FrmConsultas& consultas) {
        PulsaYSale(consultas.cmdImprimir, consultas.CmdSalir, sCarpeta);
      });
}

void ImprimeDeclaracionGuardada(const std::string& sCarpeta) {
  DesdeMenu<frmImprimir>(
      "frmImprimir", [](MDIFrm& principal) -> forms::Menu& { return principal.mnuImprimir; },
      [sCarpeta](frmImprimir& dialogo) {
        PulsaYSale(dialogo.CmdImprimir(1), dialogo.CmdImprimir(2), sCarpeta);
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
void Importa(const std::string& sCarpeta, FrmImportar& importar) {
  std::string sArchivo = ArchivoDeDeudas(sCarpeta);
  if (sArchivo.empty())
    return Abandona("El recorrido desatendido no halló un archivo de deudas en la carpeta " +
                    sCarpeta + ".");
  EligeItem(importar.CmbRuc, sArchivo.substr(4, 11));
  EligeItem(importar.CmbEntidad, sArchivo.substr(15, 1));
  importar.flListaFiles.SetPath(sCarpeta);
  importar.flListaFiles.SetListIndex(0);
  forms::user::Click(importar.CmdGrabar);
  forms::user::Click(importar.CmdCancelar);
}

// The print dialog's first declaration with every annex, printed.
void ImprimeConAnexos(frmImprimir& dialogo) {
  forms::user::Click(dialogo.OptImp(2));
  for (forms::CheckBox* anexo : dialogo.chkAnexos.Elements()) forms::user::Click(*anexo);
  forms::user::Click(dialogo.CmdImprimir(1));
  forms::user::Click(dialogo.CmdImprimir(2));
}

void ImportaEImprime(const std::string& sCarpeta) {
  CuandoEsteArriba<MDIFrm>("MDIFrm", [sCarpeta](MDIFrm& principal) {
    RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt");
    CuandoEsteArriba<FrmImportar>("FrmImportar",
                                  [sCarpeta](FrmImportar& importar) { Importa(sCarpeta, importar); });
    forms::user::ChooseMenu(principal.mnuImportar);
    CuandoEsteArriba<frmImprimir>("frmImprimir", ImprimeConAnexos);
    forms::user::ChooseMenu(principal.mnuImprimir);
    Termina(principal);
  });
}

void PintaHallazgos(const std::string& sCarpeta, FrmConsist& visor) {
  formsqt::SaveImage(visor, sCarpeta + "/FrmConsist.png");
  forms::user::Click(visor.CmdGrabar);
}

// Answers the open declaration, validates it before and after its payment mode
// is typed (the first time its findings show in the viewer, the second time a
// message says there are none), stores it and closes it.
void RespondeDeclaracion(const std::string& sCarpeta, Frm942& frm) {
  RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
  Teclea(frm.txtTelefono, "4567890");
  Teclea(frm.mkeFechaAcog, vb::Format(vb::Variant(vb::Today()), "ddmmyyyy"));
  for (int tab : {1, 2}) {
    forms::user::ChooseTab(frm.SSTab1, tab);
    forms::user::Click(frm.CmdAcoge(tab));
  }
  forms::user::ChooseTab(frm.SSTab1, 4);
  CuandoEsteArriba<FrmConsist>("FrmConsist",
                               [sCarpeta](FrmConsist& visor) { PintaHallazgos(sCarpeta, visor); });
  forms::user::Click(frm.CmdValidar);
  Teclea(frm.txtValor(frm.nCasillaBase + 1), "0");
  Teclea(frm.txtValor(frm.nCasillaBase + 3), "6");
  forms::user::Focus(frm.txtValor(frm.nCasillaBase + 1));
  formsqt::SaveImage(frm, sCarpeta + "/Frm942-modalidad.png");
  forms::user::Click(frm.CmdValidar);
  forms::user::Click(frm.CmdGrabar);
  forms::user::Click(frm.CmdCancelar);
}

// The entity's boxes of the declaration opened again, as they show.
void LeeDeclaracion(const std::string& sCarpeta, Frm942& frm) {
  std::ofstream salida(sCarpeta + "/Recorrido-casillas.txt", std::ios::binary);
  std::vector<int> casillas;
  for (int nCasilla = frm.nCasillaBase; nCasilla <= frm.nCasillaBase + 6; ++nCasilla)
    casillas.push_back(nCasilla);
  casillas.push_back(535);
  for (int nCasilla : casillas) salida << nCasilla << "|" << frm.txtValor(nCasilla).Text() << "\n";
  RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
  forms::user::Click(frm.CmdCancelar);
}

void RecorreSelector(const std::string& sCarpeta, FrmContAbrir& selector) {
  CuandoEsteArriba<Frm942>("Frm942", [sCarpeta](Frm942& frm) { RespondeDeclaracion(sCarpeta, frm); });
  forms::user::Click(selector.CmdOpciones(0));
  CuandoEsteArriba<Frm942>("Frm942", [sCarpeta](Frm942& frm) { LeeDeclaracion(sCarpeta, frm); });
  forms::user::Click(selector.CmdOpciones(0));
  forms::user::Click(selector.CmdOpciones(1));
}

void Recorre(const std::string& sCarpeta) {
  CuandoEsteArriba<MDIFrm>("MDIFrm", [sCarpeta](MDIFrm& principal) {
    CuandoEsteArriba<FrmImportar>("FrmImportar", [sCarpeta](FrmImportar& importar) {
      RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
      Importa(sCarpeta, importar);
    });
    forms::user::ChooseMenu(principal.mnuImportar);
    CuandoEsteArriba<FrmContAbrir>("FrmContAbrir", [sCarpeta](FrmContAbrir& selector) {
      RecorreSelector(sCarpeta, selector);
    });
    forms::user::ChooseMenu(principal.mnuModificar);
    Termina(principal);
  });
}

// Each road, after the variable that switches it on.
struct Recorrido {
  const char* variable;
  void (*recorre)(const std::string& sCarpeta);
};

constexpr Recorrido kRecorridos[] = {
    {"KORVA_CAPTURA", RevisaInstalacion},
    {"KORVA_RECORRIDO", Recorre},
    {"KORVA_IMPRIME_TRIBUTOS", ImprimeTributos},
    {"KORVA_IMPRIME_DECLARACION", ImprimeDeclaracionGuardada},
    {"KORVA_IMPORTA_E_IMPRIME", ImportaEImprime},
};

// A window no step waits for (a box or a form a step did not foresee) would
// hold a road for ever: the roads end within kEsperasPorRecorrido waits,
// whatever stands open, saying what stood in front.
void LimitaRecorridos() {
  int nSegundos = SegundosDeEspera() * kEsperasPorRecorrido;
  QTimer::singleShot(std::chrono::seconds(nSegundos), qApp, [nSegundos] {
    Abandona("El recorrido desatendido no terminó en " + Segundos(nSegundos) + "." + EnPrimerPlano());
  });
}

}  // namespace

void ProgramaRecorridosDesatendidos() {
  bool bAlguno = false;
  for (const Recorrido& recorrido : kRecorridos) {
    const char* carpeta = std::getenv(recorrido.variable);
    if (carpeta) recorrido.recorre(carpeta);
    bAlguno = bAlguno || carpeta;
  }
  if (bAlguno) LimitaRecorridos();
}

}  // namespace korva
