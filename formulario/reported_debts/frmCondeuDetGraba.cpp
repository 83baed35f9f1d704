// The reported-debt window's "&Aceptar": the checks of the answer and its
// storage in the working tables, in one transaction, then the request form's
// refresh and the offer of the next debt.
#include <cstdlib>
#include <initializer_list>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/reported_debts/MontosAcogidos.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

// The taxes of persons with income from capital or work, which a request may
// not mix with any other debt.
constexpr const char* kGrupoTributos = "('030701', '030702', '030703', '030704')";
constexpr const char* kFechaSinPago = "01/01/1901";
constexpr int kUltimoMotivoGrabado = 6;

}  // namespace

// The lookup's and deletes' condition: the debt's own values as quoted
// literals, so that a document number with an apostrophe is stored like any
// other.
std::string frmCondeuDet::CondicionDeuda() const {
  const Deuda& d = deuda_;
  return "WHERE doc_id_d = " + vb::SqlText(msNumDoc) + " AND Semana = " + std::to_string(gnSemana) +
         " AND Ind_tip_deu = " + vb::SqlText(d.ind_tip_deu) + " AND per_doc = " +
         vb::SqlText(d.per_doc) + " AND cod_tri = " + vb::SqlText(d.cod_tri) +
         " AND num_doc = " + vb::SqlText(d.num_Doc) + " AND cod_for = " + vb::SqlText(d.cod_for);
}

// The answer is checked first, its questions waiting for the user with
// nothing locked. Its storage is one transaction, which takes the write lock
// when it begins and stores nothing when the working tables no longer hold the
// declaration; an unexpected error is rolled back and then reported before the
// program ends, so no road leaves it open.
void frmCondeuDet::GrabaConciliacion() {
  std::optional<dao::Transaction> transaccion;
  try {
    gsSQL = "SELECT * FROM TMP_F0942DEUDAS " + CondicionDeuda();
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
    Respuesta r;
    Rechazo rechazo = ValidaRespuesta(*rs, r);
    if (rechazo != Rechazo::Ninguno) {
      rs->Close();
      return Rechaza(rechazo);
    }
    transaccion.emplace(*gDB);
    if (!SolicitudAbierta().VerificaTemporales(*transaccion, Caption())) {
      rs->Close();
      return;
    }
    GrabaDeuda(*rs, r);
    rs->Close();
    GrabaMotivos();
    transaccion->Commit();
    if (gsCodTipDoc == "5") EliminaPAGOS();
    ActualizaSolicitud();
  } catch (const vb::Error& error) {
    FallaGrabacion(error, transaccion);
  }
}

// ManejaError answers 1 and the program ends; the transaction is rolled back
// first, so that no other program waits on it while the message is up.
void frmCondeuDet::FallaGrabacion(const vb::Error& error,
                                  std::optional<dao::Transaction>& transaccion) {
  if (transaccion && transaccion->Active()) transaccion->Rollback();
  std::uint8_t respuesta = ManejaError("GrabaConciliacion", error);
  if (respuesta == kErrorTerminaPrograma) vb::End(EXIT_FAILURE);
}

void frmCondeuDet::Rechaza(Rechazo rechazo) {
  gbOfreceSiguiente = true;
  const char* sMensaje = nullptr;
  switch (rechazo) {
    case Rechazo::SinAcogimiento: sMensaje = "Debe seleccionar un tipo de acogimiento."; break;
    case Rechazo::SinConformidad: sMensaje = "Debe seleccionar un tipo de conformidad del monto."; break;
    case Rechazo::SinTributo: sMensaje = "Debe ingresar un monto de tributo."; break;
    case Rechazo::Cancelado: sMensaje = "Se canceló la actualización de la información."; break;
    case Rechazo::SinRegistro:
      sMensaje = "Error de integridad. No se encontró el registro a actualizar.";
      break;
    case Rechazo::Ninguno:
    case Rechazo::SinMensaje: break;
  }
  if (sMensaje) forms::MsgBox(sMensaje, forms::vbCritical, Caption());
}

