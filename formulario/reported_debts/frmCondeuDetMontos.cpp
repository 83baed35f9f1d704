// The reported-debt window's agreement answer and its amount boxes: which boxes
// and motives the answer opens, the locks of the tax code and period, the
// interest up to the acceptance date and the accepted total.
#include <algorithm>
#include <initializer_list>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/reported_debts/MontosAcogidos.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
bool frmCondeuDet::EsUno(const std::string& sCodigo, std::initializer_list<const char*> codigos) {
  return std::any_of(codigos.begin(), codigos.end(),
                     [&sCodigo](const char* sOtro) { return sCodigo == sOtro; });
}

void frmCondeuDet::ConectaMontos() {
  txtmtoTributo.Change = [this] { txtmtoTributo_Change(); };
  txtmtoTributo.GotFocus = [this] { txtmtoTributo_GotFocus(); };
  txtmtoTributo.LostFocus = [this] { txtmtoTributo_LostFocus(); };
  lblMtoInteres.Change = [this] { lblMtoInteres_Change(); };
  lblMtoInteres.GotFocus = [this] { lblMtoInteres_GotFocus(); };
  lblMtoInteres.LostFocus = [this] { lblMtoInteres_LostFocus(); };
  lblMtoInteresCAP.Change = [this] { lblMtoInteresCAP_Change(); };
  lblMtoInteresCAP.GotFocus = [this] { lblMtoInteresCAP_GotFocus(); };
  lblMtoInteresCAP.LostFocus = [this] { lblMtoInteresCAP_LostFocus(); };
  for (forms::TextBox* caja : {&txtmtoTributo, &lblMtoInteresCAP, &lblMtoInteres}) {
    caja->KeyDown = [this](int& KeyCode, int Shift) { CajaMonto_KeyDown(KeyCode, Shift); };
    caja->KeyPress = [this](int& KeyAscii) { CajaMonto_KeyPress(KeyAscii); };
    caja->MouseDown = [this](int Button, int, double, double) { CajaMonto_MouseDown(Button); };
    caja->MouseUp = [this, caja](int Button, int, double, double) {
      mSeleccionMonto.Suelta(*caja, Button);
    };
  }
}

// The agreement answer decides the captions, which amount boxes the user types
// in and what they start with, and which motives may be ticked; a disagreement
// then applies the locks of the tax code and the period. Writing the tributo
// starts the recomputation of the amounts. The index is not used: the handler
// reads both options of each question.
void frmCondeuDet::optConformeMto_Click(int /*Index*/) {
  Label1.SetCaption("Interés");
  Label24.SetCaption("Monto acogido");
  std::string T;
  bool bEditable = FijaModo(T);
  HabilitaMotivos(bEditable);
  for (forms::TextBox* caja : {&txtmtoTributo, &lblMtoInteresCAP, &lblMtoInteres}) {
    caja->SetEnabled(bEditable);
    caja->SetBackColor(bEditable ? kColorEditable : kColorBloqueado);
    caja->SetForeColor(forms::vbBlack);
  }
  txtmtoTributo.SetText(T);
  lblMtoAcogido.SetForeColor(forms::vbBlack);
  if (optConformeMto(1).Value()) BloqueaPorTributo();
}

