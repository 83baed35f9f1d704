// The field cascade: what the debt type, the tax, the period, the week and the
// sworn-declaration answer enable, empty, recolour, show, relabel and reload.
// Each handler reads the fields afresh when a step uses them, and a selection it
// makes in code runs that control's handler before the step after it.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/modGen02.h"
#include "formulario/core/mod_Combo.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "platform/forms/services.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kNumeroResolucion = "Número de Resolución";
constexpr const char* kNumeroResolucionOInfraccion =
    "Número de Resolución o Comunicación de Infracción";
constexpr const char* kComunicacionInfraccion = "Comunicación de Infracción (de corresponder)";

void Pinta(forms::Control& control, forms::Color color, bool bHabilitado) {
  control.SetBackColor(color);
  control.SetEnabled(bHabilitado);
}
void Blanco(forms::Control& control) { Pinta(control, FrmNoNotificada::kBlanco, true); }
void Gris(forms::Control& control) { Pinta(control, FrmNoNotificada::kGris, false); }

void Reconstruye(forms::ComboBox& lista, int nDesde, int nHasta) {
  lista.Clear();
  for (int n = nDesde; n <= nHasta; ++n) lista.AddItem(std::to_string(n));
}

bool EmpiezaConSeis(const std::string& sTexto) { return vb::Left(sTexto, 1) == "6"; }

}  // namespace

void FrmNoNotificada::ConectaCascada() {
  cboTipoDeuda.Click = [this] { cboTipoDeuda_Click(); };
  cboTributo.Click = [this] { cboTributo_Click(); };
  cboTributo.KeyPress = [this](int& KeyAscii) { cboTributo_KeyPress(KeyAscii); };
  cboTributo.LostFocus = [this] { cboTributo_LostFocus(); };
  cboSemana.Click = [this] { cboSemana_Click(); };
  mkePeriodo.Change = [this] { mkePeriodo_Change(); };
  mkePeriodo.KeyDown = [this](int& KeyCode, int Shift) { mkePeriodo_KeyDown(KeyCode, Shift); };
  mkePeriodo.KeyPress = [this](int& KeyAscii) { mkePeriodo_KeyPress(KeyAscii); };
  mkePeriodo.LostFocus = [this] { mkePeriodo_LostFocus(); };
  OptRespDDJJ.Handle(&forms::Control::Click, [this](int Index) { OptRespDDJJ_Click(Index); });
  OptRespDDJJ.Handle(&forms::Control::KeyPress,
                     [this](int Index, int& KeyAscii) { OptRespDDJJ_KeyPress(Index, KeyAscii); });
}

// T, the tax code: the first four characters of the tax list's text.
std::string FrmNoNotificada::Tributo() const { return vb::Left(cboTributo.Text(), 4); }
// D, the debt type digit.
std::string FrmNoNotificada::TipoDeuda() const { return vb::Left(cboTipoDeuda.Text(), 1); }

void FrmNoNotificada::cboTipoDeuda_Click() {
  std::string D = TipoDeuda();
  if (D == "2") {
    lblNumvalor.SetCaption(kNumeroResolucionOInfraccion);
    Gris(cboDocumento);
    Gris(txtNumDocumento);
    txtDocumento.SetBackColor(kGris);
  } else if (D == "1" || D == "3") {
    TipoDeudaValorOInfraccion(D);
  }
  if ((D == "1" || D == "2" || D == "3") && ModoNuevo()) {
    CargaTributo(cboTributo, "", TipoDeuda());
    AjustaAnchoCombo(*this, cboTributo, 55);
  }
  txtTipoDeuda.SetText(vb::Trim(vb::Mid(cboTipoDeuda.Text(), 5, 80)));
  Procesa_CboTributo();
  for (int i : {1, 0}) {
    OptRespDDJJ(i).SetValue(false);
    OptRespDDJJ(i).SetEnabled(false);
  }
  if (cboTributo.Enabled() && TipoDeuda() == "2") {
    OptRespDDJJ(1).SetEnabled(true);
    OptRespDDJJ(0).SetEnabled(true);
  }
}

// A valor or an infraction names its document and has no sworn declaration.
// An infraction is refused for FONAVI when it offers no fine that may be
// included, and clearing the choice runs the type's handler for no type. The
// tax list may hold no fine only because it was loaded for a self-assessed
// debt: PARAM is then asked, so that a FONAVI with fines is not refused.
void FrmNoNotificada::TipoDeudaValorOInfraccion(const std::string& D) {
  for (forms::Control* control :
       std::initializer_list<forms::Control*>{&txtcodform, &txtNumOrd, &cboSemana, &cboTipoPago})
    Gris(*control);
  Blanco(cboDocumento);
  Blanco(txtNumDocumento);
  txtDocumento.SetBackColor(kBlanco);
  if (D == "1") {
    lblNumvalor.SetCaption(kNumeroResolucion);
    return;
  }
  bool bHayMultas = false;
  for (int i = 0; i < cboTributo.ListCount(); ++i)
    bHayMultas = bHayMultas || EmpiezaConSeis(cboTributo.List(i));
  if (gnSemana == 5 && !bHayMultas && !EntidadOfreceMultas()) {
    forms::MsgBox("Entidad no posee códigos de multas acogibles",
                  forms::vbCritical + forms::vbOKOnly, Caption());
    cboTipoDeuda.SetListIndex(-1);
  }
  lblNumvalor.SetCaption(kComunicacionInfraccion);
}

