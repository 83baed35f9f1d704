// The boxes the user types numbers into: the form code, the order number and the
// document number take only their characters, the three amounts switch between
// a plain editing text and the display format, and the accepted amount follows
// their sum. None of the six lets a paste by Shift+Insert or the right button's
// menu through.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kLargoEdicion = 13;
constexpr int kLargoPresentacion = 16;
constexpr const char* kFormatoEdicion = "#########0.#0";
constexpr const char* kFormatoMonto = "#,###,###,##0.00";

// Emptying the clipboard before the paste happens leaves nothing to paste.
void VaciaPortapapelesAlTeclear(int KeyCode, int Shift) {
  if (KeyCode == forms::vbKeyInsert && Shift == forms::vbShiftMask) forms::Clipboard.SetText("");
}
void VaciaPortapapelesAlPulsar(int Button) {
  if (Button == forms::vbRightButton) forms::Clipboard.SetText("");
}

// A valor's number holds digits and the letters of its series: A to D, H to K
// and W.
bool TeclaDeValor(int KeyAscii) {
  return KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9') ||
         (KeyAscii >= 'A' && KeyAscii <= 'D') || (KeyAscii >= 'H' && KeyAscii <= 'K') ||
         KeyAscii == 'W';
}

}  // namespace

void FrmNoNotificada::ConectaFiltros() {
  for (forms::TextBox* caja : {&txtcodform, &txtNumOrd, &txtNumDocumento, &txtmtoTributo,
                               &TxtMtoInteresesCAP, &TxtMtoIntereses}) {
    caja->KeyDown = [](int& KeyCode, int Shift) { VaciaPortapapelesAlTeclear(KeyCode, Shift); };
    caja->MouseDown = [](int Button, int, double, double) { VaciaPortapapelesAlPulsar(Button); };
  }
  txtcodform.KeyPress = [this](int& KeyAscii) { NumeroFiltro_KeyPress(KeyAscii); };
  txtNumOrd.KeyPress = [this](int& KeyAscii) { NumeroFiltro_KeyPress(KeyAscii); };
  txtcodform.LostFocus = [this] { txtcodform_LostFocus(); };
  txtNumDocumento.KeyPress = [this](int& KeyAscii) { txtNumDocumento_KeyPress(KeyAscii); };
  for (forms::TextBox* B : {&txtmtoTributo, &TxtMtoInteresesCAP, &TxtMtoIntereses}) {
    B->GotFocus = [this, B] { Monto_GotFocus(*B); };
    B->KeyPress = [this, B](int& KeyAscii) { Monto_KeyPress(*B, KeyAscii); };
    B->Change = [this, B] { Monto_Change(*B); };
    B->LostFocus = [this, B] { Monto_LostFocus(*B); };
    B->MouseUp = [this, B](int Button, int, double, double) { mSeleccionMonto.Suelta(*B, Button); };
  }
}

void FrmNoNotificada::NumeroFiltro_KeyPress(int& KeyAscii) {
  KeyAscii = gUtil.Mayuscula(KeyAscii);
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
  KeyAscii = gUtil.SoloNumeros(KeyAscii, false, false, false);
}

void FrmNoNotificada::txtcodform_LostFocus() {
  txtcodform.SetText(vb::Format(vb::Variant(txtcodform.Text()), "0###"));
}

void FrmNoNotificada::txtNumDocumento_KeyPress(int& KeyAscii) {
  KeyAscii = gUtil.Mayuscula(KeyAscii);
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
  if (TipoDeuda() == "1") {
    if (!TeclaDeValor(KeyAscii)) KeyAscii = 0;
    return;
  }
  KeyAscii = gUtil.SoloNumeros(KeyAscii, false, false, false);
}

// The plain number, whole and selected, so that typing replaces it; a click
// leaves it selected while it is untouched.
void FrmNoNotificada::Monto_GotFocus(forms::TextBox& B) {
  B.SetMaxLength(kLargoEdicion);
  if (B.Text().empty()) {
    B.SetText("0.00");
  } else {
    double dMonto =
        vb::Abs(vb::CDbl(vb::Variant(vb::Format(vb::Variant(B.Text()), kFormatoEdicion))));
    B.SetText(vb::Format(vb::Variant(QuitaComas(vb::NumberText(dMonto))), kFormatoEdicion));
  }
  mSeleccionMonto.Entra(B);
}

void FrmNoNotificada::Monto_KeyPress(forms::TextBox& B, int& KeyAscii) {
  if (KeyAscii == '.' && vb::InStr(B.Text(), ".") > 0) {
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == forms::vbKeyReturn && MontoEnLimite(B)) EnviaTab("TAB");
  if (gUtil.SoloNumeros(KeyAscii, true, false, false) == 0) KeyAscii = 0;
}

void FrmNoNotificada::Monto_Change(forms::TextBox& B) {
  if (!vb::IsNumeric(vb::Variant(B.Text())) && !vb::Trim(B.Text()).empty()) {
    B.SetText("0.");
    B.SetSelStart(2);
  }
  lblMtoAcogido.SetText(
      MontoAcogido(txtmtoTributo.Text(), TxtMtoInteresesCAP.Text(), TxtMtoIntereses.Text()));
}

void FrmNoNotificada::Monto_LostFocus(forms::TextBox& B) {
  B.SetMaxLength(kLargoPresentacion);
  if (!B.Text().empty()) B.SetText(vb::Format(vb::Variant(B.Text()), kFormatoMonto));
}

}  // namespace korva
