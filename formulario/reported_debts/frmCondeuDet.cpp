// The reported-debt window: loading a grid row with its stored answer, the
// inclusion option, the motives and the commands.
#include "formulario/reported_debts/frmCondeuDet.h"

#include <algorithm>
#include <array>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/Ventanas.h"
#include "formulario/core/modGen02.h"
#include "formulario/reported_debts/DialogoSustento.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/dao/dao.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormatoReportado = "###,###,###,###,##0.00";
constexpr const char* kFormatoAcogido = "##,###,###,###,##0";
constexpr int kUltimoMotivoReiniciado = 6;

// The instalment codes of the earlier regimes, whose document type says which
// part of the instalment debt is reported.
constexpr std::array<const char*, 12> kTributosFraccionamiento = {
    "8026", "8027", "8028", "5229", "5232", "5233", "5328", "5329", "5330", "5056", "5057", "5058"};

std::string Texto(const vb::Variant& valor) { return (valor & vb::Variant("")).ToString(); }

std::string CeroSiVacio(const std::string& sTexto) { return sTexto.empty() ? "0" : sTexto; }

// A reported amount as a number; an empty text reads 0.
double Importe(const std::string& sMonto) {
  return vb::Trim(sMonto).empty() ? 0 : vb::CDbl(vb::Variant(sMonto));
}

std::string TextoEstado(const std::string& sEstado) {
  if (sEstado == "00") return vb::UCase("Deuda válida");
  if (sEstado == "07") return vb::UCase("Valor se encuentra en proceso contencioso");
  if (sEstado == "08") return vb::UCase("Valor tiene costas pendientes");
  return vb::UCase("Otras deudas");
}

// The part of an earlier regime's instalment debt that the return's order
// number names.
std::string SufijoFraccionamiento(const std::string& sNumOrdDj) {
  if (sNumOrdDj == "1" || sNumOrdDj == "2") return " - CUOTA";
  if (sNumOrdDj == "3") return " - SALDO";
  if (sNumOrdDj == "4") return " - MAYOR DEUDA";
  return "";
}

bool EsperaRespuesta(const std::string& sEstado) {
  return sEstado == "00" || sEstado == "07" || sEstado == "08";
}

// One payment of the supporting lists: the form in characters 1 to 4, the order
// number right-aligned in 9 to 17 and the payment date in 26 to 35.
std::string LineaPago(const std::string& sFormulario, const std::string& sOrden,
                      const std::string& sFecha) {
  return sFormulario + vb::Space(4) + gUtil.RellenaIzquierda(sOrden, 9, " ") + vb::Space(8) + sFecha;
}

std::string OrdenGuardado(const std::string& sOrden) { return sOrden == "0" ? "" : sOrden; }

}  // namespace

void frmCondeuDet::ConectaEventos() {
  Load = [this] { Form_Load(); };
  optAcogeFrac.Handle(&forms::Control::Click, [this](int Index) { optAcogeFrac_Click(Index); });
  optConformeMto.Handle(&forms::Control::Click, [this](int Index) { optConformeMto_Click(Index); });
  chkmotivo.Handle(&forms::Control::Click, [this](int Index) { chkmotivo_Click(Index); });
  cmdMotivo.Handle(&forms::Control::Click, [this](int Index) { cmdMotivo_Click(Index); });
  cmdOpcion.Handle(&forms::Control::Click, [this](int Index) { cmdOpcion_Click(Index); });
  ConectaMontos();
}

// The caption is the request form's tab without its access key's "&"; the help
// topic is the tab's. The captions "Valores" and "Deudas autoliquidadas" have
// no "&" in front, so they are taken whole rather than losing their first letter.
void frmCondeuDet::Form_Load() {
  SolicitudAbierta solicitud;
  std::string sPestana = solicitud.TituloPestana(solicitud.Pestana());
  if (vb::Left(sPestana, 1) == "&") sPestana = vb::Mid(sPestana, 2);
  SetCaption(vb::Left(sPestana, 40));
  CargaValorDj();
  SetHelpContextID(solicitud.AyudaPestana());
}

