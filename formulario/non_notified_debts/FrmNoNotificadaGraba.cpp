// The storing of a checked entry as a row of category "04" of the working
// debts, or of the new accepted amounts of the row being edited. An earlier
// regime's instalment already among the reported debts is refused first. The
// row reaches the stored debts when the request form stores the declaration.
#include <cstdlib>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "formulario/non_notified_debts/ReglasValidacion.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormatoMonto = "#########0.00";

// A text the grids could not give is no value: the column is left Null.
vb::Variant ValorONulo(const std::string& sTexto) {
  return sTexto.empty() ? vb::Variant(vb::Null) : vb::Variant(sTexto);
}

}  // namespace

void FrmNoNotificada::GrabaDatos() {
  std::string P = mkePeriodo.Text();
  std::string sPeriodo = vb::Right(P, 4) + vb::Left(P, 2);
  std::string sTributo = vb::Left(cboTributo.Text(), 4);
  bool bNuevo = Solicitud().Modo() == Operacion::Nueva;
  dao::RecordsetPtr rs;
  try {
    if (!RegimenDeCuota(sTributo).empty() &&
        RechazaCuotaRegistrada(sPeriodo, ConvierteCodTributo(sTributo, 1)))
      return;
    if (!GrabaFila(rs, sPeriodo, sTributo, bNuevo)) return;
    forms::MsgBox(
        std::string("La información se ") + (bNuevo ? "grabó" : "modificó") + " con éxito",
        forms::vbInformation, Caption());
    mbModificado = false;
    if (Solicitud().Modo() != Operacion::Edicion) RefrescaSolicitud();
  } catch (const vb::Error& error) {
    if (error.Number() != dao::kErrDuplicateKey) {
      ManejaError("GrabaDatos", error);
      vb::End(EXIT_FAILURE);
    }
    forms::MsgBox("La información que quiere actualizar ya se encuentra registrada.",
                  forms::vbExclamation, Caption());
    if (rs && rs->EditMode() != dao::dbEditNone) rs->CancelUpdate();
    Enfoca(&mkePeriodo);
  }
}

// The row in one transaction, which takes the write lock when it begins and
// stores nothing when the working tables no longer hold the declaration; a
// new row counts among the declaration's working debts once stored.
bool FrmNoNotificada::GrabaFila(dao::RecordsetPtr& rs, const std::string& sPeriodo,
                                const std::string& sTributo, bool bNuevo) {
  dao::Transaction transaccion(*gDB);
  if (!Solicitud().VerificaTemporales(transaccion, Caption())) return false;
  gsSQL = BuscaFila(sPeriodo, sTributo);
  rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  if (bNuevo) {
    rs->AddNew();
    LlenaFilaNueva(*rs, sPeriodo, sTributo);
  } else {
    rs->Edit();
  }
  LlenaMontos(*rs);
  (*rs)("cnumero") = GeneraCNumero(*rs, bNuevo ? 9 : 10);
  rs->Update();
  rs->Close();
  transaccion.Commit();
  if (bNuevo) Solicitud().CuentaDeudaAgregada();
  return true;
}

// An instalment of an earlier regime may not be added when the administration
// reported it, or reported any debt of that tax with an order of payment for
// its balance ("3").
bool FrmNoNotificada::RechazaCuotaRegistrada(const std::string& sPeriodo,
                                             const std::string& sCodigo) {
  std::string sReportadas = std::string("SELECT 'x' FROM TMP_F0942DEUDAS ") +
                            "WHERE doc_id_d = " + vb::SqlText(msRuc) + " " +
                            "AND semana = " + std::to_string(gnSemana) + " " +
                            "AND Ind_tip_deu in ( '01', '02', '03' ) ";
  std::string sTributo = "AND cod_tri = " + vb::SqlText(sCodigo) + " ";
  auto hay = [](const std::string& sSQL) {
    gsSQL = sSQL;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    bool bHay = !rs->Eof();
    rs->Close();
    return bHay;
  };
  if (hay(sReportadas + "AND per_doc = " + vb::SqlText(sPeriodo) + " " + sTributo)) {
    forms::MsgBox("La OP que esta ingresando ya se encuentra registrada en valores.",
                  forms::vbExclamation, Caption());
    return true;
  }
  if (hay(sReportadas + sTributo + "AND Num_ord_dj = '3'")) {
    forms::MsgBox("Tiene Op saldo emitida, no es posible acoger cuotas.", forms::vbExclamation,
                  Caption());
    return true;
  }
  return false;
}

