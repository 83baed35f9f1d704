// The supporting-data dialog of a motive of disagreement: its layout by
// motive, the payments list of motive 1 and the hand-back to the reported-debt
// window.
#include "formulario/reported_debts/frmSustento.h"

#include <initializer_list>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/reported_debts/FormulariosSustento.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kCaption = "Sustento";
constexpr const char* kFechaVacia = "__/__/____";
// The payments of debts of periods before July 1993 may carry forms that the
// debt's tax does not take, unless the form did not exist yet.
constexpr const char* kPrimerPeriodoFormularios = "199307";
constexpr int kLargoCodigo = 4;
constexpr int kLargoOrden = 9;

frmCondeuDet& Detalle() { return forms::Instance<frmCondeuDet>(); }

// The reference number of motive 3 (file) or 4 (resolution) in the detail
// window.
std::string Referencia() {
  return gnMotivo == 3 ? Detalle().pnumexp() : Detalle().pnumres();
}

void FijaReferencia(const std::string& sValor) {
  if (gnMotivo == 3) {
    Detalle().Setpnumexp(sValor);
  } else {
    Detalle().Setpnumres(sValor);
  }
}

void Selecciona(forms::TextBox& caja, int nLargo) {
  caja.SetSelStart(0);
  caja.SetSelLength(nLargo);
}

// One payment of the list: the form in characters 1 to 4, the order number
// right-aligned in 9 to 17 and the date in 26 to 35. The first 17 characters
// tell one payment from another.
std::string LineaPago(const std::string& sFormulario, const std::string& sOrden,
                      const std::string& sFecha) {
  return sFormulario + vb::Space(4) + gUtil.RellenaIzquierda(sOrden, 9, " ") + vb::Space(8) + sFecha;
}

}  // namespace

frmSustento::frmSustento() : forms::Form("frmSustento") {
  DisenaVentana();
  ConectaEventos();
}

// The design: the payments frame over the reference frame, which the loading
// shows one of, and the two commands at the foot.
void frmSustento::DisenaVentana() {
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 5580, 3210);
  DisenaReferencias();
  DisenaPagos();
  const char* kComandos[] = {"&Aceptar", "&Salir"};
  for (int i = 0; i <= 1; ++i) {
    forms::CommandButton& boton = cmdSustento.Add(i);
    boton.SetCaption(kComandos[i]);
    boton.Move(2700 + 1380 * i, 2280, 1305, 375);
    boton.SetTabIndex(10 + i);
  }
}

void frmSustento::DisenaReferencias() {
  Frame1.Move(120, 120, 3375, 1695);
  lbl01.Move(240, 360, 1605, 555);
  txt01.Move(1800, 360, 1335, 315);
  txt01.SetTabIndex(0);
  lbl02.Move(240, 1080, 1455, 375);
  txt02.Move(1800, 1080, 1335, 315);
  txt02.SetTabIndex(1);
}

void frmSustento::DisenaPagos() {
  Frame2.Move(120, 120, 5235, 2055);
  lblCodform.SetCaption("Formulario");
  lblCodform.Move(240, 240, 840, 255);
  forms::Label& orden = Label1.Add(0);
  orden.SetCaption("Nº de orden/operación");
  orden.Move(1080, 240, 1695, 255);
  forms::Label& fecha = Label1.Add(1);
  fecha.SetCaption("Fecha de pago");
  fecha.Move(2820, 240, 1400, 255);
  txtcodform.Move(240, 480, 735, 315);
  txtcodform.SetMaxLength(kLargoCodigo);
  txtcodform.SetTabIndex(2);
  txtNumOrd.Move(1080, 480, 1095, 315);
  txtNumOrd.SetMaxLength(kLargoOrden);
  txtNumOrd.SetTabIndex(3);
  mkeFechaPago.Move(2820, 480, 1005, 315);
  mkeFechaPago.SetMask("99/99/9999");
  mkeFechaPago.SetPromptChar("_");
  mkeFechaPago.SetTabIndex(4);
  const char* kAcciones[] = {"Agregar", "Eliminar"};
  for (int i = 0; i <= 1; ++i) {
    forms::CommandButton& boton = cmdAccion.Add(i);
    boton.SetCaption(kAcciones[i]);
    boton.Move(4260, 480 + 600 * i, 855, 375);
    boton.SetTabIndex(5 + 2 * i);
  }
  lstForm.Move(240, 840, 3915, 735);
  lstForm.SetFontName("Courier New");
  lstForm.SetTabIndex(6);
  Label5.SetCaption("NOTA: Para formularios TEF registre el número de operación");
  Label5.SetWordWrap(true);
  Label5.Move(240, 1620, 3915, 400);
}