void frmCondeuDet::CargaValorDj() {
  Reinicia();
  msNumDoc = SolicitudAbierta().Ruc();
  LeeFila();
  msCodForm2 = msNumOrden2 = msNumRes = msTipImpug = msNumExp = msCodForm5 = msNumOrden5 =
      msDesOtro = "";
  MuestraIdentificacion();
  MuestraMontosReportados();
  MuestraRespuesta(true);
  CargaMotivos();
  if (!EsperaRespuesta(deuda_.ind_ver_deu))
    for (forms::OptionButton* opcion : optAcogeFrac.Elements()) opcion->SetEnabled(false);
  bModificado = false;
}

// Every load starts from a clean window, since the storage loads the next row
// into the same one. The inclusion options are enabled again here: a row whose
// state takes no answer disables them, and the next row must not inherit that.
void frmCondeuDet::Reinicia() {
  for (int i = 0; i <= 1; ++i) {
    optAcogeFrac(i).SetValue(false);
    optAcogeFrac(i).SetEnabled(true);
    optConformeMto(i).SetValue(false);
    optConformeMto(i).SetEnabled(false);
  }
  for (int i = 1; i <= kUltimoMotivoReiniciado; ++i) {
    chkmotivo(i).SetValue(forms::vbUnchecked);
    chkmotivo(i).SetTag("0");
    chkmotivo(i).SetEnabled(false);
  }
  for (forms::TextBox* caja : {&txtmtoTributo, &lblMtoInteresCAP, &lblMtoInteres}) {
    caja->SetText("");
    caja->SetEnabled(false);
    caja->SetBackColor(kColorBloqueado);
    caja->SetForeColor(forms::vbBlack);
  }
  lblMtoAcogido.SetText("");
  lblMtoAcogido.SetLocked(true);
  lblMtoAcogido.SetForeColor(forms::vbBlack);
  lstForm.Clear();
  lstForm2.Clear();
  miTipDoc = 6;
}

void frmCondeuDet::LeeFila() {
  SolicitudAbierta solicitud;
  auto celda = [&solicitud](const char* sColumna) {
    return Texto(solicitud.Valor(giIndexGrid, sColumna));
  };
  Deuda& d = deuda_;
  d.per_doc = celda("per_doc");
  d.cod_tri = celda("cod_tri");
  d.ind_tip_deu = celda("ind_tip_deu");
  d.cod_for = celda("cod_for");
  d.des_tributo = vb::Trim(vb::Mid(celda("des_tributo"), 6, 100));
  d.num_Doc = celda("num_Doc");
  d.cod_Tip_doc = celda("cod_Tip_doc");
  gsCodTipDoc = d.cod_Tip_doc;
  d.num_ord_dj = celda("num_ord_dj");
  d.Des_valor = celda("Des_valor");
  d.cod_Tri_aso = celda("cod_Tri_aso");
  d.ind_ver_deu = celda("ind_ver_deu");
  d.fec_des_deu = celda("fec_des_deu");
  d.mto_tributo_s = celda("mto_tributo_s");
  d.mto_int_cap_s = celda("mto_int_cap_s");
  d.mto_int_s = celda("mto_int_s");
  d.mto_act_s = celda("mto_act_s");
  d.ind_acog = celda("ind_acog");
  d.ind_conf = celda("ind_conf");
  d.mto_tributo_c = celda("mto_tributo_c");
  d.mto_int_cap_c = CeroSiVacio(celda("mto_int_cap_c"));
  d.mto_int_c = CeroSiVacio(celda("mto_int_c"));
  d.mto_act_c = CeroSiVacio(celda("mto_act_c"));
  d.num_cuo = vb::CInt(vb::Variant(CeroSiVacio(celda("num_cuo"))));
}