void FrmNoNotificada::cboTributo_Click() {
  txtTributo.SetText(vb::Trim(vb::Mid(cboTributo.Text(), 7, 50)));
  if (cboTributo.ListIndex() == -1) return;
  std::string sRegimen = RegimenDeCuota(Tributo());
  if (!sRegimen.empty() && ModoNuevo())
    forms::MsgBox(
        "Usted ha seleccionado un código de tributo de fraccionamiento " + sRegimen +
            ", por lo cual se entiende que desea acoger al fraccionamiento una cuota vencida " +
            "pendiente de pago por la que no se ha emitido su correspondiente orden de pago.",
        forms::vbInformation + forms::vbOKOnly, "Información");
  ReglaInteresCapitalizado();
  Procesa_CboTributo();
  if (TipoDeuda() == "3") {
    for (int i : {1, 0}) {
      OptRespDDJJ(i).SetValue(false);
      OptRespDDJJ(i).SetEnabled(false);
    }
  }
  Verifica_Tributo_Asociado();
  MuestraSemanaYCuota();
}

// The week of a weekly tax (hidden from 2009 on), the quarter of 7151 or the
// month of 3034, with the payment type for the two taxes paid by quotas.
void FrmNoNotificada::MuestraSemanaYCuota() {
  std::string T = Tributo();
  if (EsTributoSemanal(T)) {
    bool bVisible = vb::Right(mkePeriodo.Text(), 4) < "2009";
    lblSemana.SetVisible(bVisible);
    cboSemana.SetVisible(bVisible);
    Reconstruye(cboSemana, 0, 5);
  } else if (EsTributoPorCuotas(T)) {
    lblSemana.SetVisible(true);
    cboSemana.SetVisible(true);
    Reconstruye(cboSemana, 1, T == "7151" ? 4 : 9);
    ReglaCuotaDelMes();
  } else {
    lblSemana.SetVisible(false);
    cboSemana.SetVisible(false);
  }
  lblSemana.SetCaption("Semana");
  bool bPorCuotas = EsTributoPorCuotas(Tributo());
  lblTipoPago.SetVisible(bPorCuotas);
  cboTipoPago.SetVisible(bPorCuotas);
  if (bPorCuotas) lblSemana.SetCaption("Cuota");
}

void FrmNoNotificada::cboTributo_KeyPress(int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
}

void FrmNoNotificada::cboTributo_LostFocus() { RecargaDocumentos(55); }

// The document types for the tax now chosen; in edit mode the row's own type
// is selected again.
void FrmNoNotificada::RecargaDocumentos(int iAncho) {
  CargaValoresNEW(cboDocumento, ModoNuevo() ? "" : TipoDocumentoDeFila());
  txtDocumento.SetText("");
  AjustaAnchoCombo(*this, cboDocumento, iAncho);
}

std::string FrmNoNotificada::TipoDocumentoDeFila() {
  return (Solicitud().Valor(miIndexGrid, "cod_tip_doc") & vb::Variant("")).ToString();
}

void FrmNoNotificada::cboSemana_Click() { ReglaInteresCapitalizado(); }

void FrmNoNotificada::mkePeriodo_Change() {
  if (vb::InStr(mkePeriodo.Text(), "_") == 0) ReglaInteresCapitalizado();
  if (EsTributoPorCuotas(Tributo())) ReglaCuotaDelMes();
}

void FrmNoNotificada::mkePeriodo_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == forms::vbKeyInsert && Shift == forms::vbShiftMask) forms::Clipboard.SetText("");
}

void FrmNoNotificada::mkePeriodo_KeyPress(int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
  KeyAscii = gUtil.SoloNumeros(KeyAscii, false, false, false);
}

// Leaving the period runs the tax's rules again with the final period.
void FrmNoNotificada::mkePeriodo_LostFocus() {
  cboTributo_Click();
  if (cboTributo.ListIndex() != -1) RecargaDocumentos(35);
}

void FrmNoNotificada::ReglaInteresCapitalizado() {
  std::string sPeriodo = mkePeriodo.Text();
  if (InteresCapitalizadoEditable(Tributo(), vb::Left(sPeriodo, 2), vb::Right(sPeriodo, 4),
                                  vb::Left(cboSemana.Text(), 1))) {
    TxtMtoInteresesCAP.SetBackColor(kBlanco);
    TxtMtoInteresesCAP.SetLocked(false);
    return;
  }
  TxtMtoInteresesCAP.SetBackColor(kGris);
  TxtMtoInteresesCAP.SetLocked(true);
  TxtMtoInteresesCAP.SetText("0");
}

