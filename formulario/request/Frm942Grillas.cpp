// The debt tabs: each grid's statement, counter and total, the cells' formats
// and the change of tab.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Casillas.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/forms/hourglass.h"
#include "platform/vb/error.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFechaVacia = "__/__/____";

constexpr const char* kColumnasIniciales =
    "SELECT per_doc, ind_tip_deu, ind_ver_deu, ( ( SELECT Mid(argumento,2,3) & right(argumento,1) "
    "& '-' & left(funcion,32) FROM PARAM WHERE numero = '725' AND argumento = cod_tri )) AS "
    "des_tributo, ";
constexpr const char* kValorSoloValores =
    " iif(ind_tip_deu='01', ( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = "
    "'726' AND argumento = trim(Left(cod_tip_Doc,3) & '000'  ) ) , ''  ) AS des_valor, ";
constexpr const char* kValorPorTipo =
    "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND argumento = "
    "trim(Left(cod_tip_Doc,3) & '000' ) ) AS des_valor, ";
constexpr const char* kValorPorCodigo =
    "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND argumento = "
    "trim(Left(cod_tip_Doc,6) ) ) AS des_valor, ";
constexpr const char* kColumnasDeuda =
    "num_Doc, cod_tri, Cod_For, Cod_Tip_doc, cod_tri_aso, ( SELECT left(funcion,32) FROM PARAM "
    "WHERE numero = '725' AND argumento = cod_tri_aso ) AS des_tributo_aso, fec_des_deu, "
    "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
    "mto_int_cap_c, mto_int_c, Mto_act_c, Cod_for_dj, Num_Ord_dj, ";

// Help topics of the tabs, entered in this order of tab numbers.
constexpr long kAyudaPestana[] = {1029, 1016, 1015, 1028, 1023, 1017};

std::string ColumnasDeGrilla(int nIndex) {
  std::string sColumnas = kColumnasIniciales;
  switch (nIndex) {
    case 1:
      return sColumnas + kValorSoloValores + kColumnasDeuda + "Num_pro " + ", ind_impugnado " +
             ", num_cuo ";
    case 2: return sColumnas + kValorPorTipo + kColumnasDeuda + "Num_pro, " + "Num_cuo ";
    case 3: return sColumnas + kValorPorCodigo + kColumnasDeuda + "ind_valor, ind_deuda_dj, num_cuo ";
    default:
      return sColumnas + kValorSoloValores + kColumnasDeuda + "Num_pro " +
             ", ( SELECT left(funcion,50) FROM PARAM WHERE numero = '724' and argumento = "
             "ind_ver_deu ) AS des_motivo ";
  }
}

std::string CategoriaDeGrilla(int nIndex) {
  switch (nIndex) {
    case 1: return "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) ";
    case 2: return "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) ";
    case 3: return "AND ind_tip_deu = '04' ";
    default:
      return "AND ind_tip_deu in ( '01','02','03' ) AND ind_ver_deu not in ( '0','00', '07', '08' ) ";
  }
}

// The rows whose accepted amount adds into a grid's total.
std::string CategoriaDeTotal(int nIndex) {
  switch (nIndex) {
    case 1: return "AND ind_tip_deu = '01' AND ind_ver_deu in ('00','07','08') ";
    case 2: return "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) ";
    default: return "AND ind_tip_deu = '04' ";
  }
}

std::string Contador(long nPosicion, long nCuenta) {
  return "Total de registros : " + std::to_string(nPosicion + 1) + " de " + std::to_string(nCuenta);
}

}  // namespace

std::string Frm942::SentenciaGrilla(int nIndex) const {
  return ColumnasDeGrilla(nIndex) + "FROM TMP_F0942DEUDAS " + ClaveDeudas() +
         CategoriaDeGrilla(nIndex) +
         (nIndex == 3 ? "ORDER BY 1 DESC, 3, cod_tri  " : "ORDER BY 1 DESC, cod_tri ");
}

void Frm942::CargaTabIndex(int nIndex) {
  try {
    gsSQL = SentenciaGrilla(nIndex);
    Dat(nIndex).SetRecordset(gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot));
    CuentaFilas(nIndex);
    CargaTipoPersona();
  } catch (const vb::Error& error) {
    TerminaPorError("CargaTabIndex", error);
  }
}