void frmCondeuDet::MuestraIdentificacion() {
  const Deuda& d = deuda_;
  lblPeriodo.SetText(vb::Right(d.per_doc, 2) + "/" + vb::Left(d.per_doc, 4));
  if (d.ind_tip_deu == "02") {
    lblNumvalor.SetText(vb::Format(vb::Variant(d.cod_for), "0###") + "-" + d.num_Doc);
    Label3.SetCaption("Nº de formulario - Nº de orden");
  } else {
    lblNumvalor.SetText(d.num_Doc);
  }
  if (d.ind_tip_deu == "03") {
    Label3.SetCaption("Nº de infracción");
    Posiciona_Etiqueta();
  } else if (d.ind_tip_deu == "02") {
    Posiciona_Etiqueta();
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&Label4, &lblCod_tip_doc, &lblDes_tip_doc})
      control->SetVisible(false);
  }
  lblCodtributo.SetText(ConvierteCodTributo(d.cod_tri, 0));
  LblDestributo.SetText(d.des_tributo);
  lblCod_tip_doc.SetText(d.cod_Tip_doc);
  lblDes_tip_doc.SetText(d.Des_valor);
  lblNum_ord_dj.SetText(d.num_ord_dj);
  const auto& codigos = kTributosFraccionamiento;
  if (std::find(codigos.begin(), codigos.end(), vb::Left(lblCodtributo.Text(), 4)) != codigos.end())
    lblDes_tip_doc.SetText(d.Des_valor + SufijoFraccionamiento(lblNum_ord_dj.Text()));
  lblCod_Tri_aso.SetText(ConvierteCodTributo(d.cod_Tri_aso, 0));
  lblDesetapa.SetText(vb::Trim(LeeParametro("725", std::string(d.cod_Tri_aso), 60, 1)));
  lblIndEstado.SetText(d.ind_ver_deu);
  lblDesEstado.SetText(TextoEstado(d.ind_ver_deu));
  lblFechaAct.SetText(d.fec_des_deu);
}

void frmCondeuDet::MuestraMontosReportados() {
  const Deuda& d = deuda_;
  lblmtotribinsol1.SetCaption(vb::Format(vb::Variant(d.mto_tributo_s), kFormatoReportado));
  lblmtointcapital.SetCaption(vb::Format(vb::Variant(d.mto_int_cap_s), kFormatoReportado));
  lblmtointnocapital.SetCaption(vb::Format(vb::Variant(d.mto_int_s), kFormatoReportado));
  double dTotal = Importe(d.mto_tributo_s) + Importe(d.mto_int_cap_s) + Importe(d.mto_int_s);
  lblmtotot1.SetCaption(vb::Format(vb::Variant(dTotal), kFormatoReportado));
}

// The stored answer: its options, each running its handler, then (with the
// amounts, on the first pass) the accepted amounts of a disagreement.
void frmCondeuDet::MuestraRespuesta(bool bConMontos) {
  const Deuda& d = deuda_;
  if (d.ind_acog.empty() || d.ind_acog == "0") optAcogeFrac_Click(0);
  if (d.ind_acog == "1") optAcogeFrac(0).SetValue(true);
  if (d.ind_acog == "2") optAcogeFrac(1).SetValue(true);
  if (d.ind_conf == "1") optConformeMto(0).SetValue(true);
  if (d.ind_conf == "2") optConformeMto(1).SetValue(true);
  if (!bConMontos) return;
  if (d.ind_conf == "2") {
    bool bMuestra = (!d.mto_tributo_c.empty() && d.mto_tributo_c != "0") || d.ind_acog == "1";
    auto acogido = [bMuestra](const std::string& sMonto) {
      return bMuestra ? vb::Format(vb::Variant(sMonto), kFormatoAcogido) : std::string();
    };
    txtmtoTributo.SetText(acogido(d.mto_tributo_c));
    lblMtoInteresCAP.SetText(acogido(d.mto_int_cap_c));
    lblMtoInteres.SetText(acogido(d.mto_int_c));
    lblMtoAcogido.SetText(acogido(d.mto_act_c));
  }
  txtmtoTributo.SetLocked(false);
}

