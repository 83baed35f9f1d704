// Storing the open declaration: its header, one row per box and its debt,
// motive and supporting rows, in one transaction.
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Casillas.h"
#include "formulario/request/Frm942.h"
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

constexpr const char* kFormulario = "0942";
constexpr int kPrimeraCuota = kBloques.front().cuota;
constexpr const char* kTemporalesPerdidas =
    "Los datos de la declaración abierta ya no son los de las tablas de trabajo: otro programa "
    "los eliminó, los volvió a copiar o volvió a crear las tablas. No se grabó ningún cambio. "
    "Cierre el formulario sin grabar y vuelva a abrir la declaración.";

std::string Texto(dao::Recordset& rs, const char* sCampo) {
  return vb::Trim((rs(sCampo).Value() & vb::Variant("")).ToString());
}

// A mark no other copy can have written: 64 bits of the system's chance.
std::string NuevaMarca() {
  std::random_device azar;
  std::uint64_t valor = (std::uint64_t{azar()} << 32) | azar();
  char texto[17];
  std::snprintf(texto, sizeof texto, "%016llx", static_cast<unsigned long long>(valor));
  return texto;
}

}  // namespace

// The grids are reloaded first, so that the stored row counts are current.
// The transaction holds the database's write lock from its start, so a lock
// another program holds for a moment is waited for. Any error undoes the whole
// store (the transaction rolls back as the guard goes) and is fatal.
bool Frm942::GrabaFormulario() {
  try {
    for (int n : {1, 2, 3}) CargaTabIndex(n);
    dao::Transaction transaccion(*gDB);
    if (!VerificaTemporales(transaccion, Caption())) return false;
    GrabaCabecera();
    EliminaDataTabla("DET", nTipoDoc, sNumDoc, 1, "");
    GrabaCasillasDeclaracion();
    std::vector<int> casillas = CasillasPorFila();
    for (int nCasilla : casillas)
      if (nCasilla < kPrimeraCuota) GrabarCasilla(NumeroCasilla(nCasilla), txtValor(nCasilla).Text());
    CargaDataTemporales("G");
    for (int nCasilla : casillas)
      if (nCasilla >= kPrimeraCuota) GrabarCasilla(NumeroCasilla(nCasilla), txtValor(nCasilla).Text());
    const Bloque* bloque = BloqueDe(gnSemana);
    if (gsBuenContrib == "1" && bloque) GrabarCasilla(NumeroCasilla(bloque->cuota), "0");
    transaccion.Commit();
    return true;
  } catch (const vb::Error& error) {
    TerminaPorError("GrabaFormulario", error);
  }
}

long Frm942::CuentaDeudasTemporales() {
  dao::RecordsetPtr rs = gDB->OpenRecordset(
      "SELECT count(*) AS nCont FROM TMP_F0942DEUDAS " + ClaveDeudas(), dao::dbOpenSnapshot);
  long nCuenta = vb::CLng((*rs)("nCont").Value());
  rs->Close();
  return nCuenta;
}

// Only the last copy's mark stands beside the working tables, as only its rows
// do; the old mark goes and the new one comes in the copy's transaction.
void Frm942::MarcaTemporales() {
  sMarcaTemporales = NuevaMarca();
  EliminaDataTabla("TMP_F0942APERTURA", nTipoDoc, sNumDoc, 0, "");
  gDB->Execute("INSERT INTO TMP_F0942APERTURA (tip_doc_d, doc_id_d, periodo, formulario, Semana, marca) "
               "VALUES (" + std::to_string(nTipoDoc) + ", " + vb::SqlText(sNumDoc) + ", " +
                   vb::SqlText(gsPeriodo) + ", " + vb::SqlText(kFormulario) + ", " + std::to_string(gnSemana) +
                   ", " + vb::SqlText(sMarcaTemporales) + ")",
               dao::dbFailOnError);
}

// Whether this form's mark is the one that stands beside the working tables.
bool Frm942::ConservaMarcaTemporales() {
  if (sMarcaTemporales.empty()) return false;
  dao::RecordsetPtr rs = gDB->OpenRecordset(
      "SELECT count(*) AS nCont FROM TMP_F0942APERTURA WHERE marca = " + vb::SqlText(sMarcaTemporales),
      dao::dbOpenSnapshot);
  bool bConserva = vb::CLng((*rs)("nCont").Value()) == 1;
  rs->Close();
  return bConserva;
}