// Moving to the last row and back makes the count complete; the counters count
// with long integers, so a category of more than 32767 debts still opens.
void Frm942::CuentaFilas(int nIndex) {
  dao::Recordset& rs = *Dat(nIndex).Recordset();
  if (rs.Bof() && rs.Eof()) {
    lblTab(nIndex).SetCaption("Sin registros");
    return;
  }
  rs.MoveLast();
  rs.MoveFirst();
  long nCuenta = rs.RecordCount();
  lblTab(nIndex).SetCaption(nCuenta < 1 ? "Sin registros" : Contador(rs.AbsolutePosition(), nCuenta));
}

void Frm942::CalculaMontoTotal(forms::TextBox& oTextBox, int nIndex) {
  if (nIndex == 0 || nIndex == 4 || nIndex == 5) return;
  try {
    gsSQL = "SELECT SUM(mto_act_c * 1)  " + std::string("FROM  TMP_F0942DEUDAS ") + ClaveDeudas() +
            CategoriaDeTotal(nIndex);
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly, dao::dbReadOnly);
    std::string sTotal = vb::Format((*rs)(0).Value(), "###,###,###,##0");
    oTextBox.SetText(sTotal.empty() ? "0" : sTotal);
    oTextBox.SetAlignment(forms::vbRightJustify);
    rs->Close();
  } catch (const vb::Error& error) {
    TerminaPorError("CalculaMontoTotal", error);
  }
}

// Leaving tab 0 asks for a sound identification first; a sent declaration is
// only viewed, so nothing on its tab 0 can hold the user there.
void Frm942::SSTab1_Click(int PreviousTab) {
  try {
    if (PreviousTab == 0 && giEnviadas == 0 && !ValidaContForm1(1)) return;
    forms::Hourglass reloj(*this, forms::vbArrowHourglass);
    if (mkeFechaAcog.Text() != kFechaVacia) Obtiene_TIM(vb::Format(mkeFechaAcog.Text(), "YYYYMM"));
    int nTab = SSTab1.Tab();
    SSTab1.SetHelpContextID(kAyudaPestana[nTab]);
    if (nTab == 4) EntraModalidadPago();
    if (nTab != 0 && nTab != 4) {
      lblTab(nTab).SetCaption("");
      CargaTabIndex(nTab);
      if (nPosicion > 0) {
        Dat(nTab).Recordset()->SetAbsolutePosition(nPosicion);
        nPosicion = 0;
      }
      if (txtmtototal.Exists(nTab)) CalculaMontoTotal(txtmtototal(nTab), nTab);
    }
  } catch (const vb::Error& error) {
    TerminaPorError("SSTab1_Click", error);
  }
}

void Frm942::TDBGrid_FormatText(int Index, int ColIndex, vb::Variant& Value) {
  try {
    switch (ColIndex) {
      case 0: {
        std::string sPeriodo = vb::CStr(Value & vb::Variant(""));
        Value = vb::Variant(vb::Right(sPeriodo, 2) + "/" + vb::Left(sPeriodo, 4));
        return;
      }
      case 4: Value = vb::Variant(vb::Format(Value, "#,###,###,###,##0.00")); return;
      case 5:
        if (Index != 5) {
          Value = vb::Variant(vb::Format(Value, "#,###,###,###,##0"));
        } else if (vb::CStr(Value & vb::Variant("")) == "01/01/1901") {
          Value = vb::Variant("");
        }
        return;
      case 15:
        Value = vb::Variant(
            vb::Format(vb::Variant(vb::Format(Value, "#,###,###,###,##0.00")), "#,###,###,###,##0"));
        return;
      default: return;
    }
  } catch (const vb::Error& error) {
    TerminaPorError("TDBGrid_FormatText", error);
  }
}

void Frm942::TDBGrid_RowColChange(int Index, const vb::Variant& LastRow) {
  if (LastRow.IsEmpty() || LastRow.IsNull()) return;
  try {
    dao::Recordset& rs = *Dat(Index).Recordset();
    lblTab(Index).SetCaption(Contador(rs.AbsolutePosition(), rs.RecordCount()));
  } catch (const vb::Error& error) {
    TerminaPorError("TDBGrid_RowColChange", error);
  }
}

}  // namespace korva
