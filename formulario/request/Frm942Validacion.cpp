// The whole declaration's validation: the answers to the reported debts, the
// debts of the earlier instalment regimes, the latest period of an added debt,
// the added debts a declaration without reported ones needs, and the entity's
// payment-mode boxes, in that order.
#include <cstdint>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Casillas.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/FrmConsist.h"
#include "formulario/request/Validacion.h"
#include "platform/dao/dao.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr std::uint8_t kModoReporte = 0;

// An earlier instalment regime: the document type of the payment orders the
// administration reported under it, how many must be included at least, and the
// tax codes of the debts the taxpayer adds under it.
struct Regimen {
  const char* nombre;
  const char* tipoDoc;
  int minimo;
  const char* tributos;
};

constexpr Regimen kRegimenes[] = {
    {"REFT", "00100" "4", 2, "'080206', '052209', '053208', '050506'"},
    {"SEAP", "00100" "5", 2, "'080207', '052302', '053209', '050507'"},
    {"RESIT", "00100" "7", 3, "'080208', '052303', '053300', '050508'"},
};

// Conditions on a regime's rows; a Null column satisfies none of them.
constexpr const char* kIncluida = "AND ind_acog = 1 ";
constexpr const char* kExcluida = "AND ind_acog = 2 ";
constexpr const char* kLimpia = "AND ind_impugnado = '00' ";
constexpr const char* kImpugnada = "AND ind_impugnado <> '00' ";
constexpr const char* kOrden12 = "AND Num_ord_dj in ('1', '2') ";
constexpr const char* kOrden3 = "AND Num_ord_dj = '3' ";
constexpr const char* kOrden123 = "AND Num_ord_dj in ('1', '2', '3') ";

// The added debts whose period the latest allowed period does not limit.
constexpr const char* kTributosSinLimite =
    "'020101', '020201', '020301', '020401', '080206', '080207', '080208', '052209', '052302', "
    "'052303', '053208', '053209', '053300', '050506', '050507', '050508'";

std::string Casilla(int nCasilla) { return "Casilla " + std::to_string(nCasilla); }
// The number with one blank before it, so that two stand after the word.
std::string CasillaConBlanco(int nCasilla) { return "Casilla  " + std::to_string(nCasilla); }

// One run of the validation over the open form: the findings in report or
// quick mode, the result and the flag giInconsistencia.
class Validacion {
 public:
  Validacion(Frm942& frm, std::uint8_t nModo) : frm_(frm), bReporte_(nModo == kModoReporte) {}

  bool Ejecuta() {
    bool bSigue = frm_.nTipoDoc != 6 || (Respuestas() && Regimenes() && PeriodoPosterior());
    if (bSigue) OtrasDeudas();
    if (bSigue) CasillasDePago();
    return bResultado_;
  }

 private:
  // Every finding but the added debts' one: report mode writes its line and the
  // run goes on; quick mode stops at once (false).
  bool Hallazgo(const std::string& sMensaje) {
    gsMensaje = sMensaje;
    giInconsistencia = 1;
    bResultado_ = false;
    if (!bReporte_) return false;
    vb::Print(frm_.nArchivoReporte, gsMensaje);
    return true;
  }

  std::string Deudas(const std::string& sCondiciones) const {
    return "FROM TMP_F0942DEUDAS WHERE doc_id_d = " + vb::SqlText(frm_.sNumDoc) +
           " AND semana = " + std::to_string(gnSemana) + " " + sCondiciones;
  }

