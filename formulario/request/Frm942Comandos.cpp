// The telephone box of the identification tab and the window's three commands:
// "&Validar" writes the report of inconsistencies and shows it, "&Grabar"
// stores the declaration, "&Salir" (and the close box) closes the window,
// offering to store a changed form first.
#include <cstdint>
#include <string>

#include "formulario/core/Fileproc.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/request/Frm942.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/files.h"

namespace korva {
namespace {

constexpr std::uint8_t kModoReporte = 0;
constexpr std::uint8_t kModoMensajeGrabar = 2;
constexpr std::uint8_t kModoRapido = 2;

}  // namespace

// Digits and backspace only; Enter moves on to the next control. Every key
// pressed marks the form as changed, even one refused.
void Frm942::txtTelefono_KeyPress(int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
  if (KeyAscii != forms::vbKeyBack && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
  bModificado = true;
}

// Nothing can be pasted: Shift+Insert and the right button empty the clipboard.
void Frm942::txtTelefono_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == forms::vbKeyInsert && Shift == forms::vbShiftMask) forms::Clipboard.SetText("");
}

void Frm942::txtTelefono_MouseDown(int Button) {
  if (Button == forms::vbRightButton) forms::Clipboard.SetText("");
}

// The identification check writes its findings first; only when it passes does
// the whole declaration's validation add its own, close the report and show it.
// A report that cannot be opened (the user gave up after being told why) leaves
// nothing to validate into. The report is closed by its number, by the
// validation or here, before its viewer reads it.
void Frm942::CmdValidar_Click() {
  giGrabando = 0;
  giInconsistencia = 0;
  forms::Hourglass reloj;
  if (!VerificaConfiguracionRegional()) return;
  gsArchivoReporte = gsSysPath + "Mens.txt";
  nArchivoReporte = AbreArchivo(gsArchivoReporte, kModoSalida, 0, 0).Release();
  if (nArchivoReporte == 0) return;
  long nAyuda = SSTab1.HelpContextID();
  if (ValidaContForm1(kModoReporte)) {
    std::uint8_t nModo = kModoReporte;
    ValidaTodo(nModo);
    SSTab1.SetHelpContextID(nAyuda);
    return;
  }
  giInconsistencia = 1;
  SSTab1.SetHelpContextID(nAyuda);
  vb::Close(nArchivoReporte);
  MuestraInconsistencias();
}

void Frm942::CmdGrabar_Click() { Graba(); }

// The store itself. A declaration whose inconsistencies the quick validation
// found is stored all the same, marked in its header; the refusals before it
// (regional settings, a debt file of the older layout, the telephone or the
// date) store nothing, nor does a store that finds the working tables no longer
// holding the declaration.
Frm942::Grabacion Frm942::Graba() {
  giGrabando = 1;
  forms::Hourglass reloj;
  if (!VerificaConfiguracionRegional()) return Grabacion::Rechazada;
  if (gsBuenContrib.empty()) {
    gsMensaje = "Esta declaración la ha realizado con un archivo personalizado antiguo. Debe "
                "solicitar nuevamente su archivo a TELVO.";
    forms::MsgBox(gsMensaje, forms::vbCritical, Caption());
    return Grabacion::Rechazada;
  }
  if (!ValidaContForm1(kModoMensajeGrabar)) return Grabacion::Rechazada;
  std::uint8_t nModo = kModoRapido;
  ValidaTodo(nModo);
  forms::Screen.SetMousePointer(forms::vbHourglass);
  if (!GrabaFormulario()) return Grabacion::Rechazada;
  forms::MsgBox(giInconsistencia == 1 ? "La declaración fue grabada con inconsistencias..!!"
                                      : "Toda la información de la declaración fue grabada "
                                        "satisfactoriamente.",
                forms::vbExclamation, Caption());
  bModificado = false;
  return Grabacion::Hecha;
}

void Frm942::CmdCancelar_Click() {
  if (giEnviadas == 0 && bModificado && !ConfirmaCierre()) return;
  Hide();
  if (forms::LoadedInstance<Frm942>() == this) {
    forms::Release<Frm942>();
  } else {
    forms::Unload(*this);
  }
}

// A person closing the window by its close box is asked as "&Salir" asks;
// closes started by the program itself are not.
void Frm942::Form_QueryUnload(int& Cancel, int UnloadMode) {
  if (UnloadMode == forms::vbFormControlMenu && giEnviadas == 0 && bModificado && !ConfirmaCierre())
    Cancel = 1;
}

// Whether a changed form may close: No closes it as it is, Cancel keeps it, and
// Yes stores it first and closes it only when the store ran.
bool Frm942::ConfirmaCierre() {
  int nRespuesta = forms::MsgBox("¿El formulario ha sido modificado, desea guardar los cambios?",
                                 forms::vbQuestion + forms::vbYesNoCancel, Caption());
  if (nRespuesta == forms::vbCancel) return false;
  if (nRespuesta != forms::vbYes) return true;
  return Graba() == Grabacion::Hecha;
}

}  // namespace korva