// True for the editable mode of a disagreement. T is the tributo the boxes then
// start from: empty for a disagreement, the reported tributo for an included,
// agreed debt, "0" for a debt not included.
bool frmCondeuDet::FijaModo(std::string& T) {
  if (optConformeMto(1).Value()) {
    for (forms::TextBox* caja : {&lblMtoInteresCAP, &lblMtoInteres, &lblMtoAcogido}) caja->SetText("");
    lblMtoInteresCAP.SetBackColor(kColorEditable);
    lblMtoInteres.SetBackColor(kColorEditable);
    T = "";
    return true;
  }
  if (optConformeMto(0).Value()) {
    std::string sFecha = SolicitudAbierta().FechaAcogimiento();
    Label1.SetCaption("Interés al " + sFecha);
    Label24.SetCaption("Monto acogido al " + sFecha);
  }
  if (optAcogeFrac(0).Value() && optConformeMto(0).Value()) {
    T = lblmtotribinsol1.Caption();
  } else if (optAcogeFrac(1).Value()) {
    txtmtoTributo.SetText("0");
    for (forms::TextBox* caja : {&lblMtoInteresCAP, &lblMtoInteres, &lblMtoAcogido}) caja->SetText("");
    for (forms::TextBox* caja : {&lblMtoInteresCAP, &lblMtoInteres, &lblMtoAcogido}) caja->SetText("0");
    T = "0";
  } else {
    T = "";
  }
  return false;
}

// Motives follow the mode, narrowed by the debt's category and state; a valor
// under appeal opens motive 4, and motive 6 for the appeal codes 5 to 7. Every
// motive ends unticked.
void frmCondeuDet::HabilitaMotivos(bool bEditable) {
  double nImpugnacion = CodigoImpugnacion();
  bool bImpugnado = nImpugnacion > 0 && giIndexGrid == 1;
  for (int i = 1; i <= 6; ++i) {
    forms::CheckBox& motivo = chkmotivo(i);
    motivo.SetEnabled(bEditable);
    if (deuda_.ind_tip_deu != "01" && (i == 2 || i == 3 || i == 4 || i == 6)) motivo.SetEnabled(false);
    if (deuda_.ind_ver_deu != "07" && i == 6) motivo.SetEnabled(false);
    if (bImpugnado && !optAcogeFrac(1).Value()) {
      chkmotivo(4).SetEnabled(true);
      motivo.SetValue(forms::vbUnchecked);
      chkmotivo(6).SetEnabled(nImpugnacion >= 5 && nImpugnacion <= 7);
    } else {
      motivo.SetValue(forms::vbUnchecked);
    }
    chkmotivo_Click(i);
  }
}

// The appeal code of the current "Valores" row; empty or not a number reads 0.
double frmCondeuDet::CodigoImpugnacion() const {
  vb::Variant valor = SolicitudAbierta().Valor(1, "ind_impugnado");
  return vb::IsNumeric(valor) ? vb::CDbl(valor) : 0;
}

// A disagreement's locks: taxes whose tributo cannot be disputed fix it at 0,
// and periods without capitalised interest fix that at 0, unless the tax keeps
// it open. The interest itself is never locked.
void frmCondeuDet::BloqueaPorTributo() {
  std::string C = lblCodtributo.Text();
  std::string M = vb::Left(lblPeriodo.Text(), 2);
  std::string Y = vb::Right(lblPeriodo.Text(), 4);
  bool bCuotas = EsUno(C, {"2011", "2021", "2031", "2041"}) && deuda_.num_cuo != 0;
  if (bCuotas || EsUno(C, {"3011", "3021", "3031", "3033", "3041", "3061", "3311", "3411", "3611"}) ||
      (C == "9021" && M != "13")) {
    txtmtoTributo.SetEnabled(false);
    txtmtoTributo.SetBackColor(kColorBloqueado);
    txtmtoTributo.SetText("0");
  }
  bool bSinCapitalizado = Y >= std::string("2006") || (Y == "2005" && M == "12") ||
                          (Y == "2005" && M == "13" && (C == "3071" || C == "3081"));
  bool bAbierto = bCuotas || EsUno(C, {"3011", "3021", "3031", "3041"});
  if (bSinCapitalizado && !bAbierto) {
    lblMtoInteresCAP.SetBackColor(kColorBloqueado);
    lblMtoInteresCAP.SetLocked(true);
    lblMtoInteresCAP.SetText("0");
  } else {
    lblMtoInteresCAP.SetBackColor(kColorEditable);
    lblMtoInteresCAP.SetLocked(false);
  }
}