void frmSustento::ConectaEventos() {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  cmdSustento.Handle(&forms::Control::Click, [this](int Index) { cmdSustento_Click(Index); });
  cmdAccion.Handle(&forms::Control::Click, [this](int Index) { cmdAccion_Click(Index); });
  ConectaTeclas();
}

// Form and order boxes take digits only, the reference numbers of motives 3
// and 4 letters and digits in upper case; Enter moves on. Shift+Insert and the
// right button's menu would paste: the clipboard is emptied first where the
// box refuses pasting.
void frmSustento::ConectaTeclas() {
  auto teclaAbajo = [this](int& KeyCode, int Shift) { Campo_KeyDown(KeyCode, Shift); };
  auto botonAbajo = [this](int Button, int, double, double) { Campo_MouseDown(Button); };
  for (forms::TextBox* caja : {&txtcodform, &txtNumOrd, &txt02}) {
    caja->KeyPress = [this](int& KeyAscii) { CampoNumerico_KeyPress(KeyAscii); };
    caja->KeyDown = teclaAbajo;
    caja->MouseDown = botonAbajo;
  }
  txt01.KeyPress = [this](int& KeyAscii) { txt01_KeyPress(KeyAscii); };
  txt01.MouseDown = botonAbajo;
  mkeFechaPago.KeyPress = [this](int& KeyAscii) { mkeFechaPago_KeyPress(KeyAscii); };
  mkeFechaPago.KeyDown = teclaAbajo;
  txtcodform.LostFocus = [this] { CodigoFormulario_LostFocus(txtcodform); };
  txt01.LostFocus = [this] {
    if (gnMotivo == 2 || gnMotivo == 5) CodigoFormulario_LostFocus(txt01);
  };
}

void frmSustento::Form_Load() {
  SetCaption(kCaption);
  const std::string& sMotivo = Detalle().chkmotivo(gnMotivo).Caption();
  Frame1.SetCaption(sMotivo);
  Frame2.SetCaption(sMotivo);
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           &lbl01, &lbl02, &txt01, &txt02, &Frame1, &Frame2})
    control->SetVisible(false);
  if (gnMotivo == 1) {
    MuestraPagos();
  } else if (gnMotivo == 2 || gnMotivo == 5) {
    MuestraFormularioOrden();
  } else if (gnMotivo == 3 || gnMotivo == 4) {
    MuestraReferencia();
  }
  if (gnMotivo >= 2 && gnMotivo <= 5) {
    Move(Left(), Top(), 3690, 2750);
    cmdSustento(0).Move(700, 1900, cmdSustento(0).Width(), cmdSustento(0).Height());
    cmdSustento(1).Move(2170, 1900, cmdSustento(1).Width(), cmdSustento(1).Height());
  }
  SetHelpContextID(SolicitudAbierta().AyudaPestana());
}

void frmSustento::MuestraPagos() {
  Frame2.SetVisible(true);
  forms::ListBox& pagos = Detalle().lstForm;
  if (pagos.ListCount() == 0) return;
  lstForm.Clear();
  for (int i = 0; i < pagos.ListCount(); ++i) lstForm.AddItem(pagos.List(i));
}

void frmSustento::MuestraFormularioOrden() {
  for (forms::Control* control :
       std::initializer_list<forms::Control*>{&Frame1, &lbl01, &lbl02, &txt01, &txt02})
    control->SetVisible(true);
  lbl01.SetCaption("Código de formulario");
  lbl02.SetCaption("Número de orden");
  for (forms::Label* etiqueta : {&lbl01, &lbl02}) {
    etiqueta->SetWordWrap(true);
    etiqueta->SetAutoSize(true);
    etiqueta->SetWidth(855);
  }
  txt01.SetText(Detalle().pcodform());
  txt02.SetText(Detalle().pnumorden());
  txt01.SetMaxLength(kLargoCodigo);
  txt02.SetMaxLength(kLargoOrden);
}

void frmSustento::MuestraReferencia() {
  Frame1.SetVisible(true);
  lbl01.SetLeft(lbl01.Left() - 150);
  lbl01.SetVisible(true);
  lbl01.SetAutoSize(true);
  txt01.Move(txt01.Left() - 250, txt01.Top(), txt01.Width() + 400, txt01.Height());
  txt01.SetVisible(true);
  lbl01.SetCaption(gnMotivo == 4 ? "Nro.Resolución de Intendencia u Of.Zonal" : "Número expediente");
  txt01.SetText(Referencia());
  txt01.SetMaxLength(16);
}

