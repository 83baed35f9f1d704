// The code lists of the window: taxes and associated taxes from PARAM 725,
// document types from PARAM 726, narrowed by the declaration's entity, the debt
// type and the tax chosen.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/modGen02.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "platform/dao/dao.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

// The position in PARAM 725's Funcion of the flag that offers a tax to the
// entity (61 to 65 for entities 1, 2, 3, 5 and 8); the entity's index in PARAM
// 729 is that position minus 60.
int PosicionEntidad(int nSemana) {
  switch (nSemana) {
    case 1:
      return 61;
    case 2:
      return 62;
    case 3:
      return 63;
    case 5:
      return 64;
    case 8:
      return 65;
    default:
      return 0;
  }
}

// The entity's family of document types: the first two characters of the code.
std::string FamiliaDocumentos(int nSemana) {
  switch (nSemana) {
    case 1:
    case 5:
    case 8:
      return " AND Left(argumento,2) in  ('00') ";
    case 2:
      return " AND Left(argumento,2) in  ('10') ";
    case 3:
      return " AND Left(argumento,2) in  ('11') ";
    default:
      return "";
  }
}

bool EsInfraccion(const std::string& sArgumento) { return vb::Left(sArgumento, 2) == "06"; }

std::string Campo(dao::Recordset& rs, int nCampo) {
  return (rs(nCampo).Value() & vb::Variant("")).ToString();
}

}  // namespace

void FrmNoNotificada::CargaTributo(forms::ComboBox& oCombo, const std::string& sCodTributo,
                                   const std::string& sTipoDeuda) {
  try {
    bool bAsociado = vb::UCase(oCombo.Name()) == "CBOTRIBUTOASOCIADO";
    gsSQL = std::string("SELECT argumento, left(funcion,40) ") + "FROM PARAM " +
            "WHERE numero = '725' " + "AND mid(funcion," +
            std::to_string(PosicionEntidad(gnSemana)) + ",1) = '1' ";
    gsSQL += bAsociado ? "AND mid(argumento,1,2) <> '06' " : "AND mid(funcion,68,1) = '1' ";
    gsSQL += "ORDER BY argumento ";
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly, dao::dbReadOnly);
    if (rs->Eof()) {
      rs->Close();
      return;
    }
    oCombo.Clear();
    for (; !rs->Eof(); rs->MoveNext()) {
      std::string sArgumento = Campo(*rs, 0);
      if (!SeListaTributo(sArgumento, vb::Trim(sTipoDeuda), bAsociado)) continue;
      oCombo.AddItem(ConvierteCodTributo(sArgumento, 0) + "  " + Campo(*rs, 1));
      if (!sCodTributo.empty() && vb::Val(sArgumento) == vb::Val(sCodTributo))
        oCombo.SetListIndex(oCombo.NewIndex());
    }
    rs->Close();
  } catch (const vb::Error& error) {
    TerminaPorError("CargaTributo", error);
  }
}

// The first rule that applies: a self-assessed debt takes no fine, an
// infraction only fines, the associated tax none that PARAM 729 leaves out for
// the entity, and a valor none of the earlier regimes' instalment codes.
bool FrmNoNotificada::SeListaTributo(const std::string& sArgumento, const std::string& sTipoDeuda,
                                     bool bAsociado) {
  if (sTipoDeuda == "2") return !EsInfraccion(sArgumento);
  if (sTipoDeuda == "3") return EsInfraccion(sArgumento);
  std::string sCodigo = ConvierteCodTributo(sArgumento, 0);
  if (bAsociado) return !VerificaExclusionTributo(sCodigo, PosicionEntidad(gnSemana) - 60);
  if (sTipoDeuda == "1") return RegimenDeCuota(sCodigo).empty();
  return true;
}

// Whether PARAM 725 offers the entity any fine (a stored code beginning "06")
// in its main tax list, whatever debt type the list was last loaded for.
bool FrmNoNotificada::EntidadOfreceMultas() {
  return CuentaFilas(std::string("SELECT count(*) as nCont FROM PARAM ") +
                     "WHERE numero = '725' " + "AND mid(funcion," +
                     std::to_string(PosicionEntidad(gnSemana)) + ",1) = '1' " +
                     "AND mid(funcion,68,1) = '1' " + "AND mid(argumento,1,2) = '06' ") > 0;
}

bool FrmNoNotificada::VerificaExclusionTributo(const std::string& sCodTributo, int iPosicion) {
  gsSQL = std::string("SELECT * ") + "FROM PARAM " + "WHERE numero = '729' " +
          "AND argumento = " + vb::SqlText(sCodTributo) + " " + "AND mid(funcion," +
          std::to_string(iPosicion) + ",1) = '1' ";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  bool bExcluido = !(rs->Bof() && rs->Eof());
  rs->Close();
  return bExcluido;
}

void FrmNoNotificada::CargaValoresNEW(forms::ComboBox& oCombo, const std::string& sCodValor) {
  try {
    gsSQL = std::string("SELECT argumento, Left(funcion,48) ") + "FROM PARAM " +
            "WHERE numero = '726' ";
    if (vb::Left(cboTributo.Text(), 1) == "6") {
      gsSQL += " AND Left(argumento,3) in  ('002', '102', '112') ";
      std::string D = vb::Left(vb::Trim(cboTipoDeuda.Text()), 1);
      if (D == "3") gsSQL += " AND Right(argumento,1) = '1' ";
      if (D == "1") gsSQL += " AND Right(argumento,1) <> '1' ";
    } else {
      gsSQL += " AND Left(argumento,3) not in  ('002', '102', '112') ";
    }
    gsSQL += FamiliaDocumentos(gnSemana);
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly, dao::dbReadOnly);
    forms::DoEvents();
    forms::DoEvents();
    if (!rs->Eof()) {
      oCombo.Clear();
      for (; !rs->Eof(); rs->MoveNext()) {
        std::string sArgumento = Campo(*rs, 0);
        oCombo.AddItem(sArgumento + std::string(12, ' ') + Campo(*rs, 1));
        if (!sCodValor.empty() && vb::Val(sCodValor) == vb::Val(sArgumento))
          oCombo.SetListIndex(oCombo.NewIndex());
      }
    }
    rs->Close();
    forms::DoEvents();
    forms::DoEvents();
  } catch (const vb::Error& error) {
    TerminaPorError("CargaValores", error);
  }
}

}  // namespace korva