void frmCondeuDet::txtmtoTributo_Change() { CalculaInteresAcogido(); }
void frmCondeuDet::lblMtoInteres_Change() { SumaMontoAcogido(); }
void frmCondeuDet::lblMtoInteresCAP_Change() { SumaMontoAcogido(); }

void frmCondeuDet::SumaMontoAcogido() {
  lblMtoAcogido.SetText(
      SumaAcogida(txtmtoTributo.Text(), lblMtoInteresCAP.Text(), lblMtoInteres.Text()));
}

// With an agreement the interest runs on the tributo from the date of the
// reported amounts to the acceptance date; with a disagreement the three typed
// amounts are only added up.
void frmCondeuDet::CalculaInteresAcogido() {
  if (optConformeMto(1).Value()) return SumaMontoAcogido();
  if (!optConformeMto(0).Value()) return;
  if (txtmtoTributo.Text().empty()) {
    for (forms::TextBox* caja : {&lblMtoInteresCAP, &lblMtoInteres, &lblMtoAcogido}) caja->SetText("");
    return;
  }
  InteresConforme interes = CalculaInteresConforme(
      {txtmtoTributo.Text(), lblmtointcapital.Caption(), lblmtointnocapital.Caption(),
       vb::CDate(vb::Variant(deuda_.fec_des_deu)),
       SolicitudAbierta().FechaAcogimiento(), gsPeriodo},
      optAcogeFrac(0).Value());
  lblMtoInteresCAP.SetText(interes.sCapitalizado);
  lblMtoInteres.SetText(interes.sInteres);
  lblMtoAcogido.SetText(interes.sAcogido);
}

// The tributo is entered as whole soles without separators, selected whole so
// that typing replaces it; a click leaves it selected while it is untouched.
void frmCondeuDet::txtmtoTributo_GotFocus() {
  txtmtoTributo.SetMaxLength(kDigitosMonto);
  if (!txtmtoTributo.Text().empty()) txtmtoTributo.SetText(FormaEntrada(txtmtoTributo.Text()));
  mSeleccionMonto.Entra(txtmtoTributo);
}

void frmCondeuDet::lblMtoInteres_GotFocus() { EntraInteres(lblMtoInteres); }
void frmCondeuDet::lblMtoInteresCAP_GotFocus() { EntraInteres(lblMtoInteresCAP); }

// An interest box is entered as its whole absolute value, "0" when empty, and
// selected whole so that typing replaces it; a click leaves it selected while
// it is untouched.
void frmCondeuDet::EntraInteres(forms::TextBox& caja) {
  caja.SetMaxLength(kDigitosMonto);
  caja.SetText(caja.Text().empty() ? "0" : FormaEntradaInteres(caja.Text()));
  mSeleccionMonto.Entra(caja);
}

void frmCondeuDet::txtmtoTributo_LostFocus() { SaleMonto(txtmtoTributo); }
void frmCondeuDet::lblMtoInteres_LostFocus() { SaleMonto(lblMtoInteres); }
void frmCondeuDet::lblMtoInteresCAP_LostFocus() { SaleMonto(lblMtoInteresCAP); }

void frmCondeuDet::SaleMonto(forms::TextBox& caja) {
  caja.SetMaxLength(15);
  if (!caja.Text().empty()) caja.SetText(FormaPresentacion(caja.Text()));
}

// Shift+Insert and the right button's menu would paste: the clipboard is
// emptied first, so that they paste nothing.
void frmCondeuDet::CajaMonto_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == forms::vbKeyInsert && Shift == forms::vbShiftMask) forms::Clipboard.SetText("");
}

void frmCondeuDet::CajaMonto_MouseDown(int Button) {
  if (Button == forms::vbRightButton) forms::Clipboard.SetText("");
}

void frmCondeuDet::CajaMonto_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) EnviaTab("TAB");
  KeyAscii = gUtil.SoloNumeros(KeyAscii, false, false, false);
  bModificado = true;
}

}  // namespace korva