// The reported-debt window stands behind the dialog.
void frmSustento::Form_Activate() { Detalle().Frame2.Refresh(); }

void frmSustento::cmdSustento_Click(int Index) {
  if (!VerificaConfiguracionRegional()) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    return;
  }
  bool ok = false;
  ValidaSalida(Index, ok);
  if (Index == 1 || ok) forms::Unload(*this);
}

void frmSustento::cmdAccion_Click(int Index) {
  if (Index == 0) AgregaPago();
  if (Index == 1) EliminaPago();
}

void frmSustento::AgregaPago() {
  if (!PagoValido()) return;
  std::string sLinea = LineaPago(txtcodform.Text(), txtNumOrd.Text(), mkeFechaPago.Text());
  for (int i = 0; i < lstForm.ListCount(); ++i) {
    if (vb::Left(lstForm.List(i), 17) == vb::Left(sLinea, 17))
      return RechazaPago("Se ha encontrado un registro idéntico al que se quiere agregar. Rectifque",
                         txtcodform, kLargoCodigo);
  }
  lstForm.AddItem(sLinea);
  txtcodform.SetText("");
  txtNumOrd.SetText("");
  mkeFechaPago.SetText(kFechaVacia);
  txtcodform.SetFocus();
}

// The payment's form, order number and date, in that order; the first refusal
// is shown and its field takes the focus. Any order number of the box's nine
// digits from 1 up is taken: the supporting-data table holds it in a Long.
bool frmSustento::PagoValido() {
  if (vb::Trim(txtcodform.Text()).empty()) {
    RechazaPago("Debe ingresar un formulario", txtcodform, kLargoCodigo);
    return false;
  }
  if (vb::Val(txtNumOrd.Text()) < 1) {
    RechazaPago("Debe ingresar un número de orden", txtNumOrd, kLargoOrden);
    return false;
  }
  if (!FormularioValido()) return false;
  if (!ValidaCampoFecha("PAG", "fecha de pago", mkeFechaPago.Text(), Caption(), false)) {
    if (mkeFechaPago.Enabled()) mkeFechaPago.SetFocus();
    return false;
  }
  return true;
}

// The form is accepted when parameter 728 gives it for the debt's tax, or when
// it is one of the payment forms; for a period before July 1993 a form the tax
// does not take passes unless it did not exist yet.
bool frmSustento::FormularioValido() {
  frmCondeuDet& det = Detalle();
  std::string sPeriodo = vb::Right(det.lblPeriodo.Text(), 4) + vb::Left(det.lblPeriodo.Text(), 2);
  double nFormulario = vb::Val(txtcodform.Text());
  bool bAceptado =
      VerificaFormularioTributo(ConvierteCodTributo(det.lblCodtributo.Text(), 1), txtcodform.Text(), "") ||
      EsFormulario(FormulariosPago(), nFormulario);
  if (bAceptado) return true;
  if (sPeriodo >= kPrimerPeriodoFormularios) {
    RechazaPago(std::string("El formulario ingresado no corresponde al tributo: ") + vb::vbLf +
                    det.lblCodtributo.Text() + " - " + det.LblDestributo.Text() + vb::vbLf +
                    "Rectifique.",
                txtcodform, kLargoCodigo);
    return false;
  }
  if (EsFormulario(FormulariosPosteriores1993(), nFormulario)) {
    RechazaPago("El formulario ingresado no existe. Rectifique.", txtcodform, kLargoCodigo);
    return false;
  }
  return true;
}

void frmSustento::RechazaPago(const std::string& sMensaje, forms::TextBox& campo, int nLargo) {
  forms::MsgBox(sMensaje, forms::vbCritical, kCaption);
  Selecciona(campo, nLargo);
  campo.SetFocus();
}

// After a removal the item at the top of the list's visible part is selected,
// or the form box takes the focus when the list is empty.
void frmSustento::EliminaPago() {
  if (lstForm.ListIndex() < 0) {
    forms::MsgBox("Para poder eliminar un formulario, primero debe seleccionarse en un registro",
                  forms::vbExclamation, kCaption);
    return;
  }
  lstForm.RemoveItem(lstForm.ListIndex());
  lstForm.SetFocus();
  if (lstForm.ListCount() == 0) {
    Selecciona(txtcodform, kLargoCodigo);
    txtcodform.SetFocus();
  } else {
    lstForm.SetListIndex(lstForm.TopIndex());
  }
}

