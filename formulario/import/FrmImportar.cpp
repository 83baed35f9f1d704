#include "formulario/import/FrmImportar.h"

#include "formulario/core/ModGen00.h"
#include "formulario/core/mod_Combo.h"
#include "formulario/core/modGen02.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kCaption = "Importar información de Estado de Adeudos";
constexpr int kTipoDocumentoRuc = 6;

// Until both a taxpayer and an entity are chosen the file list shows no debt
// file; ".zip" is also what an incomplete choice gives.
constexpr const char* kPatronSinArchivo = ".zip";

}  // namespace

FrmImportar::FrmImportar() : forms::Form("FrmImportar") {
  SetCaption(kCaption);
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 7155, 5490);
  DisenaControles();
  DisenaArchivo();
  DisenaProgreso();
  ConectaEventos();
}

void FrmImportar::DisenaControles() {
  Frame2.SetCaption("Declarante");
  Frame2.Move(120, 60, 6855, 1695);
  Label1.Add(1, Frame2).SetCaption("Número de ruc");
  Label1(1).Move(180, 300, 2055, 255);
  CmbRuc.Move(2280, 240, 2415, 315);
  CmbRuc.SetTabIndex(0);
  Label1.Add(2, Frame2).SetCaption("Nombre o razón social");
  Label1(2).Move(180, 720, 2055, 255);
  txtNombre.Move(2280, 660, 4395, 315);
  txtNombre.SetEnabled(false);
  txtNombre.SetTabIndex(5);
  Label1.Add(6, Frame2).SetCaption("Entidad");
  Label1(6).Move(180, 1140, 2055, 255);
  CmbEntidad.Move(2280, 1080, 2415, 315);
  CmbEntidad.SetTabIndex(1);
}

void FrmImportar::DisenaArchivo() {
  Frame1.SetCaption("Archivo");
  Frame1.Move(120, 1815, 6855, 2625);
  Label1.Add(3, Frame1).SetCaption(
      "Seleccione la unidad y el directorio desde el que desea importar la información");
  Label1(3).Move(180, 240, 6495, 255);
  Label1.Add(0, Frame1).SetCaption("&Archivos a Importar :");
  Label1(0).Move(180, 600, 2055, 255);
  flListaFiles.Move(180, 900, 6495, 1575);
  flListaFiles.SetPattern(kPatronSinArchivo);
  flListaFiles.SetTabIndex(2);
  CmdGrabar.SetCaption("&Aceptar");
  CmdGrabar.Move(3960, 4560, 1335, 375);
  CmdGrabar.SetTabIndex(3);
  CmdCancelar.SetCaption("&Salir");
  CmdCancelar.Move(5520, 4560, 1335, 375);
  CmdCancelar.SetTabIndex(4);
}

void FrmImportar::DisenaProgreso() {
  Frame3.SetCaption("Espere un momento...");
  Frame3.Move(120, 4500, 6855, 915);
  Frame3.SetVisible(false);
  pbar1.Move(180, 240, 6495, 255);
  lblbar1.Move(180, 560, 6495, 255);
}

void FrmImportar::ConectaEventos() {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  CmbRuc.Click = [this] { CmbRuc_Click(); };
  CmbEntidad.Click = [this] { CmbEntidad_Click(); };
  CmbRuc.KeyPress = [this](int& KeyAscii) { CmbRuc_KeyPress(KeyAscii); };
  flListaFiles.KeyPress = [this](int& KeyAscii) { flListaFiles_KeyPress(KeyAscii); };
  CmdGrabar.Click = [this] { CmdGrabar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
}

std::string FrmImportar::KeyNombreArchivo(const std::string& sRuc, const std::string& sEntidad) const {
  if (vb::Len(sRuc) == 11 && vb::Len(sEntidad) == 1) return "0942" + sRuc + sEntidad;
  return "";
}

std::string FrmImportar::RucSeleccionado() const {
  return vb::Left(CmbRuc.List(CmbRuc.ListIndex()), 11);
}

void FrmImportar::Form_Load() {
  forms::Hourglass reloj;
  txtNombre.SetText("");
  txtNombre.SetEnabled(false);
  flListaFiles.SetPath(vb::App::Path());
  RestauraDiseno();
  // The list of declarants reports its own emptiness; the window then closes on
  // its first activation, as there is nobody to import for.
  bHayDeclarantes = CargaNumeroDocumento(CmbRuc, kTipoDocumentoRuc, "", 0) && CmbRuc.ListCount() > 0;
  AjustaAnchoCombo(*this, CmbRuc, 50);
  CargaComboParametro(CmbEntidad, "727", "*", 20, 1, 0);
  AjustaAnchoCombo(*this, CmbEntidad, 30);
}

void FrmImportar::Form_Activate() {
  bool bCerrar = !bHayDeclarantes;
  bHayDeclarantes = true;
  if (bCerrar) forms::Unload(*this);
}

void FrmImportar::CmbRuc_Click() {
  if (CmbRuc.ListIndex() < 0) return;
  txtNombre.SetText(vb::Trim(vb::Mid(CmbRuc.List(CmbRuc.ListIndex()), 12, 50)));
  if (CmbEntidad.ListIndex() < 0) return;
  std::string sRuc = vb::Trim(vb::Left(CmbRuc.List(CmbRuc.ListIndex()), 11));
  std::string sEntidad = vb::Trim(vb::Left(CmbEntidad.List(CmbEntidad.ListIndex()), 11));
  flListaFiles.SetPattern(KeyNombreArchivo(sRuc, sEntidad) + ".zip");
  // The folder is read again, so that a file put there since shows.
  flListaFiles.Refresh();
}

void FrmImportar::CmbEntidad_Click() { CmbRuc_Click(); }

void FrmImportar::CmbRuc_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) EnviaTab("TAB");
}

// Space reads the folder again, as it did in the folder list; Enter moves on.
void FrmImportar::flListaFiles_KeyPress(int& KeyAscii) {
  if (KeyAscii == 32) flListaFiles.Refresh();
  if (KeyAscii == 13) EnviaTab("TAB");
}

void FrmImportar::CmdCancelar_Click() {
  if (forms::LoadedInstance<FrmImportar>() == this) {
    forms::Release<FrmImportar>();
  } else {
    forms::Unload(*this);
  }
}

}  // namespace korva
