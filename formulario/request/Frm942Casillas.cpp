// Moving a declaration between its stored tables and the window: the debt,
// motive and supporting rows into and out of the working tables, and the stored
// boxes into the controls.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Casillas.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/vb/error.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFechaVacia = "__/__/____";

// The key columns every family begins with, then each family's own columns in
// the stored table's order: a sent declaration's rows are copied by name, so
// that the history table's Correl stays behind.
constexpr const char* kCabezaFamilia = "tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, per_doc, ";

struct Familia {
  const char* tabla;
  const char* columnas;
};

constexpr Familia kFamilias[] = {
    {"F0942DEUDAS",
     "cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, Num_cuo, "
     "Fec_ult_cap, Num_pro, mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, "
     "ind_conf, mto_tributo_c, mto_int_cap_c, mto_int_c, mto_act_c, Cod_for_dj, Num_ord_dj, "
     "Ind_valor, Ind_deuda_dj , Ind_impugnado, cNumero"},
    {"F0942MOTIVO", "cod_tri, Num_doc, Cod_for, cod_motivo, cnumero "},
    {"F0942SUSTEN",
     "cod_tri, Num_doc, Cod_for, cod_motivo, num_sust, cod_formulario, num_orden, num_res, "
     "tip_impug, num_exp, des_otros, fec_pago, cnumero "},
};

}  // namespace

// "C" copies into the working tables, "G" back into the stored ones (a sent
// declaration is only ever copied in, from its history rows). Each copy first
// deletes the destination's rows of this declaration only: every other
// declaration's stored rows stay as they are. The debts copied in are counted
// and the copy marked, for the writers of the working tables to tell whether
// they still hold them. The copy and its mark are one transaction (within the
// caller's, the opening's or the store's, a step of it).
void Frm942::CargaDataTemporales(const std::string& sDireccion) {
  bool bCopia = sDireccion == "C";
  if (giEnviadas != 0 && !bCopia) return;
  dao::Transaction copia(*gDB);
  for (const Familia& familia : kFamilias) {
    std::string sTabla = familia.tabla;
    std::string sDestino = (bCopia ? "tmp_" : "") + sTabla;
    EliminaDataTabla(sDestino, nTipoDoc, sNumDoc, 1, sCorrel);
    if (giEnviadas == 0) {
      std::string sOrigen = (bCopia ? "" : "tmp_") + sTabla;
      gsSQL = "INSERT INTO " + sDestino + " " + "SELECT * FROM " + sOrigen + " " + ClaveCabecera() + ";";
    } else {
      gsSQL = "INSERT INTO " + sDestino + " " + "SELECT " + kCabezaFamilia + familia.columnas +
              " FROM " + "H" + sTabla + " " + ClaveCabecera() + " " + "AND Correl = " +
              vb::SqlText(sCorrel) + " ;";
    }
    gDB->Execute(gsSQL, dao::dbFailOnError);
  }
  if (bCopia && giEnviadas == 0) {
    nDeudasTemporales = CuentaDeudasTemporales();
    MarcaTemporales();
  }
  copia.Commit();
}

// Reading (giGrabando 0) or writing (1) the row of one box of the open
// declaration in DET (HDET for a sent one, which is only ever read). Reading
// leaves the text the box shows in sValorCasilla, "" when the box has no row;
// writing keeps the value as its kind is stored, with the row's idcasilla and
// check code, and an empty value writes nothing. Either way a guarantee box
// says whether a guarantee is required. An unexpected error is fatal; the
// store under way is rolled back before it is reported, so that nothing of it
// holds the database while the message waits for the user.
bool Frm942::GrabarCasilla(const std::string& sCasilla, const std::string& sValor) {
  try {
    bool bEscribe = giGrabando == 1;
    if (bEscribe && vb::Trim(sValor).empty()) return false;
    gsSQL = std::string(giEnviadas != 0 ? "SELECT * FROM HDET " : "SELECT * FROM DET ") +
            "WHERE tip_doc_d = " + std::to_string(nTipoDoc) + " " + "AND doc_id_d = " +
            vb::SqlText(sNumDoc) + " " + "AND periodo =" + vb::SqlText(gsPeriodo) + " " +
            "AND formulario =" + vb::SqlText("0942") + " " + "AND semana = " +
            std::to_string(gnSemana) + " ";
    if (giEnviadas != 0) gsSQL += "AND correl = " + vb::SqlText(sCorrel) + " ";
    gsSQL += "AND casilla = " + vb::SqlText(sCasilla);
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
    dao::Recordset& det = *rs;
    if (!bEscribe) return LeeCasilla(det, sCasilla);
    if (det.Eof()) {
      det.AddNew();
      det("tip_doc_d") = nTipoDoc;
      det("doc_id_d") = sNumDoc;
      det("periodo") = gsPeriodo;
      det("Formulario") = "0942";
      det("Semana") = gnSemana;
      det("Casilla") = sCasilla;
    } else {
      det.Edit();
    }
    det("i_valor") = ValorGrabado(sCasilla, sValor);
    AnotaGarantia(sCasilla, det("i_valor").Value());
    det("idcasilla") = IdCasilla(sCasilla);
    det("cNumero") = GeneraCNumero(det, 6);
    det.Update();
    det.Close();
    return true;
  } catch (const vb::Error& error) {
    dao::Engine().Workspaces(0).RollbackAll();
    TerminaPorError("GrabarCasilla", error);
  }
}

bool Frm942::LeeCasilla(dao::Recordset& det, const std::string& sCasilla) {
  if (det.Eof()) {
    sValorCasilla.clear();
  } else {
    vb::Variant valor = det("i_valor").Value();
    sValorCasilla = ValorMostrado(sCasilla, valor);
    AnotaGarantia(sCasilla, valor);
  }
  det.Close();
  return false;
}

// A guarantee box's stored "1" (or "SI") means a guarantee is required, "0"
// (or "NO") that it is not; anything else leaves the flag as it was.
void Frm942::AnotaGarantia(const std::string& sCasilla, const vb::Variant& valor) {
  if (ClaseDe(sCasilla) != ClaseCasilla::Garantia) return;
  std::string sGuardado = vb::Trim(valor.IsNull() ? "" : vb::CStr(valor));
  if (sGuardado == "1" || sGuardado == "SI") gsGarantia = "1";
  if (sGuardado == "0" || sGuardado == "NO") gsGarantia = "0";
}

void Frm942::CargaCasillas() {
  GrabarCasilla("005", "");
  if (sValorCasilla == "1") OptRectifica(0).SetValue(true);
  if (sValorCasilla == "2") OptRectifica(1).SetValue(true);
  GrabarCasilla("028", "");
  if (!sValorCasilla.empty()) txtTelefono.SetText(sValorCasilla);
  GrabarCasilla(NumeroCasilla(nCasillaInteres + 1), "");
  if (!sValorCasilla.empty())
    for (int i = 0; i < 3; ++i)
      ChkGarantia(i).SetValue(vb::Mid(sValorCasilla, i + 1, 1) == "1" ? forms::vbChecked
                                                                       : forms::vbUnchecked);
  GrabarCasilla("541", "");
  if (!sValorCasilla.empty()) mkeFechaAcog.SetText(sValorCasilla);
  if (mkeFechaAcog.Text() != kFechaVacia) Obtiene_TIM(vb::Format(mkeFechaAcog.Text(), "YYYYMM"));
  for (int nCasilla : CasillasPorFila()) {
    GrabarCasilla(NumeroCasilla(nCasilla), "");
    txtValor(nCasilla).SetText(sValorCasilla);
  }
}

}  // namespace korva