void frmSustento::ValidaSalida(int Index, bool& ok) {
  bool bAceptar = Index == 0;
  ok = true;
  if (gnMotivo == 1) ok = SalePagos(bAceptar);
  if (gnMotivo == 3 || gnMotivo == 4) ok = SaleReferencia(bAceptar);
  if (gnMotivo == 2 || gnMotivo == 5) ok = SaleFormularioOrden(bAceptar);
  if (bAceptar && ok) forms::MsgBox("Se actualizó la información correctamente", forms::vbInformation, kCaption);
  if (bAceptar && !ok) forms::MsgBox(msMensaje, forms::vbCritical, kCaption);
  Detalle().chkmotivo(gnMotivo).SetTag(ok ? "1" : "0");
}

// Accepting copies the dialog's payments over the window's; leaving keeps the
// window's, which decide whether the motive has supporting data.
bool frmSustento::SalePagos(bool bAceptar) {
  forms::ListBox& pagos = Detalle().lstForm;
  if (!bAceptar) return pagos.ListCount() > 0;
  if (lstForm.ListCount() == 0)
    return RechazaSalida("Debe ingresar por lo menos algún formulario", txtcodform);
  pagos.Clear();
  for (int i = 0; i < lstForm.ListCount(); ++i) pagos.AddItem(lstForm.List(i));
  return true;
}

bool frmSustento::SaleReferencia(bool bAceptar) {
  if (!bAceptar) return !Referencia().empty();
  if (vb::Trim(txt01.Text()).empty())
    return RechazaSalida(gnMotivo == 3 ? "Debe ingresar un número de expediente."
                                       : "Debe ingresar un nro. de resolución",
                         txt01);
  FijaReferencia(txt01.Text());
  return true;
}

// Motive 2 takes one of its three forms, compared as text; motive 5 a
// rectifying return, compared as a number. Both need an order number from 1
// up.
bool frmSustento::SaleFormularioOrden(bool bAceptar) {
  frmCondeuDet& det = Detalle();
  if (!bAceptar) return !(det.pcodform().empty() && det.pnumorden().empty());
  if (gnMotivo == 2 && !EsFormulario(FormulariosModificacion(), txt01.Text()))
    return RechazaSalida(MensajeFormulariosModificacion(), txt01);
  if (gnMotivo == 5 && !EsFormulario(FormulariosRectificatoria(), vb::Val(txt01.Text())))
    return RechazaSalida(
        "Debe ingresar un formulario correspondiente a una rectificatoria. Rectifique", txt01);
  if (vb::Val(txt02.Text()) <= 0)
    return RechazaSalida("Debe ingresar un número de orden. Rectifique", txt02);
  det.Setpcodform(txt01.Text());
  det.Setpnumorden(txt02.Text());
  return true;
}

bool frmSustento::RechazaSalida(const std::string& sMensaje, forms::TextBox& campo) {
  msMensaje = sMensaje;
  Selecciona(campo, vb::Len(campo.Text()));
  campo.SetFocus();
  return false;
}

void frmSustento::CampoNumerico_KeyPress(int& KeyAscii) {
  if (ValidaTeclaNumerica(KeyAscii) && KeyAscii == 13) EnviaTab("TAB");
}

void frmSustento::txt01_KeyPress(int& KeyAscii) {
  if (gnMotivo == 2 || gnMotivo == 5) return CampoNumerico_KeyPress(KeyAscii);
  if (!ValidaTeclaAlfanumerica(KeyAscii)) return;
  if (KeyAscii == 13) {
    EnviaTab("TAB");
  } else {
    KeyAscii = gUtil.Mayuscula(KeyAscii);
  }
}

void frmSustento::mkeFechaPago_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) EnviaTab("TAB");
}

void frmSustento::Campo_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == forms::vbKeyInsert && Shift == forms::vbShiftMask) forms::Clipboard.SetText("");
}

void frmSustento::Campo_MouseDown(int Button) {
  if (Button == forms::vbRightButton) forms::Clipboard.SetText("");
}

// A three-digit form code gains its leading zero; an empty box stays empty.
void frmSustento::CodigoFormulario_LostFocus(forms::TextBox& caja) {
  if (!caja.Text().empty()) caja.SetText(vb::Format(vb::Variant(caja.Text()), "0###"));
}

}  // namespace korva