  static bool HayFilas(const std::string& sSQL) {
    gsSQL = sSQL;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly, dao::dbReadOnly);
    bool bFilas = !rs->Eof();
    rs->Close();
    return bFilas;
  }
  bool Existe(const std::string& sCondiciones) const {
    return HayFilas("SELECT 'x' " + Deudas(sCondiciones));
  }
  // A count of rows, as the 16-bit integer the checks add up.
  std::int16_t Cuenta(const std::string& sCondiciones) const {
    gsSQL = "SELECT count(*) AS nCont " + Deudas(sCondiciones);
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenForwardOnly, dao::dbReadOnly);
    std::int16_t nCuenta = vb::CInt((*rs)("nCont").Value());
    rs->Close();
    return nCuenta;
  }

  // B: every reported debt of the categories 01 to 03 answered.
  bool Respuestas() {
    const std::string sInformadas = "AND Ind_tip_deu in ('01', '02', '03') ";
    if (!Existe(sInformadas)) return true;
    if (!Existe(sInformadas + "AND ( ind_acog = 0 OR isnull(ind_acog) OR ( ind_acog = 1 AND "
                              "ind_conf = 2 AND mto_act_c = '' ) ) "))
      return true;
    return Hallazgo("Debe pronunciarse sobre todas las deudas informadas por TELVO en los rubros "
                    "valores o deudas autoliquidadas.");
  }

  // C: a regime's payment orders are included together, and then at least its
  // minimum of them.
  bool Regimenes() {
    for (const Regimen& regimen : kRegimenes)
      if (!ValidaRegimen(regimen)) return false;
    return true;
  }

  bool ValidaRegimen(const Regimen& r) {
    const std::string R = "AND Ind_tip_deu in ('01', '02', '03') AND Cod_tip_doc = '" +
                          std::string(r.tipoDoc) + "' ";
    const std::string A = std::string("AND Ind_tip_deu = '04' AND cod_tri in (") + r.tributos + ") ";
    const std::string M1 = std::string("Existen Ordenes de Pago ") + r.nombre +
                           " informadas por TELVO en el rubro valores que no han sido acogidas.";
    const std::string M2 = std::string("Para poder acoger las cuotas u Ops por ") + r.nombre +
                           ", como mínimo deben ser " + std::to_string(r.minimo) + ".";
    auto bajoMinimo = [&](int n) { return 0 < n && n < r.minimo; };
    if (Existe(A)) {
      int nTotal = vb::CInt(vb::Variant(Cuenta(R + kIncluida + kOrden123) + Cuenta(A)));
      if (bajoMinimo(nTotal) && !Hallazgo(M2)) return false;
      return !Existe(R + kExcluida + kLimpia + kOrden123) || Hallazgo(M1);
    }
    if (!Existe(R + kImpugnada)) {
      if (Existe(R + kExcluida) && Existe(R + kIncluida) && !Hallazgo(M1)) return false;
      if (giInconsistencia != 0 || !Existe(R + kIncluida)) return true;
      return !(bajoMinimo(Cuenta(R + kIncluida + kOrden12)) &&
               Cuenta(R + kIncluida + kLimpia + kOrden3) == 0) ||
             Hallazgo(M2);
    }
    if (Existe(R + kLimpia)) {
      if (Existe(R + kExcluida + kLimpia) && Existe(R + kIncluida) && !Hallazgo(M1)) return false;
      if (giInconsistencia != 0 || !bajoMinimo(Cuenta(R + kIncluida + kOrden12))) return true;
      int nFuera = Existe(R + kOrden3) ? Cuenta(R + kExcluida + kOrden3) : Cuenta(R + kExcluida);
      return nFuera <= 0 || Hallazgo(M2);
    }
    return !(bajoMinimo(Cuenta(R + kIncluida + kImpugnada + kOrden12)) &&
             Cuenta(R + kIncluida + kImpugnada + kOrden3) == 0) ||
           Hallazgo(M2);
  }

  // D: no added debt of a period after the latest one the due date allows.
  bool PeriodoPosterior() {
    std::string P = PeriodoMaximo(frm_.mkeFechaAcog.Text(), gsFechaVenc, gsBuenContrib);
    if (!Existe("AND Ind_tip_deu ='04' AND per_doc > '" + P + "' AND cod_for_dj <> '3' AND "
                "left(cod_tri,2) <> '06' AND cod_tri not in (" + kTributosSinLimite + ") "))
      return true;
    return Hallazgo("Ha registrado una o más deudas por periodos posteriores al máximo permitido: " +
                    vb::Right(P, 2) + "/" + vb::Left(P, 4));
  }

  // E: a declaration whose Valores grid holds only the "no debts" record needs
  // at least one other debt. This finding never stops the run; quick mode
  // shows the tab where the debt is entered, before it keeps the finding's
  // text, since the change of tab checks the identification again and that
  // check empties gsMensaje.
  void OtrasDeudas() {
    bool bSinValores =
        (frm_.TDBGrid(1).Columns("cod_tri").Value() & vb::Variant("")).ToString() == "0";
    const dao::RecordsetPtr& otras = frm_.Dat(3).Recordset();
    if (!bSinValores || (otras && !(otras->Bof() && otras->Eof()))) return;
    if (!bReporte_) frm_.SSTab1.SetTab(3);
    gsMensaje = "Debe ingresar al menos un registro en la opción otras deudas";
    bResultado_ = false;
    giInconsistencia = 1;
    if (bReporte_) vb::Print(frm_.nArchivoReporte, gsMensaje);
  }

  std::string T(int x) const { return frm_.txtValor(x).Text(); }
  bool Vacia(int x) const { return vb::Trim(T(x)).empty(); }
  // The amount in whole soles, without thousands separators.
  double V(int x) const { return vb::CDbl(vb::Variant(vb::Format(vb::Variant(T(x)), "##############0"))); }
  int N(int x) const { return vb::CInt(vb::Variant(T(x))); }

  std::string MensajeMinimoDeuda(int b) const {
    return Casilla(b) + ": La deuda acogida debe ser mayor o igual al " + TextoNumero(0.1 * 100) +
           "% de la UIT vigente, es decir mayor o igual a S/. " + TextoNumero(dUit_ * 0.1) +
           " nuevos soles.";
  }
  std::string MensajeCuotas(int b) const {
    return Casilla(b + 3) + ": Debe ingresar el número de cuotas de fraccionamiento.";
  }
  std::string MensajeUnaCuota(int b) const {
    return Casilla(b + 3) + ": El número de cuotas de fraccionamiento debe ser mayor a 1.";
  }
  std::string MensajeMeses(int b) const {
    return Casilla(b + 2) + ": Debe ingresar el número de meses de aplazamiento.";
  }
  // `sAl` is the text before "5%": the two branches write it with one blank or two.
  std::string MensajeMontoCuota(int x, const std::string& sAl) const {
    return Casilla(x) + ": El monto de la cuota de fraccionamiento debe ser mayor o igual al" + sAl +
           "5% de la UIT vigente, es decir mayor o igual a S/. " + TextoSoles(dUit_ * 0.05) +
           " nuevos soles.";
  }

  // F: the entity's payment-mode boxes, b its base box and i its initial payment.
  bool CasillasDePago() {
    const Bloque* bloque = BloqueDe(gnSemana);
    if (bloque) {
      frm_.nCasillaBase = bloque->base;
      frm_.nCasillaCuota = bloque->cuota;
    }
    dUit_ = ObtieneUIT().ToDouble();
    return Deuda() && Garantia() && CuotaInicial() && Plazos() &&
           (!Vacia(frm_.nCasillaCuota) ||
            Hallazgo(CasillaConBlanco(frm_.nCasillaCuota) + ": Debe ingresar la cuota de acogimiento."));
  }

  // F1 to F13: the accepted debt and the payment form's own boxes.
  bool Deuda() {
    const int b = frm_.nCasillaBase;
    if (T(b).empty())
      return Hallazgo(CasillaConBlanco(b) + ": La deuda acogida debe ser mayor a cero ");
    if (!Vacia(b)) {
      if (V(b) <= 0 && !Hallazgo(Casilla(b) + ": La deuda acogida debe ser mayor a cero.")) return false;
      if (V(b) < dUit_ * 0.1 && !Hallazgo(MensajeMinimoDeuda(b))) return false;
    }
    const std::string sForma = T(b + 1);
    if (sForma == "0") return Fraccionamiento(b, "  ");
    if (sForma == "1") {
      if (Vacia(b + 2) && !Hallazgo(MensajeMeses(b))) return false;
      return Vacia(b) || V(b) >= dUit_ * 0.1 || Hallazgo(MensajeMinimoDeuda(b));
    }
    if (sForma == "2") return (!Vacia(b + 2) || Hallazgo(MensajeMeses(b))) && Fraccionamiento(b, " ");
    // Only a box with no text at all lacks the payment form; any other text,
    // blanks included, is a payment form that no branch checks.
    if (sForma.empty()) return Hallazgo(CasillaConBlanco(b + 1) + ": Indique la Modalidad de Pago.");
    return true;
  }

  // The instalments of payment forms "0" and "2": their number and amount.
  bool Fraccionamiento(int b, const std::string& sAl) {
    if (Vacia(b + 3) && !Hallazgo(MensajeCuotas(b))) return false;
    if (vb::Trim(T(b + 3)) == "1" && !Hallazgo(MensajeUnaCuota(b))) return false;
    return Vacia(b + 4) || V(b + 4) >= dUit_ * 0.05 || Hallazgo(MensajeMontoCuota(b + 4, sAl));
  }

  // F14: a guarantee required needs its type.
  bool Garantia() {
    const int b = frm_.nCasillaBase;
    if (T(b + 6) != "SI") return true;
    for (int n = 0; n <= 2; ++n)
      if (frm_.ChkGarantia(n).Value() != forms::vbUnchecked) return true;
    return Hallazgo("Debe consignar el tipo de garantía de deuda.");
  }

  // F15 and F16: a taxpayer who is not a good one pays at least the minimum
  // initial payment, and a paid one at least 5 % of the UIT.
  bool CuotaInicial() {
    const int b = frm_.nCasillaBase;
    const int i = frm_.nCasillaCuota;
    if (gsBuenContrib != "0" || Vacia(i) || Vacia(b) || Vacia(b + 1)) return true;
    double M = frm_.CalculaCuotaInicial2(T(b), vb::Currency::FromDouble(dUit_), T(b + 1), T(b + 3), T(b + 2));
    if (vb::CDbl(vb::Variant(T(i))) < M)
      return Hallazgo(Casilla(i) + ": El monto de la cuota de acogimiento debe ser mayor o igual al "
                                   "monto mínimo, es decir mayor o igual a S/." + TextoNumero(M) +
                      " nuevos soles");
    if (V(i) > 0 && V(i) < dUit_ * 0.05)
      return Hallazgo(Casilla(i) + ": El monto de la cuota de acogimiento debe ser mayor o igual al  "
                                   "5% de la UIT vigente, es decir mayor o igual a S/. " +
                      TextoSoles(dUit_ * 0.05) + " nuevos soles.");
    return true;
  }

  // F17 and F18: at most six months of deferral and 72 instalments.
  bool Plazos() {
    const int b = frm_.nCasillaBase;
    if (T(b + 1) == "2" && !Vacia(b + 2)) {
      int L = Vacia(b) ? 0 : 6;
      if (N(b + 2) > L &&
          !Hallazgo(Casilla(b + 2) + ": Los meses de aplazamiento deben ser menores a " +
                    std::to_string(L) + "meses"))
        return false;
    }
    if (Vacia(b + 3) || Vacia(b) || Vacia(b + 1) || N(b + 3) <= 72) return true;
    return Hallazgo(Casilla(b + 3) +
                    ": El número de cuotas de fraccionamiento debe ser menor o igual a 72");
  }

  Frm942& frm_;
  bool bReporte_;
  bool bResultado_ = true;
  double dUit_ = 0;
};

}  // namespace

// Report mode (0) writes every finding to the report file its caller opened,
// closes it and shows the viewer, or says there is nothing to report; quick
// mode (2) returns at the first finding, writing and showing nothing.
bool Frm942::ValidaTodo(std::uint8_t& nModo) {
  try {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    gsMensaje.clear();
    giInconsistencia = 0;
    bool bResultado = Validacion(*this, nModo).Ejecuta();
    if (nModo != kModoReporte) return bResultado;
    vb::Close(nArchivoReporte);
    forms::Screen.SetMousePointer(forms::vbDefault);
    if (bResultado) {
      forms::MsgBox("La información de la declaración no presenta inconsistencias.",
                    forms::vbExclamation, Caption());
    } else {
      MuestraInconsistencias();
    }
    return bResultado;
  } catch (const vb::Error& error) {
    TerminaPorError("ValidaTodo", error);
  }
}

// A fresh viewer reads the report that was just closed.
void Frm942::MuestraInconsistencias() {
  forms::Release<FrmConsist>();
  forms::Instance<FrmConsist>().Show(forms::vbModal);
}

}  // namespace korva
