#include "formulario/non_notified_debts/FrmNoNotificada.h"

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/Ventanas.h"
#include "formulario/core/modGen02.h"
#include "formulario/core/mod_Combo.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFechaVacia = "__/__/____";

// The working debts' columns of an added debt that the window reads from the
// request form's grid of other debts: an added debt keeps its debt type in
// cod_for_dj, and a self-assessed one its payment type in num_ord_dj and its
// week in num_cuo.
constexpr const char* kColPeriodo = "per_doc";
constexpr const char* kColNumDoc = "num_doc";
constexpr const char* kColTributo = "cod_tri";
constexpr const char* kColFormulario = "cod_for";
constexpr const char* kColTipoDoc = "cod_tip_doc";
constexpr const char* kColConforme = "ind_conf";
constexpr const char* kColTributoAsociado = "cod_tri_aso";
constexpr const char* kColTipoDeuda = "cod_for_dj";
constexpr const char* kColTipoPago = "num_ord_dj";
constexpr const char* kColDeudaDJ = "ind_deuda_dj";
constexpr const char* kColCuota = "num_cuo";

// The stored value of a column of grid nGrilla's current row as text, "" for Null.
std::string Valor(int nGrilla, const char* sColumna) {
  return (SolicitudAbierta().Valor(nGrilla, sColumna) & vb::Variant("")).ToString();
}

// The first item whose leading code digit equals `sCodigo` as a number is
// selected, which runs the list's Click.
void EligePorCodigo(forms::ComboBox& lista, const std::string& sCodigo) {
  for (int i = 0; i < lista.ListCount(); ++i) {
    if (vb::Val(vb::Trim(vb::Left(lista.List(i), 1))) == vb::Val(sCodigo)) {
      lista.SetListIndex(i);
      return;
    }
  }
}

void Deshabilita(forms::Control& control) {
  control.SetEnabled(false);
  control.SetBackColor(FrmNoNotificada::kGris);
}

}  // namespace

FrmNoNotificada::FrmNoNotificada() : forms::Form("FrmNoNotificada") {
  DisenaVentana();
  DisenaTipoYTributo();
  DisenaValor();
  DisenaDeclaracion();
  DisenaMontos();
  DisenaBotones();
  ConectaEventos();
  ConectaCascada();
  ConectaFiltros();
}

void FrmNoNotificada::ConectaEventos() {
  Load = [this] { Form_Load(); };
  cmdOpcion.Handle(&forms::Control::Click, [this](int Index) { cmdOpcion_Click(Index); });
  cboDocumento.Click = [this] { cboDocumento_Click(); };
  cboDocumento.KeyPress = [this](int& KeyAscii) { cboDocumento_KeyPress(KeyAscii); };
  CboTributoAsociado.Click = [this] { CboTributoAsociado_Click(); };
}

SolicitudAbierta FrmNoNotificada::Solicitud() { return {}; }

bool FrmNoNotificada::ModoNuevo() { return Solicitud().Modo() == Operacion::Nueva; }

void FrmNoNotificada::Form_Load() {
  SolicitudAbierta solicitud = Solicitud();
  msRuc = solicitud.Ruc();
  miIndexGrid = solicitud.Pestana();
  Deshabilita_campos();
  bool bEdita = solicitud.Modo() == Operacion::Edicion;
  CargaTributo(cboTributo, bEdita ? Valor(miIndexGrid, kColTributo) : "", "");
  AjustaAnchoCombo(*this, cboTributo, 55);
  CboTributoAsociado.Clear();
  CargaTributo(CboTributoAsociado, bEdita ? Valor(miIndexGrid, kColTributoAsociado) : "", "");
  AjustaAnchoCombo(*this, CboTributoAsociado, 55);
  AjustaAnchoCombo(*this, cboTipoDeuda, 75);
  std::string sModo;
  if (solicitud.Modo() == Operacion::Nueva) {
    sModo = " - (Nuevo)";
  } else if (bEdita) {
    sModo = " - (Modificación)";
    CargaCampos(1, miIndexGrid);
  }
  Frame1.SetCaption(vb::Mid(solicitud.TituloPestana(miIndexGrid), 2, 40));
  SetCaption(Frame1.Caption() + sModo);
}

