#include "reporte/DatosResumen.h"

#include "formulario/core/Casillas.h"
#include "platform/dao/dao.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"
#include "reporte/Globales.h"

namespace tarvel {
namespace {

constexpr int kErrSubindice = 9;
constexpr int kErrNull = 94;

bool CasillaOmitida(int iCasilla) { return iCasilla == 721 || iCasilla == 722 || iCasilla == 790; }
bool CasillaAceptada(int iCasilla) { return iCasilla >= 861 && iCasilla <= 999; }

std::string Valor(const vb::Variant& valor) {
  if (valor.IsNull()) vb::Raise(kErrNull);
  return vb::CStr(valor);
}

// The number the box text begins with. One past every box ("9E99" reads as
// 9 x 10^99) answers 0, refused as a blank is, instead of overflowing the int.
int NumeroCasilla(const vb::Variant& casilla) {
  double numero = vb::Val(vb::CStr(casilla));
  return numero > 0 && numero < 1000 ? static_cast<int>(numero) : 0;
}

void GuardaCasilla(dao::Recordset& rs) {
  int iCasilla = NumeroCasilla(rs("CASILLA").Value());
  if (CasillaOmitida(iCasilla)) return;
  bool guardada = iCasilla >= 1 && iCasilla <= kUltimaCasilla;
  if (!guardada && !CasillaAceptada(iCasilla)) vb::Raise(kErrSubindice);
  std::string sValor = Valor(rs("I_VALOR").Value());
  if (guardada) gsCasillas[static_cast<std::size_t>(iCasilla)] = sValor;
}

}  // namespace

std::string RucConsulta() { return vb::RTrim(gsRuc); }

void LeeCasillasResumen() {
  gsSQL = "SELECT CASILLA, I_VALOR FROM DET WHERE DOC_ID_D=" + vb::SqlText(RucConsulta()) +
          " AND PERIODO=" + vb::SqlText(gsPeriodo) + " AND FORMULARIO=" + vb::SqlText("0942") +
          " AND SEMANA = " + gsSemana + " ";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  if (!rs->Eof()) {
    rs->MoveLast();
    rs->MoveFirst();
  }
  for (; !rs->Eof(); rs->MoveNext()) GuardaCasilla(*rs);
  rs->Close();
}

// The command line's code is compared as a text: only "1", "2", "3", "5" and
// "8" name an entity.
void ResuelveEntidad() {
  for (const korva::Bloque& bloque : korva::kBloques) {
    if (gsSemana != std::to_string(bloque.semana)) continue;
    gsEntidad = bloque.nombre;
    giCasillaBase = bloque.base;
    giCasillaAplaz = korva::CasillaDe(bloque, korva::Renglon::Interes);
    return;
  }
}

bool LeeRazonSocial() {
  gsSQL = "Select nombre from cont where doc_id_d= " + vb::SqlText(RucConsulta()) + "and tip_doc_d=" + "6";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  if (rs->Eof()) return false;
  vb::Variant nombre = (*rs)("Nombre").Value();
  gsRazonSocial = nombre.IsNull() ? "" : vb::CStr(nombre);
  rs->Close();
  return true;
}

const std::string& Casilla(int iCasilla) {
  if (iCasilla < 1 || iCasilla > kUltimaCasilla) vb::Raise(kErrSubindice);
  return gsCasillas[static_cast<std::size_t>(iCasilla)];
}

}  // namespace tarvel
