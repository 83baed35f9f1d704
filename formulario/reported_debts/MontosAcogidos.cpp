#include "formulario/reported_debts/MontosAcogidos.h"

#include "formulario/core/ModGen01.h"
#include "formulario/request/Calculos.h"
#include "platform/vb/conv.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kEntrada = "###########0";
constexpr const char* kPresentacion = "###,###,###,##0";

// An amount text without its separators; empty, or not a number, reads 0.
std::string SinComas(const std::string& sMonto) {
  std::string sLimpio = QuitaComas(std::string(sMonto));
  return vb::IsNumeric(vb::Variant(sLimpio)) ? sLimpio : "0";
}

// The window capitalises at 31 December only for requests of a year up to 2005.
bool Capitaliza(const std::string& sPeriodo, const std::string& sAceptacion) {
  return EsCierreAnual(sPeriodo, sAceptacion) && vb::Left(sPeriodo, 4) <= std::string("2005");
}

}  // namespace

vb::Currency ImporteDeCaja(const std::string& sMonto) {
  return vb::CCur(vb::Variant(SinComas(sMonto)));
}

std::string SumaAcogida(const std::string& sTributo, const std::string& sCapitalizado,
                        const std::string& sInteres) {
  if (sTributo.empty() && sCapitalizado.empty() && sInteres.empty()) return "";
  vb::Currency cTotal = ImporteDeCaja(sTributo) + ImporteDeCaja(sCapitalizado) + ImporteDeCaja(sInteres);
  return vb::Format(vb::Variant(cTotal), "#,###,###,##0");
}

std::string MontoGuardado(const std::string& sMonto, bool bDecimales) {
  return vb::Format(vb::Variant(SinComas(sMonto)), bDecimales ? "###########0.00" : kEntrada);
}

std::string FormaEntrada(const std::string& sMonto) {
  return vb::Format(vb::Variant(SinComas(sMonto)), kEntrada);
}

std::string FormaEntradaInteres(const std::string& sMonto) {
  double dEntero = vb::CDbl(vb::Variant(SinComas(FormaEntrada(sMonto))));
  return FormaEntrada(QuitaComas(vb::CStr(vb::Variant(vb::Abs(dEntero)))));
}

std::string FormaPresentacion(const std::string& sMonto) {
  return vb::Format(vb::Variant(SinComas(sMonto)), kPresentacion);
}

InteresConforme CalculaInteresConforme(const DatosInteres& d, bool bIncluida) {
  vb::Date dAceptacion = vb::CDate(vb::Variant(d.sAceptacion));
  std::string sInteres;
  vb::Currency cCapitalizado;
  vb::Currency cNoCapitalizado;
  if (Capitaliza(d.sPeriodo, d.sAceptacion)) {
    Capitalizacion cierre = CapitalizaAlCierre(d.sTributo, d.sCapitalizado, d.sNoCapitalizado,
                                               d.dReportado, FechaCierre(d.sPeriodo), dAceptacion);
    sInteres = vb::CurrencyText(ConvierteMoneda(vb::Variant(cierre.sInteres)));
    cCapitalizado = cierre.nInteresCierre + ConvierteMoneda(vb::Variant(d.sNoCapitalizado)) +
                    ConvierteMoneda(vb::Variant(d.sCapitalizado));
  } else {
    sInteres = CalculaInteres(d.sTributo, d.sCapitalizado, vb::Variant(d.dReportado),
                              vb::Variant(dAceptacion));
    cCapitalizado = ConvierteMoneda(vb::Variant(d.sCapitalizado));
    cNoCapitalizado = ConvierteMoneda(vb::Variant(d.sNoCapitalizado));
  }
  vb::Currency cInteres = ConvierteMoneda(vb::Variant(sInteres)) + cNoCapitalizado;
  vb::Currency cAcogido = ConvierteMoneda(vb::Variant(d.sTributo)) + cCapitalizado + cInteres;
  InteresConforme r;
  r.sCapitalizado =
      vb::Format(vb::Variant(cCapitalizado), bIncluida ? "###,###,###,##0.00" : kPresentacion);
  r.sInteres = vb::Format(vb::Variant(cInteres), "###,###,###,##0.00");
  r.sAcogido = vb::Format(vb::Variant(vb::Format(vb::Variant(cAcogido), "#,###,###,##0")),
                          "#,###,###,##0.00");
  return r;
}

}  // namespace korva
