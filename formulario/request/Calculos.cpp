#include "formulario/request/Calculos.h"

#include <cmath>

#include "formulario/core/ModGen01.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

bool EnBlanco(const std::string& sTexto) { return vb::Trim(sTexto).empty(); }

// The percentage of the debt paid first, by the bands of instalments: payment
// form "2" starts its bands 6 instalments lower and ends them at 66.
double PorcentajeCuotaInicial(const std::string& sTipo, double n, bool bMayorTresUit) {
  const double nDesplazamiento = sTipo == "2" ? 6 : 0;
  struct Banda {
    double hasta;
    double porcentaje;
  };
  static constexpr Banda kBandas[] = {{24, 0.06}, {36, 0.08}, {48, 0.1}, {60, 0.12}, {72, 0.14}};
  if (n < 0 || n > 72 - nDesplazamiento) return 0;
  if (n <= 12 - nDesplazamiento) return bMayorTresUit ? 0.06 : 0;
  for (const Banda& banda : kBandas)
    if (n <= banda.hasta - nDesplazamiento) return banda.porcentaje;
  return 0;
}

}  // namespace

std::string TasaInteresMensual(const std::string& sFecha) {
  return sFecha < std::string("201003") ? "1.5" : "1.2";
}

std::string TextoDeudaAcogida(const vb::Variant& vSuma) {
  if (vSuma.IsNull()) return "";
  return vb::Format(vSuma, "###,###,###,##0");
}

std::string CuotaFraccionamiento(const std::string& sTIM, int iCuotas, double cMonto,
                                 double cCuotaIni) {
  double r = vb::Val(sTIM) * 0.8 / 100;
  if (iCuotas < 1 || r <= 0) return "";
  double f = std::pow(1 + r, iCuotas);
  return vb::NumberText(f * r * (cMonto - cCuotaIni) / (f - 1));
}

double CuotaInicialMinima(const std::string& sDeuda, vb::Currency dUit, const std::string& sTipo,
                          const std::string& sCuotasFrac, const std::string& sBuenContrib) {
  double n = EnBlanco(sCuotasFrac) ? 0 : vb::Fix(vb::Val(sCuotasFrac));
  if (EnBlanco(sDeuda)) return 0;
  double d = vb::CDbl(sDeuda);
  if (sBuenContrib != "0") return 0;
  double p = PorcentajeCuotaInicial(sTipo, n, d > (dUit * vb::Currency::FromInteger(3)).ToDouble());
  return vb::CDbl(vb::Format(d * p, "############0"));
}

std::optional<bool> RequiereGarantia(const std::string& sDeuda, vb::Currency dUit,
                                     const std::string& sCuotaAcog, const std::string& sFormaPago,
                                     const DatosGarantia& datos) {
  if (datos.sBuenContrib == "1") return false;
  vb::Currency nOtraDeuda =
      EnBlanco(datos.sMtoDeuda) ? vb::Currency() : vb::CCur(vb::Val(datos.sMtoDeuda));
  if (EnBlanco(sDeuda)) return std::nullopt;
  vb::Currency nTotal = vb::CCur(sDeuda) + nOtraDeuda;
  if (sFormaPago == "0") nTotal -= ConvierteMoneda(sCuotaAcog);
  if (datos.sIndGarantia != "0") return true;
  bool bMayorCienUit = nTotal > dUit * vb::Currency::FromInteger(100);
  if (bMayorCienUit) return datos.sTipoPersona != "0";
  return datos.sTipoPersona != "0" && datos.sTipoPersona != "1";
}

bool EsCierreAnual(const std::string& sPeriodo, const std::string& sFechaAcog) {
  return vb::Right(sPeriodo, 2) == "12" && vb::Mid(sFechaAcog, 4, 2) == "01";
}

vb::Date FechaCierre(const std::string& sPeriodo) {
  return vb::CDate("31/" + vb::Right(sPeriodo, 2) + "/" + vb::Left(sPeriodo, 4));
}

Capitalizacion CapitalizaAlCierre(const std::string& sTributo, const std::string& sInteresCap,
                                  const std::string& sInteres, vb::Date dDesde, vb::Date dCierre,
                                  vb::Date dHasta) {
  Capitalizacion cierre;
  cierre.nInteresCierre = ConvierteMoneda(CalculaInteres(sTributo, sInteresCap, dDesde, dCierre));
  cierre.nBase = cierre.nInteresCierre + ConvierteMoneda(sInteresCap) + ConvierteMoneda(sTributo) +
                 ConvierteMoneda(sInteres);
  cierre.sInteres = CalculaInteres(vb::Trim(vb::CurrencyText(cierre.nBase)), "0", dCierre, dHasta);
  return cierre;
}

InteresActualizado ActualizaInteres(const MontosDeuda& deuda, vb::Date dDescarga,
                                    const std::string& sFechaAcog, const std::string& sPeriodo) {
  vb::Date dAcogida = vb::CDate(sFechaAcog);
  vb::Currency nTributo = ConvierteMoneda(deuda.sTributoC);
  vb::Currency nReportado = ConvierteMoneda(deuda.sIntCapS) + ConvierteMoneda(deuda.sIntS);
  InteresActualizado montos;
  if (EsCierreAnual(sPeriodo, sFechaAcog)) {
    Capitalizacion cierre = CapitalizaAlCierre(deuda.sTributoC, deuda.sIntCapS, deuda.sIntS,
                                               dDescarga, FechaCierre(sPeriodo), dAcogida);
    vb::Currency nInteres = ConvierteMoneda(cierre.sInteres);
    montos.sIntC = vb::Format(nInteres, "###########0.00");
    montos.sActC =
        vb::Format(nTributo + nInteres + nReportado + cierre.nInteresCierre, "###########0");
  } else {
    vb::Currency nInteres =
        ConvierteMoneda(CalculaInteres(deuda.sTributoC, deuda.sIntCapS, dDescarga, dAcogida));
    montos.sIntC = vb::Format(ConvierteMoneda(deuda.sIntS) + nInteres, "###########0.00");
    montos.sActC = vb::Format(nTributo + nInteres + nReportado, "###########0");
  }
  return montos;
}

}  // namespace korva
