#include "formulario/core/windows/frmAcercade.h"

#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"

namespace korva {
namespace {

void DisenaTextoFijo(forms::TextBox& texto, int iArriba, double dTamano) {
  texto.Move(1680, iArriba, 3255, 375);
  texto.SetLocked(true);
  texto.SetTabStop(false);
  texto.SetFontSize(dTamano);
  texto.SetFontBold(true);
}

}  // namespace

frmAcercade::frmAcercade() : forms::Form("frmAcercade") {
  DisenaVentana();
  Load = [this] { Form_Load(); };
  cmdAceptar.Click = [this] { cmdAceptar_Click(); };
}

void frmAcercade::DisenaVentana() {
  SetCaption("Acerca de Orvane ");
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 5400, 3300);
  SSPanel1.Move(120, 60, 5055, 2055);
  Image1.Move(180, 300, 1335, 1335);
  Image1.SetBorderStyle(forms::vbBSNone);
  Image1.SetBackColor(forms::RGB(0, 64, 128));
  DisenaTextoFijo(Text3, 300, 12);
  Text3.SetText("Orvane");
  DisenaTextoFijo(txtApp, 720, 10);
  Line1.Move(1680, 1200, 3255, 15);
  Line1.SetBorderStyle(forms::vbFixedSingle);
  DisenaTextoFijo(txtVersion, 1320, 8.25);
  cmdAceptar.SetCaption("&Aceptar");
  cmdAceptar.Move(3840, 2280, 1335, 375);
  cmdAceptar.SetDefault(true);
  cmdAceptar.SetCancel(true);
}

void frmAcercade::Form_Load() {
  txtApp.SetText(vb::App::ProductName());
  txtVersion.SetText("Versión 1.5");
  forms::Screen.SetMousePointer(forms::vbDefault);
}

void frmAcercade::cmdAceptar_Click() {
  if (forms::LoadedInstance<frmAcercade>() == this) {
    forms::Release<frmAcercade>();
  } else {
    forms::Unload(*this);
  }
}

}  // namespace korva