// The message waits for the user with the transaction already rolled back, so
// that no other program is kept waiting meanwhile.
bool Frm942::VerificaTemporales(dao::Transaction& transaccion, const std::string& sTitulo) {
  if (ConservaMarcaTemporales() && CuentaDeudasTemporales() >= nDeudasTemporales) return true;
  transaccion.Rollback();
  forms::MsgBox(kTemporalesPerdidas, forms::vbCritical, sTitulo);
  return false;
}

// The header row: the date of this store, the option of substitution and
// whether the last validation found an inconsistency (estado 9). The import's
// flags and due dates are read back into the program's state on the way.
void Frm942::GrabaCabecera() {
  gsSQL = "SELECT * FROM CAB " + ClaveCabecera();
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  dao::Recordset& cab = *rs;
  if (cab.Eof()) {
    cab.AddNew();
    cab("tip_doc_d") = nTipoDoc;
    cab("doc_id_d") = sNumDoc;
    cab("periodo") = gsPeriodo;
    cab("Formulario") = kFormulario;
    cab("Semana") = gnSemana;
  } else {
    cab.Edit();
  }
  cab("fec_pro") = vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy");
  vb::Variant delito = cab("bcolibrad").Value();
  gnRucDelito = delito.IsNull() ? 0 : vb::CByte(delito);
  gsFechaVenc = Texto(cab, "nrocheque");
  gsFecVencRenta = Texto(cab, "efectivo");
  gsBuenContrib = vb::Left(Texto(cab, "cheque"), 1);
  cab("Rectifica") = OptRectifica(0).Value() ? 1 : 0;
  cab("estado") = giInconsistencia == 1 ? 9 : 0;
  cab("cNumero") = GeneraCNumero(cab, 5);
  cab.Update();
  cab.Close();
}

// The boxes without a control of the payment mode: the declarant, the
// substitution, the period, the taxpayer's flags, the version's box, the
// telephone, the guarantee types, the acceptance date, the rate and the due
// date, and the row counts of the three debt grids.
void Frm942::GrabaCasillasDeclaracion() {
  std::string sRectifica = OptRectifica(0).Value() ? "1" : "0";
  if (nTipoDoc == 6) GrabarCasilla("002", sNumDoc);
  GrabarCasilla("005", sRectifica);
  GrabarCasilla("871", sRectifica);
  GrabarCasilla("007", gsPeriodo);
  GrabarCasilla("589", gsBuenContrib);
  GrabaCasillaParametro(kFormulario);
  GrabarCasilla("028", vb::Trim(txtTelefono.Text()));
  std::string sTipos;
  for (int n = 0; n <= 2; ++n) sTipos += ChkGarantia(n).Value() != forms::vbUnchecked ? "1" : "0";
  GrabarCasilla(NumeroCasilla(nCasillaInteres + 1), sTipos);
  GrabarCasilla("541", mkeFechaAcog.Text());
  GrabarCasilla("721", "1.5");
  GrabarCasilla("593", std::to_string(gnRucDelito));
  GrabarCasilla("594", gsFechaVenc);
  const std::pair<const char*, int> cuentas[] = {{"595", 1}, {"596", 2}, {"597", 3}};
  for (auto [sCasilla, n] : cuentas) GrabarCasilla(sCasilla, std::to_string(Dat(n).Recordset()->RecordCount()));
}

// The module's version record names the box that keeps its date: characters
// 20 to 22 of its Funcion, the date being characters 5 to 14.
void Frm942::GrabaCasillaParametro(const std::string& sFormulario) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(
      "Select * from param where numero = '856'  and argumento='" + sFormulario + "'",
      dao::dbOpenSnapshot);
  if (!rs->Eof()) {
    std::string sFuncion = ((*rs)("Funcion").Value() & vb::Variant("")).ToString();
    if (!vb::Trim(vb::Mid(sFuncion, 20, 3)).empty())
      GrabarCasilla(vb::Mid(sFuncion, 20, 3), vb::Mid(sFuncion, 5, 10));
  }
  rs->Close();
}

}  // namespace korva
