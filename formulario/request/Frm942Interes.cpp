// The acceptance date and the interest it brings the accepted debts up to: the
// rate of its month and the recalculation of the working debts.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Calculos.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFechaVacia = "__/__/____";
constexpr int kTeclaInsert = 45;
constexpr int kShift = 1;

std::string Texto(const dao::Field& campo) {
  vb::Variant valor = campo.Value();
  return valor.IsNull() ? "" : vb::CStr(valor);
}

bool EsUno(const dao::Field& campo) {
  vb::Variant valor = campo.Value();
  return !valor.IsNull() && vb::CDbl(valor) == 1;
}

// The columns the recalculation reads and writes, looked up once for all rows.
struct CamposDeuda {
  explicit CamposDeuda(dao::Recordset& rs)
      : tipo(rs("ind_tip_deu")), acoge(rs("ind_acog")), conforme(rs("ind_conf")),
        tributo(rs("mto_tributo_c")), capitalizado(rs("mto_int_cap_s")), interes(rs("mto_int_s")),
        interesAcogido(rs("mto_int_c")), acogido(rs("mto_act_c")), numero(rs("cnumero")) {}
  // Included and agreed reported debts are brought up to date; the others keep
  // what the taxpayer or the administration gave them.
  bool SeActualiza() const {
    std::string sTipo = Texto(tipo);
    return (sTipo == "01" || sTipo == "02" || sTipo == "03") && EsUno(acoge) && EsUno(conforme);
  }
  dao::Field& tipo;
  dao::Field& acoge;
  dao::Field& conforme;
  dao::Field& tributo;
  dao::Field& capitalizado;
  dao::Field& interes;
  dao::Field& interesAcogido;
  dao::Field& acogido;
  dao::Field& numero;
};

}  // namespace

void Frm942::Obtiene_TIM(const std::string& sFecha) { gsTIM = TasaInteresMensual(sFecha); }

// Every accepted reported debt starts again from its reported interest and is
// brought from the debt file's date up to the acceptance date, each row with its
// new check code. Without an acceptance date or a debt file's date there is no
// span to compute: nothing changes. The rows are stored in one transaction, so
// an error leaves every debt as it was; it is reported centrally and ends the
// program, as the other routines of the window do. The transaction takes the
// write lock before the rows are read, so that a lock another program holds
// for a moment is waited for rather than met between the reading and the
// first write. Working tables that no longer hold the declaration are not
// recalculated: the user is told and the answer is False.
bool Frm942::Recalcula_deuda() {
  std::string sFecha = mkeFechaAcog.Text();
  if (sFecha == kFechaVacia || !vb::IsDate(sFecha)) return true;
  vb::Date dDescarga = ObtieneFechaDescarga();
  if (dDescarga.serial == 0) return true;
  try {
    dDescarga = vb::CDate(vb::Left(vb::CStr(dDescarga), 10));
    gsSQL = "SELECT * " + std::string("FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = " +
            vb::SqlText(sNumDoc) + " " + "AND Semana = " + std::to_string(gnSemana) + " " +
            "AND ind_tip_deu in ( '01', '02', '03') " + "AND ind_ver_deu in ( '00', '07', '08' ) ";
    dao::Transaction transaccion(*gDB);
    if (!VerificaTemporales(transaccion, Caption())) return false;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
    CamposDeuda campos(*rs);
    for (; !rs->Eof(); rs->MoveNext()) {
      if (!campos.SeActualiza()) continue;
      InteresActualizado montos = ActualizaInteres(
          {Texto(campos.tributo), Texto(campos.capitalizado), Texto(campos.interes)}, dDescarga,
          sFecha, gsPeriodo);
      rs->Edit();
      campos.interesAcogido = montos.sIntC;
      campos.acogido = montos.sActC;
      campos.numero = GeneraCNumero(*rs, 9);
      rs->Update();
    }
    rs->Close();
    transaccion.Commit();
    return true;
  } catch (const vb::Error& error) {
    TerminaPorError("Recalcula_deuda", error);
  }
}

void Frm942::mkeFechaAcog_GotFocus() { sFechaAnterior = mkeFechaAcog.Text(); }

void Frm942::mkeFechaAcog_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == kTeclaInsert && Shift == kShift) forms::Clipboard.SetText("");
}

void Frm942::mkeFechaAcog_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) {
    EnviaTab("TAB");
    KeyAscii = 0;
  }
  bModificado = true;
}

// A rejected date is told once and the date the box had on entry comes back. A
// new date replacing an earlier one, once confirmed, brings the debts up to it
// and clears the payment form, so that the payment mode is entered again
// against the updated debt; declined, the earlier date comes back on tab 0.
// Refused because the working tables no longer hold the declaration, nothing
// is recalculated or cleared and the box gets its earlier date back.
void Frm942::mkeFechaAcog_LostFocus() {
  if (!ValidaCampoFecha("PRE", Label1(1).Caption(), mkeFechaAcog.Text(), Caption(), false)) {
    mkeFechaAcog.SetText(sFechaAnterior);
    return;
  }
  if (mkeFechaAcog.Text() == sFechaAnterior || sFechaAnterior == kFechaVacia) return;
  int nRespuesta = forms::MsgBox("Se procederá a la actualización de la deuda. ¿Desea continuar?",
                                 forms::vbQuestion + forms::vbYesNo, Caption());
  if (nRespuesta == forms::vbYes) {
    if (!Recalcula_deuda()) {
      mkeFechaAcog.SetText(sFechaAnterior);
    } else if (nCasillaBase != 0) {
      txtValor(nCasillaBase + 1).SetText("");
    }
    return;
  }
  SSTab1.SetTab(0);
  mkeFechaAcog.SetText(sFechaAnterior);
  if (mkeFechaAcog.Enabled()) mkeFechaAcog.SetFocus();
}

void Frm942::OptRectifica_Click(int Index) {
  OptRectifica(Index).SetValue(true);
  bModificado = true;
}

}  // namespace korva