// Selecting the quota runs the week's Click, and so the capitalised-interest
// rule again; a month that selects no quota leaves the selection as it is.
void FrmNoNotificada::ReglaCuotaDelMes() {
  std::string sPeriodo = mkePeriodo.Text();
  int nCuota = CuotaDelMes(Tributo(), vb::Left(sPeriodo, 2), vb::Right(sPeriodo, 4));
  if (nCuota >= 0 && nCuota < cboSemana.ListCount()) cboSemana.SetListIndex(nCuota);
}

void FrmNoNotificada::OptRespDDJJ_Click(int Index) {
  std::string T = Tributo();
  if (Index == 1) {
    Blanco(txtcodform);
    Blanco(txtNumOrd);
    if (T == "7151" && vb::Right(mkePeriodo.Text(), 4) <= "2004") {
      Gris(txtcodform);
      Gris(txtNumOrd);
      txtcodform.SetText("0000");
      txtNumOrd.SetText("0");
    }
    if (!RegimenDeCuota(T).empty()) OptRespDDJJ(0).SetValue(true);
    Blanco(cboSemana);
    Blanco(cboTipoPago);
    if (EsTributoPorCuotas(Tributo())) Gris(cboSemana);
  } else if (Index == 0) {
    for (forms::TextBox* caja : {&txtcodform, &txtNumOrd}) {
      Gris(*caja);
      caja->SetText("");
    }
    Gris(cboSemana);
    Gris(cboTipoPago);
    if (TipoDeuda() == "3" && vb::Trim(vb::Left(cboDocumento.Text(), 2)).empty() &&
        vb::Trim(txtDocumento.Text()).empty() && vb::Trim(txtNumDocumento.Text()).empty()) {
      Blanco(CboTributoAsociado);
      TxtTributoAsociado.SetBackColor(kBlanco);
      Verifica_Tributo_Asociado();
    }
  }
  if (TipoDeuda() != "3" || OptRespDDJJ(1).Value() || !EmpiezaConSeis(cboTributo.Text()))
    DeshabilitaAsociadoSiCorresponde();
}

void FrmNoNotificada::DeshabilitaAsociadoSiCorresponde() {
  Gris(CboTributoAsociado);
  CboTributoAsociado.SetListIndex(-1);
  TxtTributoAsociado.SetBackColor(kGris);
}

void FrmNoNotificada::OptRespDDJJ_KeyPress(int /*Index*/, int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
}

void FrmNoNotificada::Procesa_CboTributo() {
  std::string D = TipoDeuda();
  bool bValorOInfraccion = D == "1" || D == "3";
  Gris(txtNumDocumento);
  txtNumDocumento.SetText("");
  txtDocumento.SetBackColor(kGris);
  if (bValorOInfraccion) {
    Blanco(txtNumDocumento);
    txtDocumento.SetBackColor(kBlanco);
  }
  OptRespDDJJ(1).SetEnabled(true);
  OptRespDDJJ(0).SetEnabled(true);
  cboDocumento.SetListIndex(-1);
  cboDocumento.Clear();
  Gris(cboDocumento);
  if (bValorOInfraccion) Blanco(cboDocumento);
  CboTributoAsociado.SetListIndex(-1);
  TxtTributoAsociado.SetBackColor(kGris);
  OptRespDDJJ(1).SetValue(false);
  OptRespDDJJ(0).SetValue(false);
  if (bValorOInfraccion) {
    OptRespDDJJ(1).SetEnabled(false);
    OptRespDDJJ(0).SetEnabled(false);
  }
  Gris(CboTributoAsociado);
  CboTributoAsociado.SetListIndex(-1);
  if (EmpiezaConSeis(cboTributo.Text())) {
    OptRespDDJJ(0).SetValue(true);
    OptRespDDJJ(1).SetEnabled(false);
  } else if (D != "1") {
    OptRespDDJJ(1).SetEnabled(true);
  }
  for (forms::TextBox* caja : {&txtcodform, &txtNumOrd}) {
    Gris(*caja);
    caja->SetText("");
  }
  if (!vb::Trim(vb::Left(cboDocumento.Text(), 2)).empty() ||
      !vb::Trim(txtDocumento.Text()).empty() || !vb::Trim(txtNumDocumento.Text()).empty() ||
      OptRespDDJJ(1).Value() || !EmpiezaConSeis(cboTributo.Text()))
    DeshabilitaAsociadoSiCorresponde();
}

void FrmNoNotificada::Verifica_Tributo_Asociado() {
  std::string sCodigo =
      ConvierteCodTributo(vb::Left(cboTributo.List(cboTributo.ListIndex()), 6), 1);
  if (LeeParametro("725", std::string(sCodigo), 1, 69) != "1") return;
  Gris(CboTributoAsociado);
  TxtTributoAsociado.SetBackColor(kGris);
}

}  // namespace korva
