// The end of the check of an entry: the week and payment type of a sworn
// declaration, the debt type and associated tax, and the amounts: the tax
// amount by the kind of tax, the two interests and the accepted amount of at
// least 5 soles.
#include <string>

#include "formulario/core/ModGen01.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "formulario/non_notified_debts/ReglasValidacion.h"
#include "platform/vb/conv.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kTributoMayorACero = "El monto de tributo insoluto debe ser mayor a cero.";
constexpr const char* kSinTributoPagoACuenta =
    "No debe consignar monto de tributo insoluto. El código de tributo es pago a cuenta.";
constexpr const char* kRegistreTributo = "Debe registrar el monto del tributo adeudado";
constexpr const char* kRegistreCapitalizado =
    "Debe registrar el interés capitalizado del tributo adeudado";

// An amount box read as the regional settings write amounts (thousands commas
// allowed).
bool EnBlanco(const forms::TextBox& caja) { return vb::Trim(caja.Text()).empty(); }
bool EsMonto(const forms::TextBox& caja) {
  return vb::IsNumeric(vb::Variant(vb::Trim(caja.Text())));
}
double Monto(const forms::TextBox& caja) { return vb::CDbl(vb::Variant(vb::Trim(caja.Text()))); }

// The number a box's text begins with: 1,234.00 reads 1, a text that does not
// begin with a number 0.
double ValorInicial(const forms::TextBox& caja) { return vb::Val(caja.Text()); }

}  // namespace

bool FrmNoNotificada::ValidaSemanaYTipoPago(const Entrada& e) {
  std::string sSemana = vb::Trim(vb::Left(cboSemana.Text(), 1));
  std::string sTipoPago = vb::Trim(vb::Left(cboTipoPago.Text(), 1));
  double nTributo = ValorInicial(txtmtoTributo);
  if (cboSemana.Visible() && EsTributoSemanal(e.sTributo)) {
    if (sSemana.empty()) return RechazaConTitulo("Debe ingresar la semana.");
    if (sSemana == "0" && nTributo <= 0) return RechazaConTitulo(kTributoMayorACero);
    if (sSemana != "0" && nTributo > 0)
      return RechazaConTitulo("El monto de tributo insoluto debe ser igual a cero.");
    if (sSemana != "0" && ValorInicial(TxtMtoInteresesCAP) <= 0)
      return RechazaConTitulo("El interes capitalizado debe ser mayor a cero.");
  }
  if (cboTipoPago.Visible()) {
    if (sTipoPago.empty()) return RechazaConTitulo("Debe ingresar el tipo de pago.");
    if (sTipoPago == "0" && sSemana != "1")
      return RechazaConTitulo("El tipo de pago no es valido para el período ingresado.");
  }
  if (!AdmiteTributoCero(e.sTributo, e.sMes) && nTributo <= 0)
    return RechazaConTitulo(kTributoMayorACero);
  return true;
}

bool FrmNoNotificada::ValidaTipoDeuda(const Entrada& e) {
  if (e.sTipoDeuda == "1" && !AdmiteTributoCero(e.sTributo, e.sMes) &&
      ValorInicial(txtmtoTributo) <= 0)
    return RechazaConTitulo(kTributoMayorACero);
  if (e.sTipoDeuda.empty()) return RechazaConTitulo("Debe ingresar el tipo de deuda.");
  if (e.sTipoDeuda == "3" && vb::Left(cboTributo.Text(), 1) == "6" &&
      CboTributoAsociado.Enabled() && CboTributoAsociado.ListIndex() == -1)
    return Rechaza("Debe seleccionar el tributo asociado", &CboTributoAsociado);
  return true;
}