// The stored motives with their supporting data; a motive without a supporting
// row is not found. The debt's own values reach the statement as quoted
// literals, so that a document number holding an apostrophe is found too.
void frmCondeuDet::CargaMotivos() {
  const Deuda& d = deuda_;
  gsSQL = "SELECT a.cod_motivo, b.cod_formulario, b.num_orden, b.num_res, b.tip_impug, b.num_exp, "
          "b.des_otros, b.Fec_pago ";
  gsSQL += "FROM TMP_F0942MOTIVO a, TMP_F0942SUSTEN b ";
  gsSQL += "WHERE a.doc_id_d = b.doc_id_d ";
  gsSQL += "AND a.semana = b.semana ";
  gsSQL += "AND a.ind_tip_deu = b.ind_tip_deu ";
  gsSQL += "AND a.per_doc = b.per_doc ";
  gsSQL += "AND a.cod_tri = b.cod_tri ";
  gsSQL += "AND a.num_doc = b.num_doc ";
  gsSQL += "AND a.cod_for = b.cod_for ";
  gsSQL += "AND a.cod_motivo = b.cod_motivo ";
  gsSQL += "AND a.doc_id_d = " + vb::SqlText(msNumDoc) + " ";
  gsSQL += "AND a.semana = " + std::to_string(gnSemana) +
           " AND a.ind_tip_deu = " + vb::SqlText(d.ind_tip_deu) + " ";
  gsSQL += "AND a.per_doc = " + vb::SqlText(d.per_doc) + " ";
  gsSQL += "AND a.cod_tri = " + vb::SqlText(d.cod_tri) + " ";
  gsSQL += "AND a.num_doc = " + vb::SqlText(d.num_Doc) + " ";
  gsSQL += "AND a.cod_for = " + vb::SqlText(d.cod_for) + " ";
  gsSQL += "ORDER BY 1 ;";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly);
  if (rs->Eof()) {
    MuestraRespuesta(false);
  } else {
    for (; !rs->Eof(); rs->MoveNext()) {
      int nMotivo = vb::CInt((*rs)("cod_motivo").Value());
      if (!chkmotivo.Exists(nMotivo)) continue;
      chkmotivo(nMotivo).SetValue(forms::vbChecked);
      chkmotivo(nMotivo).SetTag("1");
      CargaSustento(nMotivo, *rs);
    }
  }
  rs->Close();
}

void frmCondeuDet::CargaSustento(int nMotivo, dao::Recordset& rs) {
  auto campo = [&rs](const char* sCampo) { return Texto(rs(sCampo).Value()); };
  switch (nMotivo) {
    case 1: lstForm.AddItem(LineaPago(campo("cod_formulario"), campo("num_orden"), campo("Fec_pago"))); break;
    case 2:
      msCodForm2 = campo("cod_formulario");
      msNumOrden2 = OrdenGuardado(campo("num_orden"));
      break;
    case 3: msNumExp = campo("num_exp"); break;
    case 4: msNumRes = campo("num_res"); break;
    case 5:
      msCodForm5 = campo("cod_formulario");
      msNumOrden5 = OrdenGuardado(campo("num_orden"));
      break;
    case 6: lstForm2.AddItem(LineaPago(campo("cod_formulario"), campo("num_orden"), campo("Fec_pago"))); break;
    case 7: msDesOtro = campo("des_otros"); break;
    default: break;
  }
}

// The agreement options follow the inclusion: a document type from "4" to "7"
// takes no agreement answer, any other is answered only for an included debt.
void frmCondeuDet::optAcogeFrac_Click(int /*Index*/) {
  txtmtoTributo.SetBackColor(kColorBloqueado);
  bool bSinConformidad = gsCodTipDoc >= std::string("4") && gsCodTipDoc <= std::string("7");
  for (forms::OptionButton* opcion : optConformeMto.Elements()) {
    opcion->SetEnabled(!bSinConformidad && optAcogeFrac(0).Value());
    opcion->SetValue(false);
  }
  optConformeMto_Click(1);
  bModificado = true;
}

void frmCondeuDet::chkmotivo_Click(int Index) {
  bool bMarcado = chkmotivo(Index).Value() == forms::vbChecked;
  if (cmdMotivo.Exists(Index)) cmdMotivo(Index).SetEnabled(bMarcado);
  if (!bMarcado) chkmotivo(Index).SetTag("0");
  bModificado = true;
}

// The dialog hands its data back through the window's lists, properties and
// the motive's tag; a motive left without supporting data is unticked.
void frmCondeuDet::cmdMotivo_Click(int Index) {
  gnMotivo = static_cast<std::uint8_t>(Index);
  MuestraDialogoSustento();
  if (chkmotivo(Index).Tag() == "0") {
    chkmotivo(Index).SetValue(forms::vbUnchecked);
    Enfoca(chkmotivo(Index));
  }
  bModificado = true;
}