// The added debt of this period and tax with the document the entry names: the
// row an edit rewrites. A new row is added to the same row set.
std::string FrmNoNotificada::BuscaFila(const std::string& sPeriodo, const std::string& sTributo) {
  return std::string("SELECT * FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = " + vb::SqlText(msRuc) +
         " " + "AND Semana = " + std::to_string(gnSemana) + " " + "AND Ind_tip_deu = '04' " +
         "AND per_doc = " + vb::SqlText(sPeriodo) + " " +
         "AND cod_tri = " + vb::SqlText(ConvierteCodTributo(sTributo, 1)) + " " +
         ClausulasDeDocumento(vb::Left(vb::Trim(cboTipoDeuda.Text()), 1), sTributo);
}

std::string FrmNoNotificada::ClausulasDeDocumento(const std::string& sTipo,
                                                  const std::string& sTributo) {
  std::string N = txtNumDocumento.Text();
  std::string sTipoDoc = vb::Left(Elegido(cboDocumento), 6);
  if (sTipo == "1")
    return "AND num_doc = trim(" + vb::SqlText(N) + ") " + "AND cod_for = '0' " +
           "AND cod_tip_doc = " + vb::SqlText(sTipoDoc) + " ";
  if (sTipo == "2") {
    bool bFormularioCero = (gnSemana == 1 || gnSemana == 8) &&
                           vb::Trim(txtcodform.Text()) == "0000" &&
                           vb::Trim(txtNumOrd.Text()).empty();
    bool bCuotaSinDeclaracion =
        gnSemana != 1 && gnSemana != 8 && AdmiteSinDeclaracion(gnSemana, sTributo);
    return (bFormularioCero || bCuotaSinDeclaracion
                ? std::string("AND num_doc = '0' ")
                : "AND num_doc = " + vb::SqlText(txtNumOrd.Text()) + " ") +
           "AND cod_for = " + vb::SqlText(txtcodform.Text()) + " ";
  }
  if (sTipo == "3" && vb::Left(sTributo, 1) == "6")
    return (vb::Trim(N).empty() ? std::string("AND num_doc = '0' ")
                                : "AND num_doc = trim(" + vb::SqlText(N) + ") ") +
           "AND cod_for = '0' " +
           (vb::Trim(sTipoDoc).empty() ? std::string("AND cod_tip_doc = '0' ")
                                       : "AND cod_tip_doc = " + vb::SqlText(sTipoDoc) + " ") +
           "AND cod_tri_aso = " + vb::SqlText(CodigoAsociado()) + " ";
  return "";
}

// Every column of a new row but the accepted amounts and the check code, in
// the table's order. The download date and procedure number are those of the
// reported debts; Null when the grids show none.
void FrmNoNotificada::LlenaFilaNueva(dao::Recordset& rs, const std::string& sPeriodo,
                                     const std::string& sTributo) {
  std::string sTipo = vb::Left(vb::Trim(cboTipoDeuda.Text()), 1);
  rs("tip_doc_d") = 6;
  rs("doc_id_d") = msRuc;
  rs("periodo") = gsPeriodo;
  rs("formulario") = "0942";
  rs("semana") = gnSemana;
  rs("Ind_tip_deu") = "04";
  rs("per_doc") = sPeriodo;
  rs("cod_tri") = ConvierteCodTributo(sTributo, 1);
  rs("Num_cuo") = 0;
  LlenaDocumento(rs, sTipo, sTributo);
  rs("Cod_tri_aso") =
      sTipo == "3" && vb::Left(sTributo, 1) == "6" ? CodigoAsociado() : std::string("000000");
  rs("Ind_ver_deu") = "00";
  std::string sDescarga = Retorna_Columna("fec_des_deu");
  rs("Fec_des_deu") = ValorONulo(
      sDescarga.empty() ? "" : vb::Format(vb::Variant(sDescarga), "dd/mm/yyyy hh:mm:ss"));
  rs("Cod_for_dj") = sTipo;
  rs("Fec_ult_cap") = vb::DateSerial(1901, 1, 1);
  rs("Num_pro") = ValorONulo(Retorna_Columna("Num_pro"));
  for (const char* sCampo : {"mto_tributo_s", "mto_int_cap_s", "mto_int_s", "mto_act_s"})
    rs(sCampo) = "0.00";
  rs("ind_acog") = 1;
  bool bSinConformidad =
      (gnSemana == 1 || gnSemana == 8) && sTipo == "2" && SinDeclaracionAdmitida(sTributo);
  rs("ind_conf") = bSinConformidad ? 0 : 1;
  if (sTipo == "1" || sTipo == "2" || sTipo == "3") {
    rs("Ind_valor") = sTipo == "1" ? 1 : 0;
    rs("Ind_deuda_dj") = sTipo == "2" ? 1 : 0;
  }
}

// The document of a valor or infraction, or the sworn declaration's order
// number and form; "0" in a key column that would otherwise be blank, and form
// "0000" for a declaration without form or answered "No".
void FrmNoNotificada::LlenaDocumento(dao::Recordset& rs, const std::string& sTipo,
                                     const std::string& sTributo) {
  std::string sNumero = "0";
  std::string sFormulario = "0";
  std::string sTipoDoc = "0";
  if (sTipo == "1" || sTipo == "3") {
    if (!vb::Trim(txtNumDocumento.Text()).empty()) sNumero = txtNumDocumento.Text();
    std::string sItem = vb::Left(Elegido(cboDocumento), 6);
    if (!vb::Trim(sItem).empty()) sTipoDoc = sItem;
  } else if (sTipo == "2") {
    bool bSinDeclaracion = SinDeclaracionAdmitida(sTributo);
    if (!bSinDeclaracion && !vb::Trim(txtNumOrd.Text()).empty()) sNumero = txtNumOrd.Text();
    sFormulario =
        bSinDeclaracion || vb::Trim(txtcodform.Text()).empty() ? "0000" : txtcodform.Text();
    if (cboSemana.Visible())
      rs("Num_cuo") = static_cast<int>(vb::Val(vb::Left(cboSemana.Text(), 1)));
    if (cboTipoPago.Visible()) rs("Num_ord_dj") = vb::Left(cboTipoPago.Text(), 1);
  }
  rs("Num_doc") = sNumero;
  rs("Cod_for") = sFormulario;
  rs("Cod_tip_doc") = sTipoDoc;
}

// The accepted amounts as texts without thousands separator; the accepted
// total in whole soles.
void FrmNoNotificada::LlenaMontos(dao::Recordset& rs) {
  auto monto = [](const forms::TextBox& caja, const char* sFormato) {
    return vb::Format(vb::Variant(caja.Text()), sFormato);
  };
  rs("mto_tributo_c") = monto(txtmtoTributo, kFormatoMonto);
  rs("mto_int_cap_c") = monto(TxtMtoInteresesCAP, kFormatoMonto);
  rs("mto_int_c") = monto(TxtMtoIntereses, kFormatoMonto);
  rs("mto_act_c") = monto(lblMtoAcogido, "#########0");
}

// "No" to the sworn declaration for a tax that requires one and that the
// entity admits without it.
bool FrmNoNotificada::SinDeclaracionAdmitida(const std::string& sTributo) {
  return OptRespDDJJ(0).Value() && Tributo_Req_DDJJ(ConvierteCodTributo(sTributo, 1)) &&
         AdmiteSinDeclaracion(gnSemana, sTributo);
}

// The associated tax as stored; "000000", as for any debt without one, when
// the fine takes none.
std::string FrmNoNotificada::CodigoAsociado() {
  std::string sItem = Elegido(CboTributoAsociado);
  return sItem.empty() ? "000000" : ConvierteCodTributo(vb::Left(sItem, 4), 1);
}

// The request form's tab shows the new debt and its total; the window is
// cleared for the next one.
void FrmNoNotificada::RefrescaSolicitud() {
  SolicitudAbierta solicitud = Solicitud();
  solicitud.ActualizaTotal(miIndexGrid);
  solicitud.RecargaGrilla(miIndexGrid);
  Deshabilita_campos();
  Enfoca(&mkePeriodo);
}

}  // namespace korva