// The agreement is asked only of an included debt: the window clears and
// disables both agreement options when the debt is not included, so a debt not
// included is stored without one (agreement code 0).
frmCondeuDet::Rechazo frmCondeuDet::ValidaRespuesta(dao::Recordset& rs, Respuesta& r) {
  if (rs.Bof() && rs.Eof()) return Rechazo::SinRegistro;
  rs.Edit();
  r.nAcoge = optAcogeFrac(0).Value() ? 1 : optAcogeFrac(1).Value() ? 2 : 0;
  if (r.nAcoge == 0) return Rechazo::SinAcogimiento;
  r.nConforme = optConformeMto(0).Value() ? 1 : optConformeMto(1).Value() ? 2 : 0;
  if (r.nAcoge == 2) return Rechazo::Ninguno;
  if (r.nConforme == 0) return Rechazo::SinConformidad;
  if (!ValidaGrupoTributos()) return Rechazo::SinMensaje;
  Rechazo rechazo = ValidaMotivos(r);
  if (rechazo != Rechazo::Ninguno) return rechazo;
  if (!MontosEnLimite()) return Rechazo::SinMensaje;
  return r.nConforme == 2 ? ValidaMontos() : Rechazo::Ninguno;
}

// A debt of the taxes 3071 to 3074 may not be accepted beside any other debt,
// nor another debt beside them: the accepted debts of the other kind are
// counted by category, the first count above zero refuses.
bool frmCondeuDet::ValidaGrupoTributos() {
  bool bEnGrupo = EsUno(lblCodtributo.Text(), {"3071", "3072", "3073", "3074"});
  struct Cuenta {
    const char* sFiltro;
    int nIconoGrupo;
    int nIconoResto;
  };
  const Cuenta cuentas[] = {
      {"AND ind_tip_deu in ('02', '03') AND ind_ver_deu in ('00', '07', '08') ",
       forms::vbInformation, forms::vbInformation},
      {"AND ind_tip_deu in ('01', '05') AND ind_ver_deu in ('0', '00', '07', '08') ",
       forms::vbInformation, forms::vbCritical},
      {"AND ind_tip_deu = '04' ", forms::vbCritical, forms::vbCritical},
  };
  for (const Cuenta& cuenta : cuentas) {
    gsSQL = "SELECT COUNT(*) AS nCont FROM TMP_F0942DEUDAS WHERE doc_id_d = " +
            vb::SqlText(msNumDoc) + " AND Semana = " + std::to_string(gnSemana) +
            " AND ind_acog = 1 AND cod_tri " + (bEnGrupo ? "NOT IN " : "IN ") + kGrupoTributos +
            " " + cuenta.sFiltro;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    long nCont = rs->Eof() ? 0 : vb::CLng((*rs)("nCont").Value());
    rs->Close();
    if (nCont > 0) {
      forms::MsgBox(
          "No se puede combinar deudas de persona natural generadoras de rentas de capital y/o "
          "trabajo (tributos 3071, 3072, 3073, 3074) con el resto de deudas. Por favor, elija "
          "deudas de un solo tipo en la solicitud.",
          bEnGrupo ? cuenta.nIconoGrupo : cuenta.nIconoResto, Caption());
      return false;
    }
  }
  return true;
}

bool frmCondeuDet::Marcado(int nMotivo) const {
  return chkmotivo(nMotivo).Value() == forms::vbChecked;
}

frmCondeuDet::Rechazo frmCondeuDet::Informa(const std::string& sMensaje) {
  forms::MsgBox(sMensaje, forms::vbInformation, Caption());
  return Rechazo::SinMensaje;
}

