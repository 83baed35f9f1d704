#pragma once
#include <optional>
#include <string>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/variant.h"

// The arithmetic of the payment mode and of the interest update, as functions of
// the texts and amounts the boxes and the debt rows hold. The request form's
// handlers read their boxes, call these and write the results; the reported-debt
// window computes its interest with the same pieces. Every rounding goes through
// the runtime's Format, CCur and Currency sums, so each window gets the same cents.
namespace korva {

// The monthly interest rate TIM for an acceptance month "yyyymm", compared as
// text: "1.5" for months before 201003, "1.2" from then on (and for any text that
// does not sort before "201003").
std::string TasaInteresMensual(const std::string& sFecha);

// The accepted debt of a declaration from the sum of its accepted amounts, in
// whole soles with "," thousands separators; "" when there is no row to sum
// (the sum is Null), so that no payment form can be given for nothing.
std::string TextoDeudaAcogida(const vb::Variant& vSuma);

// The annuity that repays cMonto less cCuotaIni in iCuotas monthly instalments
// at 80 % of the rate sTIM, as plain unrounded text ("." decimal point, no
// separators); the caller's pattern rounds it to whole soles. "" when there is
// no rate to read (sTIM empty or zero) or fewer than one instalment: the
// instalment box then stays empty instead of dividing by zero.
std::string CuotaFraccionamiento(const std::string& sTIM, int iCuotas, double cMonto,
                                 double cCuotaIni);

// The minimum initial payment: a percentage of the debt sDeuda (box b, "," may
// group thousands) chosen by the payment form sTipo ("2" deferral with
// instalments, anything else instalments only), the number of instalments
// (leading number of sCuotasFrac, 0 when blank) and whether the debt is above
// 3 UIT; rounded to whole soles with halves away from zero. 0 for a blank debt
// and for every taxpayer whose good-taxpayer flag is not "0".
double CuotaInicialMinima(const std::string& sDeuda, vb::Currency dUit, const std::string& sTipo,
                          const std::string& sCuotasFrac, const std::string& sBuenContrib);

// What the guarantee rule reads of the open declaration besides its boxes.
struct DatosGarantia {
  std::string sBuenContrib;   // "1" good taxpayer
  std::string sMtoDeuda;      // other debt of the taxpayer (leading number)
  std::string sIndGarantia;   // guarantee indicator of the debt file
  std::string sTipoPersona;   // "1"/"0", "" before the grids first load
};

// Whether a guarantee is required (true "SI", false "NO"), or nullopt when the
// rule leaves the box as it is (a blank debt of a taxpayer who is not a good
// one). The total is the debt plus the other debt, less the initial payment
// sCuotaAcog only for payment form "0"; it is summed as Currency, so a total of
// exactly 100 UIT is "up to 100 UIT".
std::optional<bool> RequiereGarantia(const std::string& sDeuda, vb::Currency dUit,
                                     const std::string& sCuotaAcog, const std::string& sFormaPago,
                                     const DatosGarantia& datos);

// The year-end case of the interest update: the declaration's period sPeriodo
// (yyyymm) is a December and the acceptance date text sFechaAcog (dd/mm/yyyy) is
// in January.
bool EsCierreAnual(const std::string& sPeriodo, const std::string& sFechaAcog);
// 31 December of the period's year, the date at which that case capitalises.
vb::Date FechaCierre(const std::string& sPeriodo);

// Interest capitalised at 31 December: nInteresCierre the interest on the tax
// plus the capitalised interest from dDesde to dCierre, nBase that interest plus
// the capitalised interest, the tax and the interest (Currency sums), and
// sInteres the interest on nBase from dCierre to dHasta as CalculaInteres writes
// it ("#,###,###,##0.00"). Blank amounts count as 0.
struct Capitalizacion {
  vb::Currency nInteresCierre;
  vb::Currency nBase;
  std::string sInteres;
};
Capitalizacion CapitalizaAlCierre(const std::string& sTributo, const std::string& sInteresCap,
                                  const std::string& sInteres, vb::Date dDesde, vb::Date dCierre,
                                  vb::Date dHasta);

// The amounts of one accepted debt row that the interest update reads, and what
// it writes back: the accepted interest with two decimals and the accepted
// updated total in whole soles, both without separators.
struct MontosDeuda {
  std::string sTributoC;   // mto_tributo_c
  std::string sIntCapS;    // mto_int_cap_s
  std::string sIntS;       // mto_int_s
};
struct InteresActualizado {
  std::string sIntC;   // mto_int_c
  std::string sActC;   // mto_act_c
};

// The accepted debt brought from the debt file's date dDescarga up to the
// acceptance date sFechaAcog (dd/mm/yyyy) at the rate gsTIM, starting again from
// the reported interest every time; in the year-end case the interest up to 31
// December is capitalised first. A blank amount counts as 0.
InteresActualizado ActualizaInteres(const MontosDeuda& deuda, vb::Date dDescarga,
                                    const std::string& sFechaAcog, const std::string& sPeriodo);

}  // namespace korva
