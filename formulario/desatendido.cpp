#include "formulario/desatendido.h"

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
#include "formulario/core/windows/MDIFrm.h"
#include "formulario/import/FrmImportar.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/FrmConsist.h"
#include "platform/forms/instance.h"
#include "platform/forms/user.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"

namespace korva {
namespace {

constexpr int kEsperaMs = 300;

// Runs `accion` as the windows' own events run, so that End and errors take the
// program's usual road.
void EnLasVentanas(const std::function<void()>& accion) {
  if (auto* host = dynamic_cast<formsqt::QtHost*>(forms::CurrentHost())) host->Call(accion);
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
    reloj_.start(50);
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

void CapturaFormulario(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    Frm942* frm = forms::LoadedInstance<Frm942>();
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
    FrmContAbrir* selector = forms::LoadedInstance<FrmContAbrir>();
    MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
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
    MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
    if (!principal) return;
    QTimer::singleShot(kEsperaMs, [sCarpeta] { CapturaSelector(sCarpeta); });
    forms::user::ChooseMenu(principal->mnuModificar);
    Termina(*principal);
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
void DesdeMenu(std::function<forms::Menu&(MDIFrm&)> menu, std::function<void()> enVentana) {
  EnLasVentanas([menu, enVentana] {
    MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
    if (!principal) return;
    QTimer::singleShot(kEsperaMs, [enVentana] { EnLasVentanas(enVentana); });
    forms::user::ChooseMenu(menu(*principal));
    Termina(*principal);
  });
}

void ImprimeTributos(const std::string& sCarpeta) {
  DesdeMenu([](MDIFrm& principal) -> forms::Menu& { return principal.mnuCons(4); },
            [sCarpeta] {
              if (auto* consultas = forms::LoadedInstance<FrmConsultas>())
                PulsaYSale(consultas->cmdImprimir, consultas->CmdSalir, sCarpeta);
            });
}

void ImprimeDeclaracionGuardada(const std::string& sCarpeta) {
  DesdeMenu([](MDIFrm& principal) -> forms::Menu& { return principal.mnuImprimir; },
            [sCarpeta] {
              if (auto* dialogo = forms::LoadedInstance<frmImprimir>())
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
  FrmImportar* importar = forms::LoadedInstance<FrmImportar>();
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
  frmImprimir* dialogo = forms::LoadedInstance<frmImprimir>();
  if (!dialogo) return;
  forms::user::Click(dialogo->OptImp(2));
  for (forms::CheckBox* anexo : dialogo->chkAnexos.Elements()) forms::user::Click(*anexo);
  forms::user::Click(dialogo->CmdImprimir(1));
  forms::user::Click(dialogo->CmdImprimir(2));
}

void ImportaEImprime(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
    if (!principal) return;
    RespondeMensajes respuestas(sCarpeta + "/Mensajes.txt");
    QTimer::singleShot(kEsperaMs, [sCarpeta] { EnLasVentanas([sCarpeta] { Importa(sCarpeta); }); });
    forms::user::ChooseMenu(principal->mnuImportar);
    QTimer::singleShot(kEsperaMs, [] { EnLasVentanas(ImprimeConAnexos); });
    forms::user::ChooseMenu(principal->mnuImprimir);
    Termina(*principal);
  });
}

// Runs `accion` in the windows once the modal window that the next action opens
// is up.
void EnSeguida(std::function<void()> accion) {
  QTimer::singleShot(kEsperaMs, [accion] { EnLasVentanas(accion); });
}

void PintaHallazgos(const std::string& sCarpeta) {
  auto* visor = forms::LoadedInstance<FrmConsist>();
  if (!visor) return;
  formsqt::SaveImage(*visor, sCarpeta + "/FrmConsist.png");
  forms::user::Click(visor->CmdGrabar);
}

// Answers the open declaration, validates it before and after its payment mode
// is typed, stores it and closes it.
void RespondeDeclaracion(const std::string& sCarpeta) {
  Frm942* frm = forms::LoadedInstance<Frm942>();
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
  Frm942* frm = forms::LoadedInstance<Frm942>();
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
  auto* selector = forms::LoadedInstance<FrmContAbrir>();
  if (!selector) return;
  EnSeguida([sCarpeta] { RespondeDeclaracion(sCarpeta); });
  forms::user::Click(selector->CmdOpciones(0));
  EnSeguida([sCarpeta] { LeeDeclaracion(sCarpeta); });
  forms::user::Click(selector->CmdOpciones(0));
  forms::user::Click(selector->CmdOpciones(1));
}

void Recorre(const std::string& sCarpeta) {
  EnLasVentanas([sCarpeta] {
    MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
    if (!principal) return;
    EnSeguida([sCarpeta] {
      RespondeMensajes respuestas(sCarpeta + "/Recorrido.txt");
      Importa(sCarpeta);
    });
    forms::user::ChooseMenu(principal->mnuImportar);
    EnSeguida([sCarpeta] { RecorreSelector(sCarpeta); });
    forms::user::ChooseMenu(principal->mnuModificar);
    Termina(*principal);
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

}  // namespace

void ProgramaRecorridosDesatendidos() {
  for (const Recorrido& recorrido : kRecorridos) {
    const char* carpeta = std::getenv(recorrido.variable);
    if (!carpeta) continue;
    std::string sCarpeta = carpeta;
    QTimer::singleShot(kEsperaMs, [sCarpeta, recorre = recorrido.recorre] { recorre(sCarpeta); });
  }
}

}  // namespace korva