// A disagreement, or an agreed valor under appeal, needs its motives with
// their supporting data. Motive 6 stands without supporting data and lets a
// motive 1 without payments through; motives 2 to 5 keep theirs in the one
// supporting row each stores, whose columns cannot be empty, so that one of
// them without its data is refused beside motive 6 too.
frmCondeuDet::Rechazo frmCondeuDet::ValidaMotivos(const Respuesta& r) {
  bool bImpugnado = giIndexGrid == 1 && CodigoImpugnacion() > 0;
  bool bAcogeConforme = optAcogeFrac(0).Value() && optConformeMto(0).Value() && r.nConforme == 1;
  if (r.nConforme != 2 && !(bAcogeConforme && bImpugnado)) return Rechazo::Ninguno;
  if (Marcado(4) && Marcado(6) && deuda_.ind_ver_deu == "07") {
    Informa("El motivo de desistimiento aceptado y el motivo Lit. g) Art.3° de RS 199-2004 son "
            "excluyentes");
    return Rechazo::Cancelado;
  }
  bool bSinSustento = true;
  for (int i = Marcado(6) ? 2 : 1; i <= 5; ++i) {
    const std::string& sTag = chkmotivo(i).Tag();
    if (Marcado(i) && (sTag == "0" || sTag.empty())) {
      Informa("Se ha detectado que ha seleccionado un motivo (" + chkmotivo(i).Caption() +
              ") pero no ha registrado su sustento. Actualice la información respectiva o no "
              "seleccione el motivo.");
      Enfoca(chkmotivo(i));
      return Rechazo::Cancelado;
    }
    bSinSustento = bSinSustento && sTag == "0";
  }
  if (!Marcado(6) && bSinSustento) {
    Informa("Debe especificar un motivo y su respectivo sustento.");
    if (chkmotivo(6).Enabled()) Enfoca(chkmotivo(6));
    return Rechazo::Cancelado;
  }
  bool bApelado = optAcogeFrac(0).Value() && optConformeMto(1).Value() && r.nConforme == 2 && bImpugnado;
  if (bApelado && !Marcado(4) && !Marcado(6)) {
    Informa("Debe registrar el motivo de desistimiento aceptado o el motivo Lit. g) Art.3° de RS "
            "199-2004");
    Enfoca(chkmotivo(4));
    return Rechazo::Cancelado;
  }
  return Rechazo::Ninguno;
}

// The amounts of an included debt in disagreement. A tributo that the tax's
// lock fixed at 0 (the box disabled) is not asked to be above zero: the tax
// 3061 could not be answered otherwise.
frmCondeuDet::Rechazo frmCondeuDet::ValidaMontos() {
  if (vb::Trim(txtmtoTributo.Text()).empty()) return Rechazo::SinTributo;
  std::string C = lblCodtributo.Text();
  bool bCapitalizado =
      EsUno(C, {"3011", "3021", "3031", "3041", "3311", "3411", "3611", "3033"}) ||
      (EsUno(C, {"2011", "2021", "2031", "2041"}) && deuda_.num_cuo != 0) ||
      (C == "9021" && vb::Left(lblPeriodo.Text(), 2) != "13");
  vb::Currency cCero;
  if (bCapitalizado) {
    if (lblMtoInteresCAP.Text().empty()) lblMtoInteresCAP.SetText("0");
    if (ImporteDeCaja(lblMtoInteresCAP.Text()) <= cCero && !lblMtoInteresCAP.Locked())
      return Informa("Debe registrar un importe mayor a cero en interes capitalizado");
  } else {
    bool bTributoFijo = !txtmtoTributo.Enabled();
    if (ImporteDeCaja(txtmtoTributo.Text()) <= cCero && !txtmtoTributo.Locked() && !bTributoFijo)
      return Informa("Debe registrar un importe mayor a cero en el tributo insoluto");
    std::string sAnioAceptacion = vb::Right(SolicitudAbierta().FechaAcogimiento(), 4);
    if (vb::Right(lblPeriodo.Text(), 4) == sAnioAceptacion &&
        ImporteDeCaja(vb::Trim(lblMtoInteresCAP.Text())) > cCero)
      return Informa("Interés capitalizado no debe ser mayor a 0.00");
  }
  vb::Currency cAcogido = ImporteDeCaja(lblMtoAcogido.Text());
  if (cAcogido < vb::Currency::FromInteger(5))
    return Informa("Debe registrar monto acogido mayor o igual a 5 soles");
  if (cAcogido == ImporteDeCaja(lblmtotot1.Caption()) &&
      forms::MsgBox("Se ha detectado que la deuda según TELVO es igual a la deuda que está "
                    "acogiendo, ¿Desea continuar?",
                    forms::vbYesNo + forms::vbQuestion, Caption()) != forms::vbYes)
    return Rechazo::SinMensaje;
  return Rechazo::Ninguno;
}