// The tax amount by the kind of tax: none for a payment on account, and one
// above 0 for the others, unless the tax has a last-period date, when only
// the income tax's payments on account and 9021 are checked; its limit of
// digits is checked for every tax. A box that holds no number (the window's
// own handlers keep the boxes numeric) is refused before any of these reads
// its amount.
bool FrmNoNotificada::ValidaTributo(const Entrada& e) {
  forms::TextBox& trib = txtmtoTributo;
  forms::TextBox& cap = TxtMtoInteresesCAP;
  if (!EnBlanco(trib) && !EsMonto(trib)) return RechazaYRepone(kRegistreTributo, trib);
  if (!EnBlanco(cap) && !EsMonto(cap)) return RechazaYRepone(kRegistreCapitalizado, cap);
  bool bOtroPago = EsOtroPagoACuenta(e.sTributo);
  bool bAntesDe2006 = e.sAnio < "2006";
  if (bOtroPago && !EnBlanco(trib) && Monto(trib) > 0)
    return RechazaConTitulo(kSinTributoPagoACuenta, &trib);
  if (bOtroPago && !EnBlanco(cap) && bAntesDe2006 && Monto(cap) <= 0)
    return RechazaConTitulo(
        "Debe consignar interes capitalizado. El código de tributo es pago a cuenta.", &cap);
  bool bSinFechaFinal = vb::Trim(e.sFechaFinal).empty();
  if (bSinFechaFinal && EnBlanco(trib)) return RechazaYRepone(kRegistreTributo, trib);
  if (!bSinFechaFinal && EsTributoAnual(e.sTributo)) {
    if (!EnBlanco(trib) && Monto(trib) > 0)
      return RechazaConTitulo(
          "No debe consignar monto de tributo insoluto. El código de tributo es pago a cuenta al "
          "impuesto a la renta.",
          &trib);
    if (!EnBlanco(cap) && Monto(cap) <= 0)
      return RechazaConTitulo(
          "Debe ingresar interes capitalizado mayor a cero. El código de tributo es pago a cuenta "
          "al impuesto a la renta.",
          &cap);
  }
  if (e.sTributo == "9021" && e.sMes != "13") {
    if (!EnBlanco(trib) && Monto(trib) > 0) return RechazaConTitulo(kSinTributoPagoACuenta, &trib);
    if (!EnBlanco(cap) && bAntesDe2006 && Monto(cap) <= 0)
      return RechazaConTitulo(
          "Debe ingresar interes capitalizado mayor a cero. El código de tributo es pago a cuenta.",
          &cap);
  } else if (bSinFechaFinal && !bOtroPago && Monto(trib) <= 0) {
    return RechazaConTitulo("Debe registrar el monto del tributo adeudado correctamente", &trib);
  }
  return MontoEnLimite(trib);
}

// A capitalised interest above 0 is refused for a period of the acceptance
// year, except for a weekly tax whose week is chosen.
bool FrmNoNotificada::ValidaInteresCapitalizado(const Entrada& e) {
  if (!ValidaInteres(TxtMtoInteresesCAP, "interés capitalizado")) return false;
  bool bSemanaElegida = vb::Left(cboSemana.Text(), 1) != "0" && EsTributoSemanal(e.sTributo);
  if (!bSemanaElegida && e.sAnio == e.sAnioAcog && Monto(TxtMtoInteresesCAP) > 0)
    return Rechaza("Interés capitalizado no debe ser mayor a 0.00", &TxtMtoInteresesCAP);
  return true;
}

bool FrmNoNotificada::ValidaInteres(forms::TextBox& caja, const std::string& sNombre) {
  std::string sMensaje = "Debe registrar el " + sNombre + " del tributo adeudado";
  if (EnBlanco(caja) || !EsMonto(caja)) return RechazaYRepone(sMensaje, caja);
  if (Monto(caja) < 0) return RechazaConTitulo(sMensaje + " correctamente", &caja);
  return MontoEnLimite(caja);
}

// Every amount box holds at most 10 whole digits and 2 decimals, which the
// store's 15-character columns take. Enter in the box checks it, and so does
// "Aceptar" for each box whichever way it was left and whatever the tax, so
// that no wider amount reaches the store. A refusal shows the limit's own
// message and puts the focus back on the box.
bool FrmNoNotificada::MontoEnLimite(forms::TextBox& caja) {
  if (ValidaNumeroDecimal(QuitaComas(std::string(caja.Text())), 10, 2, Caption(), false))
    return true;
  Enfoca(&caja);
  return false;
}

// "0.00" is not an empty accepted amount: it is below 5 soles.
bool FrmNoNotificada::ValidaMontoAcogido(const Entrada& e) {
  std::string sAcogido = vb::Trim(lblMtoAcogido.Text());
  if (sAcogido.empty() || sAcogido == "0")
    return Rechaza(EsTributoAnual(e.sTributo)
                       ? "Debe registrar el interés capitalizado o el interés no capitalizado"
                       : "Debe registrar el tributo adeudado o el interés capitalizado o el "
                         "interés no capitalizado",
                   nullptr);
  if (Monto(lblMtoAcogido) < 5.00)
    return RechazaConTitulo("El monto acogido debe ser mayor o igual a 5 soles.");
  return true;
}

}  // namespace korva