void FrmNoNotificada::Deshabilita_campos() {
  mkePeriodo.SetText("__/____");
  cboTributo.SetListIndex(-1);
  OptRespValor(1).SetEnabled(false);
  OptRespValor(0).SetEnabled(false);
  cboDocumento.SetBackColor(kGris);
  cboDocumento.SetEnabled(false);
  cboDocumento.SetListIndex(-1);
  for (forms::TextBox* caja : {&txtNumDocumento, &txtcodform, &txtNumOrd}) {
    Deshabilita(*caja);
    caja->SetText("");
  }
  Deshabilita(CboTributoAsociado);
  CboTributoAsociado.SetListIndex(-1);
  for (forms::TextBox* caja : {&TxtTributoAsociado, &txtDocumento}) {
    caja->SetBackColor(kGris);
    caja->SetText("");
  }
  for (forms::ControlArray<forms::OptionButton>* par : {&OptRespValor, &OptRespDDJJ}) {
    (*par)(1).SetValue(false);
    (*par)(0).SetValue(false);
  }
  OptRespDDJJ(1).SetEnabled(false);
  OptRespDDJJ(0).SetEnabled(false);
  for (forms::TextBox* caja :
       {&txtmtoTributo, &TxtMtoInteresesCAP, &TxtMtoIntereses, &lblMtoAcogido})
    caja->SetText("");
  cboSemana.SetListIndex(-1);
  cboTipoPago.SetListIndex(-1);
  cboTipoDeuda.SetListIndex(-1);
  Deshabilita(cboSemana);
  Deshabilita(cboTipoPago);
}

void FrmNoNotificada::CargaCampos(int nModo, int nIndexGrid) {
  for (int i = 0; i < 3; ++i) forms::DoEvents();
  bool bBloquea = nModo == 1;
  SolicitudAbierta solicitud = Solicitud();
  mkePeriodo.SetText(solicitud.Texto(nIndexGrid, kColPeriodo));
  if (bBloquea) Deshabilita(mkePeriodo);
  CargaTributo(cboTributo, Valor(nIndexGrid, kColTributo), "");
  AjustaAnchoCombo(*this, cboTributo, 49);
  CargaTipoYDocumento(nIndexGrid);
  CargaDeclaracionJurada(nIndexGrid);
  if (Valor(nIndexGrid, kColTipoDeuda) == "3" && vb::Val(Valor(nIndexGrid, kColDeudaDJ)) == 0 &&
      vb::Left(cboTributo.Text(), 1) == "6") {
    CargaTributo(CboTributoAsociado, Valor(nIndexGrid, kColTributoAsociado), "");
    AjustaAnchoCombo(*this, CboTributoAsociado, 49);
  }
  if (bBloquea) BloqueaCampos();
  // The grid shows the tax in whole soles; its box takes the stored amount with
  // its cents, so that accepting an edit that changed nothing keeps them.
  txtmtoTributo.SetText(Valor(nIndexGrid, "mto_tributo_c"));
  TxtMtoInteresesCAP.SetText(solicitud.Texto(nIndexGrid, "mto_int_cap_c"));
  TxtMtoIntereses.SetText(solicitud.Texto(nIndexGrid, "mto_int_c"));
  lblMtoAcogido.SetText(solicitud.Texto(nIndexGrid, "mto_act_c"));
}

// The debt type from its digit, and for a valor or an infraction its document.
void FrmNoNotificada::CargaTipoYDocumento(int nGrilla) {
  std::string sTipo = Valor(nGrilla, kColTipoDeuda);
  EligePorCodigo(cboTipoDeuda, sTipo);
  if (sTipo != "1" && sTipo != "3") return;
  CargaValoresNEW(cboDocumento, Valor(nGrilla, kColTipoDoc));
  AjustaAnchoCombo(*this, cboDocumento, 46);
  txtNumDocumento.SetText(Valor(nGrilla, kColNumDoc));
}

