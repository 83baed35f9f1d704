// The row commands of the debt tabs: answering one debt in its detail window,
// answering every unanswered debt of a grid at once, and adding, editing and
// deleting the debts the taxpayer adds.
#include <iterator>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/Ventanas.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"

namespace korva {
namespace {

constexpr const char* kSinRegistros = "No existen registros disponibles para ";

// The columns of grid 3 that name one added debt, as the non-notified-debt
// window stores them.
constexpr const char* kClaveAgregada[] = {"num_doc", "cod_for", "cod_tip_doc", "cod_tri_aso"};

void SinRegistros(const std::string& sAccion) {
  forms::MsgBox(kSinRegistros + sAccion, forms::vbInformation, "Información");
}

// The columns a whole-grid answer writes, looked up once for all rows.
struct CamposRespuesta {
  explicit CamposRespuesta(dao::Recordset& rs)
      : acoge(rs("ind_acog")), conforme(rs("ind_conf")), numero(rs("cnumero")) {
    for (std::size_t i = 0; i < std::size(kAcogidos); ++i) {
      acogidos[i] = &rs(kAcogidos[i]);
      reportados[i] = &rs(kReportados[i]);
    }
  }
  // Included and agreed with the reported amounts, or not included with none
  // accepted; a debt left out keeps its agreement.
  void Responde(bool bAcoge) {
    acoge = bAcoge ? 1 : 2;
    if (bAcoge) conforme = 1;
    for (std::size_t i = 0; i < std::size(kAcogidos); ++i)
      *acogidos[i] = bAcoge ? reportados[i]->Value() : vb::Variant(0);
  }
  static constexpr const char* kAcogidos[] = {"Mto_tributo_c", "Mto_int_cap_c", "Mto_int_c", "Mto_act_c"};
  static constexpr const char* kReportados[] = {"Mto_tributo_s", "Mto_int_cap_s", "Mto_int_s", "Mto_act_s"};
  dao::Field& acoge;
  dao::Field& conforme;
  dao::Field& numero;
  dao::Field* acogidos[std::size(kAcogidos)];
  dao::Field* reportados[std::size(kReportados)];
};

std::string Igual(const std::string& sCampo, const vb::Variant& valor) {
  if (valor.IsNull()) return "AND " + sCampo + " is null ";
  return "AND " + sCampo + " = " + vb::SqlText(vb::CStr(valor)) + " ";
}

}  // namespace

bool Frm942::SinFilas(int n) {
  const dao::RecordsetPtr& rs = Dat(n).Recordset();
  return !rs || (rs->Bof() && rs->Eof());
}

// The reported-debt window answers rows of grids 1 and 2, the non-notified-debt
// window edits those of grid 3; the tab is reloaded on the same row afterwards.
void Frm942::cmdEdit_Click(int Index) {
  SetTag("E");
  if (SinFilas(Index)) return SinRegistros("actualizar");
  nPosicion = Dat(Index).Recordset()->AbsolutePosition();
  if (Index == 3) {
    if (MuestraVentana(Ventana::FrmNoNotificada)) bModificado = true;
  } else {
    giIndexGrid = Index;
    if (MuestraVentana(Ventana::frmCondeuDet)) bModificado = true;
  }
  SSTab1_Click(1);
}

// A sent declaration is only viewed: its rows open no window.
void Frm942::TDBGrid_DblClick(int Index) {
  SetTag("E");
  if (SinFilas(Index)) return SinRegistros("actualizar");
  nPosicion = Dat(Index).Recordset()->AbsolutePosition();
  if (Index != 5) {
    giIndexGrid = Index;
    if (giEnviadas == 0)
      MuestraVentana(Index == 3 ? Ventana::FrmNoNotificada : Ventana::frmCondeuDet);
  }
  SSTab1_Click(1);
  if (nPosicion > 0) Dat(Index).Recordset()->SetAbsolutePosition(nPosicion);
  TDBGrid(Index).Refresh();
}

void Frm942::cmdNew_Click(int /*Index*/) {
  SetTag("N");
  nPosicion = SinFilas(3) ? 0 : Dat(3).Recordset()->AbsolutePosition();
  if (MuestraVentana(Ventana::FrmNoNotificada)) bModificado = true;
  SSTab1_Click(1);
  int nTab = SSTab1.Tab();
  if (txtmtototal.Exists(nTab)) CalculaMontoTotal(txtmtototal(nTab), nTab);
}

// The row goes by its stored key, so that no other added debt goes with it; a
// deletion that would not take exactly that one row takes none and says so.
void Frm942::cmdDelete_Click(int /*Index*/) {
  SetTag("D");
  if (SinFilas(3)) return SinRegistros("eliminar");
  if (forms::MsgBox("¿Confirma que va a eliminar el registro seleccionado?",
                    forms::vbYesNo + forms::vbDefaultButton2 + forms::vbQuestion,
                    Caption()) == forms::vbNo)
    return;
  Eliminacion eliminacion = EliminaDeudaAgregada();
  if (eliminacion == Eliminacion::Rechazada) return;
  SSTab1_Click(3);
  if (eliminacion == Eliminacion::Hecha) {
    forms::MsgBox("Se eliminó el registro satisfactoriamente", forms::vbInformation, Caption());
  } else {
    forms::MsgBox("No se pudo eliminar el registro seleccionado.", forms::vbCritical, Caption());
  }
}

// Working tables that no longer hold the declaration delete nothing: the user
// reads why, not that the row could not be deleted.
Frm942::Eliminacion Frm942::EliminaDeudaAgregada() {
  forms::DataGrid& grilla = TDBGrid(3);
  gsSQL = "DELETE FROM TMP_F0942DEUDAS " + std::string("WHERE doc_id_d = ") + vb::SqlText(sNumDoc) +
          " " + "AND Semana = " + std::to_string(gnSemana) + " " + "AND Ind_tip_deu = '04' " +
          Igual("per_doc", grilla.Columns("per_doc").Value()) +
          Igual("cod_tri", grilla.Columns("cod_tri").Value());
  for (const char* sCampo : kClaveAgregada) gsSQL += Igual(sCampo, grilla.Columns(sCampo).Value());
  try {
    dao::Transaction transaccion(*gDB);
    if (!VerificaTemporales(transaccion, Caption())) return Eliminacion::Rechazada;
    gDB->Execute(gsSQL, dao::dbFailOnError);
    if (gDB->RecordsAffected() != 1) return Eliminacion::Fallida;
    transaccion.Commit();
    --nDeudasTemporales;
    return Eliminacion::Hecha;
  } catch (const vb::Error&) {
    return Eliminacion::Fallida;
  }
}

// Every unanswered valid debt of grid 1 or 2 becomes included and agreed with
// the reported amounts, brought up to the acceptance date. A reported debt
// under appeal (grid 1) stays unanswered.
void Frm942::CmdAcoge_Click(int Index) {
  if (!ConfirmaRespuestaGrupo(Index, "Se modificarán las deudas sin marcar como acogidas. ¿ Desea continuar ?"))
    return;
  if (!RespondeGrupo(Index, true)) return;
  Recalcula_deuda();
  CargaTabIndex(Index);
}

// Every unanswered valid debt of grid 1 or 2 is left out of the request, with
// nothing accepted.
void Frm942::CmdNoAcoge_Click(int Index) {
  if (!ConfirmaRespuestaGrupo(Index, "Se modificarán las deudas sin marcar como no acogidas. ¿ Desea continuar ?"))
    return;
  if (!RespondeGrupo(Index, false)) return;
  CargaTabIndex(Index);
}

// The answer to a whole grid is written row by row, so that every debt it
// changes gets its check code again, as an answer in the detail window does:
// in one pass and one transaction, a failure leaving every debt unanswered and
// told as a failing statement is (the command then goes on, as after any
// failing statement). Working tables that no longer hold the declaration are
// answered nothing and stop the command.
bool Frm942::RespondeGrupo(int Index, bool bAcoge) {
  gsSQL = "SELECT * FROM TMP_F0942DEUDAS " + ClaveDeudas() +
          (Index == 2 ? "AND ind_tip_deu in ( '02', '03' ) " : "AND ind_tip_deu in ( '01', '05' ) ") +
          "AND ind_ver_deu in ( '00', '07', '08' ) " + "AND ind_acog is null " +
          (bAcoge && Index == 1 ? "AND ind_impugnado = '00' " : "");
  try {
    dao::Transaction transaccion(*gDB);
    if (!VerificaTemporales(transaccion, Caption())) return false;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
    CamposRespuesta campos(*rs);
    for (; !rs->Eof(); rs->MoveNext()) {
      rs->Edit();
      campos.Responde(bAcoge);
      campos.numero = GeneraCNumero(*rs, 9);
      rs->Update();
    }
    rs->Close();
    transaccion.Commit();
  } catch (const vb::Error& error) {
    MuestraErrorSQL(error);
  }
  return true;
}

// Both answers to a whole grid need rows, an unanswered debt and the user's Yes.
bool Frm942::ConfirmaRespuestaGrupo(int Index, const std::string& sPregunta) {
  if (SinFilas(Index)) {
    forms::MsgBox("No existen registros disponibles para actualizar.", forms::vbInformation, "Información");
    return false;
  }
  if (!Existen_Deudas(Index == 1 ? "1" : "2")) {
    forms::MsgBox("No existen deudas sin acoger", forms::vbInformation, Caption());
    return false;
  }
  return forms::MsgBox(sPregunta, forms::vbYesNo + forms::vbQuestion, Caption()) == forms::vbYes;
}

}  // namespace korva