// An included debt's amounts keep to the boxes' limit of whole digits, so that
// each fits its column. Typing cannot pass it, but the interest an agreed debt
// computes on large reported amounts can: it is refused with the limit's own
// message rather than left to end the program in the store.
bool frmCondeuDet::MontosEnLimite() {
  for (forms::TextBox* caja : {&txtmtoTributo, &lblMtoInteresCAP, &lblMtoInteres}) {
    if (!ValidaNumeroDecimal(QuitaComas(std::string(caja->Text())), kDigitosMonto, 2, Caption(),
                             false)) {
      Enfoca(*caja);
      return false;
    }
  }
  return true;
}

// The answer in the debt's pending edit: an included debt stores the boxes'
// amounts, one not included zeros.
void frmCondeuDet::GrabaDeuda(dao::Recordset& rs, const Respuesta& r) {
  rs("ind_acog") = r.nAcoge;
  rs("ind_conf") = r.nConforme;
  bool bIncluida = r.nAcoge == 1;
  rs("mto_tributo_c") = bIncluida ? MontoGuardado(txtmtoTributo.Text(), false) : "0";
  rs("mto_int_cap_c") = bIncluida ? MontoGuardado(lblMtoInteresCAP.Text(), true) : "0";
  rs("mto_int_c") = bIncluida ? MontoGuardado(lblMtoInteres.Text(), true) : "0";
  std::string sAcogido = lblMtoAcogido.Text().empty() ? "0" : MontoGuardado(lblMtoAcogido.Text(), false);
  rs("mto_act_c") = bIncluida ? sAcogido : "0";
  rs("cnumero") = GeneraCNumero(rs, 9);
  rs.Update();
}

// Each of the motives 1 to 6 loses its stored rows and, when ticked, gets them
// again from the window; motives 7 and 8 keep theirs.
void frmCondeuDet::GrabaMotivos() {
  for (int i = 1; i <= kUltimoMotivoGrabado; ++i) {
    for (const char* sTabla : {"TMP_F0942MOTIVO", "TMP_F0942SUSTEN"}) {
      gsSQL = std::string("DELETE FROM ") + sTabla + " " + CondicionDeuda() +
              " AND cod_motivo = " + std::to_string(i);
      gDB->Execute(gsSQL, dao::dbFailOnError);
    }
    if (!Marcado(i)) continue;
    AgregaMotivo(i);
    AgregaSustento(i);
  }
}

// The key of a motive row, which its supporting rows share: the declaration,
// the debt and the motive.
void frmCondeuDet::LlenaClaveMotivo(dao::Recordset& fila, int nMotivo) {
  fila("tip_doc_d") = miTipDoc;
  fila("doc_id_d") = msNumDoc;
  fila("periodo") = gsPeriodo;
  fila("formulario") = "0942";
  fila("semana") = gnSemana;
  fila("ind_tip_deu") = deuda_.ind_tip_deu;
  fila("per_doc") = deuda_.per_doc;
  fila("cod_tri") = deuda_.cod_tri;
  fila("num_doc") = deuda_.num_Doc;
  fila("cod_for") = deuda_.cod_for;
  fila("cod_motivo") = nMotivo;
}

void frmCondeuDet::AgregaMotivo(int nMotivo) {
  dao::RecordsetPtr rs = gDB->OpenRecordset("TMP_F0942MOTIVO");
  rs->AddNew();
  LlenaClaveMotivo(*rs, nMotivo);
  (*rs)("cnumero") = GeneraCNumero(*rs, 8);
  rs->Update();
  rs->Close();
}