// A self-assessed debt with a sworn declaration shows its form, order number,
// week and payment type; "0" in the row is an empty box, except that FONCOMUN's
// form "0000" shows order number "0".
void FrmNoNotificada::CargaDeclaracionJurada(int nGrilla) {
  double nDeudaDJ = vb::Val(Valor(nGrilla, kColDeudaDJ));
  if (nDeudaDJ == 1 && Valor(nGrilla, kColTipoDeuda) == "2") {
    OptRespDDJJ(1).SetValue(true);
    if ((gnSemana == 8 || gnSemana == 1) && vb::Val(Valor(nGrilla, kColConforme)) == 0)
      OptRespDDJJ(0).SetValue(true);
    std::string sFormulario = Valor(nGrilla, kColFormulario);
    std::string sOrden = Valor(nGrilla, kColNumDoc);
    txtcodform.SetText(sFormulario == "0" ? "" : sFormulario);
    txtNumOrd.SetText(sOrden == "0" ? "" : sOrden);
    if (vb::Trim(txtcodform.Text()) == "0000" && vb::Trim(txtNumOrd.Text()).empty() &&
        gnSemana == 8)
      txtNumOrd.SetText("0");
    EligePorCodigo(cboSemana, Valor(nGrilla, kColCuota));
    EligePorCodigo(cboTipoPago, Valor(nGrilla, kColTipoPago));
  } else if (nDeudaDJ == 0) {
    OptRespDDJJ(0).SetValue(true);
  }
}

// An edited debt keeps its key: only the amounts stay open.
void FrmNoNotificada::BloqueaCampos() {
  for (forms::Control* control :
       std::initializer_list<forms::Control*>{&cboTributo, &cboTipoDeuda, &txtTipoDeuda,
                                              &txtNumDocumento, &cboDocumento, &txtDocumento})
    Deshabilita(*control);
  OptRespDDJJ(1).SetEnabled(false);
  OptRespDDJJ(0).SetEnabled(false);
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           &txtcodform, &txtNumOrd, &cboSemana, &cboTipoPago, &CboTributoAsociado, &txtTributo})
    Deshabilita(*control);
}

std::string FrmNoNotificada::Retorna_Columna(const std::string& sColumna) {
  std::string sCampo = vb::UCase(sColumna);
  std::string sResultado;
  SolicitudAbierta solicitud = Solicitud();
  for (int nGrilla : {1, 2, 5}) {
    solicitud.IrAPrimeraFila(nGrilla);
    if (sCampo == "FEC_DES_DEU") {
      vb::Variant fecha = solicitud.Valor(nGrilla, "fec_des_deu");
      std::string sFecha = (fecha & vb::Variant("")).ToString();
      if (sFecha == kFechaVacia || sFecha.empty()) continue;
      sResultado = vb::CStr(vb::CDate(fecha));
      if (nGrilla != 2) break;
    } else if (sCampo == "NUM_PRO") {
      std::string sNumero = Valor(nGrilla, "num_pro");
      if (!sNumero.empty()) return sNumero;
    }
  }
  return sResultado;
}

void FrmNoNotificada::cmdOpcion_Click(int Index) {
  try {
    if (!VerificaConfiguracionRegional()) {
      forms::Screen.SetMousePointer(forms::vbDefault);
      return;
    }
    txtcodform.SetText(vb::Format(vb::Variant(txtcodform.Text()), "0###"));
    if (ModoNuevo() && TipoDeuda() == "2" && OptRespDDJJ(1).Value() &&
        !vb::Trim(txtNumOrd.Text()).empty())
      txtNumOrd.SetText(vb::NumberText(vb::Val(txtNumOrd.Text())));
    if (Index == 0) {
      if (!Valida_Datos()) return;
      {
        forms::Hourglass reloj;
        gbGrabado = true;
        GrabaDatos();
      }
      mbModificado = false;
      if (Solicitud().Modo() == Operacion::Edicion) forms::Unload(*this);
    } else if (Index == 1) {
      forms::Unload(*this);
    }
  } catch (const vb::Error& error) {
    TerminaPorError("cmdOpcion_Click", error);
  }
}

void FrmNoNotificada::cboDocumento_Click() {
  txtDocumento.SetText(vb::Trim(vb::Mid(cboDocumento.Text(), 7, 60)));
}

void FrmNoNotificada::cboDocumento_KeyPress(int& KeyAscii) {
  if (KeyAscii == forms::vbKeyReturn) EnviaTab("TAB");
}

void FrmNoNotificada::CboTributoAsociado_Click() {
  TxtTributoAsociado.SetText(vb::Trim(vb::Mid(CboTributoAsociado.Text(), 7, 46)));
}

std::string FrmNoNotificada::Elegido(const forms::ComboBox& lista) {
  return lista.ListIndex() == -1 ? "" : lista.List(lista.ListIndex());
}

}  // namespace korva