void frmCondeuDet::cmdOpcion_Click(int Index) {
  if (!VerificaConfiguracionRegional()) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    return;
  }
  gbOfreceSiguiente = true;
  if (Index == 0) {
    gbGrabado = true;
    GrabaConciliacion();
  } else if (Index == 1) {
    Cierra();
  }
}

// No question about unsaved changes: a changed window is only unloaded, an
// unchanged one also let go, so that the next opening builds it afresh.
void frmCondeuDet::Cierra() {
  if (bModificado) {
    gbOfreceSiguiente = false;
    forms::Unload(*this);
  } else if (forms::LoadedInstance<frmCondeuDet>() == this) {
    forms::Release<frmCondeuDet>();
  } else {
    forms::Unload(*this);
  }
}

void frmCondeuDet::Enfoca(forms::Control& control) {
  if (control.IsShown() && control.IsEnabledInContext() && control.Parent().Visible())
    control.SetFocus();
}

void frmCondeuDet::EliminaPAGOS() {}

// The rows move up for a sworn return ("02", which has no document type) and
// the associated tax takes the document type's place for an infraction ("03").
// Label2 and Label3 stay where they are.
void frmCondeuDet::Posiciona_Etiqueta() {
  struct Fila {
    std::initializer_list<forms::Control*> controles;
    int nArribaDj;
    int nArribaInfraccion;
  };
  const Fila filas[] = {
      {{&lblPeriodo, &lblNumvalor}, 460, 480},
      {{&label9}, 1070, 900},
      {{&lblCodtributo, &LblDestributo}, 1290, 1140},
      {{&Label5}, 1950, 2280},
      {{&lblIndEstado, &lblDesEstado}, 2180, 2520},
      {{&lblTitFecha}, 2780, 2940},
      {{&lblFechaAct, &lblDesFecha}, 3000, 3180},
  };
  bool bDj = deuda_.ind_tip_deu == "02";
  if (!bDj && deuda_.ind_tip_deu != "03") return;
  for (const Fila& fila : filas)
    for (forms::Control* control : fila.controles)
      control->SetTop(bDj ? fila.nArribaDj : fila.nArribaInfraccion);
  for (forms::Control* control :
       std::initializer_list<forms::Control*>{&Label6, &lblCod_Tri_aso, &lblDesetapa})
    control->SetVisible(!bDj);
  if (bDj) return;
  Label6.SetTop(1560);
  lblCod_Tri_aso.SetTop(1800);
  lblDesetapa.SetTop(1800);
}

std::string frmCondeuDet::ptipdoc() const { return std::to_string(miTipDoc); }
std::string frmCondeuDet::pnumdoc() const { return msNumDoc; }

std::string frmCondeuDet::pcodform() const {
  if (gnMotivo == 2) return msCodForm2;
  if (gnMotivo == 5 || gnMotivo == 6) return msCodForm5;
  return "";
}

void frmCondeuDet::Setpcodform(const std::string& sValor) {
  if (gnMotivo == 2) msCodForm2 = sValor;
  if (gnMotivo == 5 || gnMotivo == 6) msCodForm5 = sValor;
}

std::string frmCondeuDet::pnumorden() const {
  if (gnMotivo == 2) return msNumOrden2;
  if (gnMotivo == 5 || gnMotivo == 6) return msNumOrden5;
  return "";
}

void frmCondeuDet::Setpnumorden(const std::string& sValor) {
  std::string sOrden = sValor.empty() ? "0" : sValor;
  if (gnMotivo == 2) msNumOrden2 = sOrden;
  if (gnMotivo == 5 || gnMotivo == 6) msNumOrden5 = sOrden;
}

std::string frmCondeuDet::pnumres() const { return msNumRes; }
void frmCondeuDet::Setpnumres(const std::string& sValor) { msNumRes = sValor; }
std::string frmCondeuDet::ptipimpug() const { return msTipImpug; }
void frmCondeuDet::Setptipimpug(const std::string& sValor) { msTipImpug = sValor; }
std::string frmCondeuDet::pnumexp() const { return msNumExp; }
void frmCondeuDet::Setpnumexp(const std::string& sValor) { msNumExp = sValor; }
std::string frmCondeuDet::pdesotro() const { return msDesOtro; }
void frmCondeuDet::Setpdesotro(const std::string& sValor) { msDesOtro = sValor; }

}  // namespace korva