// The supporting rows of a ticked motive: one per payment of motive 1, one
// row for each other motive. A motive 1 without payments (possible only beside
// motive 6) keeps its motive row alone.
void frmCondeuDet::AgregaSustento(int nMotivo) {
  std::string sOrden2 = msNumOrden2.empty() ? "0" : msNumOrden2;
  std::string sOrden5 = msNumOrden5.empty() ? "0" : msNumOrden5;
  switch (nMotivo) {
    case 1:
      for (int n = 0; n < lstForm.ListCount(); ++n) {
        lstForm.SetListIndex(n);
        std::string sPago = lstForm.List(n);
        std::string sOrden = vb::Trim(vb::Mid(sPago, 6, 13));
        AgregaFilaSustento(1, n + 1, vb::Trim(vb::Left(sPago, 5)), sOrden.empty() ? "0" : sOrden,
                           "0", "0", vb::Trim(vb::Right(sPago, 10)));
      }
      break;
    case 2: AgregaFilaSustento(2, 1, msCodForm2, sOrden2, "0", "0", kFechaSinPago); break;
    case 3: AgregaFilaSustento(3, 1, "0", "0", "0", msNumExp, kFechaSinPago); break;
    case 4: AgregaFilaSustento(4, 1, "0", "0", msNumRes, "0", kFechaSinPago); break;
    case 5: AgregaFilaSustento(5, 1, msCodForm5, sOrden5, "0", "0", kFechaSinPago); break;
    default: AgregaFilaSustento(nMotivo, 1, "0", "0", "0", "0", kFechaSinPago); break;
  }
}

void frmCondeuDet::AgregaFilaSustento(int nMotivo, int nSust, const std::string& sFormulario,
                                      const std::string& sOrden, const std::string& sRes,
                                      const std::string& sExp, const std::string& sFecha) {
  dao::RecordsetPtr rs = gDB->OpenRecordset("TMP_F0942SUSTEN");
  rs->AddNew();
  dao::Recordset& fila = *rs;
  LlenaClaveMotivo(fila, nMotivo);
  fila("num_sust") = nSust;
  fila("cod_formulario") = sFormulario;
  fila("num_orden") = sOrden;
  fila("num_res") = sRes;
  fila("tip_impug") = "0";
  fila("num_exp") = sExp;
  fila("des_otros") = "-";
  fila("fec_pago") = sFecha;
  fila("cnumero") = GeneraCNumero(fila, 10);
  fila.Update();
  rs->Close();
}

// The request form shows the stored answer: its grid reloaded, its total
// recomputed unless it reads "0", then the offer of the next debt.
void frmCondeuDet::ActualizaSolicitud() {
  SolicitudAbierta solicitud;
  long nPosicion = solicitud.Posicion(giIndexGrid);
  long nCuenta = solicitud.Cuenta(giIndexGrid);
  solicitud.RecargaGrilla(giIndexGrid);
  solicitud.ActualizaTotal(giIndexGrid);
  solicitud.RefrescaGrilla(giIndexGrid);
  if (!gbOfreceSiguiente) return;
  OfreceSiguiente(nPosicion, nCuenta);
  bModificado = false;
}

// The reloaded grid stands on its first row. Declining the next row puts it
// back on the stored one, as the last row is: the window goes on showing that
// debt, whose appeal code it reads from the grid and whose next row a second
// store offers.
void frmCondeuDet::OfreceSiguiente(long nPosicion, long nCuenta) {
  SolicitudAbierta solicitud;
  if (nPosicion + 1 < nCuenta) {
    if (forms::MsgBox("¿Desea continuar con la actualización del siguiente registro de Deudas?",
                      forms::vbYesNo + forms::vbQuestion, Caption()) == forms::vbYes) {
      solicitud.IrAFila(giIndexGrid, nPosicion + 1);
      CargaValorDj();
    } else {
      solicitud.IrAFila(giIndexGrid, nPosicion);
    }
    return;
  }
  solicitud.IrAFila(giIndexGrid, nPosicion);
  forms::MsgBox("La información se actualizó satisfactoriamente", forms::vbInformation, Caption());
}

}  // namespace korva
