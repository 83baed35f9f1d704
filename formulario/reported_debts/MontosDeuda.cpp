#include "formulario/reported_debts/MontosDeuda.h"

#include "formulario/core/ModGen01.h"
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

double Numero(const std::string& sMonto) { return vb::CDbl(vb::Variant(SinComas(sMonto))); }
vb::Currency Moneda(const std::string& sMonto) { return vb::CCur(vb::Variant(SinComas(sMonto))); }

std::string CeroSiVacio(const std::string& sTexto) { return sTexto.empty() ? "0" : sTexto; }

// The request of December of a year up to 2005 accepted in January.
bool Capitaliza(const std::string& sPeriodo, const std::string& sAceptacion) {
  return vb::Right(sPeriodo, 2) == "12" && vb::Mid(sAceptacion, 4, 2) == "01" &&
         vb::Left(sPeriodo, 4) <= std::string("2005");
}

}  // namespace

std::string SumaAcogida(const std::string& sTributo, const std::string& sCapitalizado,
                        const std::string& sInteres) {
  if (sTributo.empty() && sCapitalizado.empty() && sInteres.empty()) return "";
  double dTotal = Numero(sTributo) + Numero(sCapitalizado) + Numero(sInteres);
  return vb::Format(vb::Variant(dTotal), "#,###,###,##0");
}

std::string FormaEntrada(const std::string& sMonto) {
  return vb::Format(vb::Variant(SinComas(sMonto)), kEntrada);
}

std::string FormaEntradaInteres(const std::string& sMonto) {
  double dEntero = Numero(FormaEntrada(sMonto));
  return FormaEntrada(QuitaComas(vb::CStr(vb::Variant(vb::Abs(dEntero)))));
}

std::string FormaPresentacion(const std::string& sMonto) {
  return vb::Format(vb::Variant(SinComas(sMonto)), kPresentacion);
}

InteresConforme CalculaInteresConforme(const DatosInteres& d, bool bIncluida) {
  vb::Variant dAceptacion(vb::CDate(vb::Variant(d.sAceptacion)));
  std::string sInteres;
  std::string sCapitalizado;
  std::string sNoCapitalizado;
  if (!Capitaliza(d.sPeriodo, d.sAceptacion)) {
    sInteres = CalculaInteres(d.sTributo, d.sCapitalizado, vb::Variant(d.dReportado), dAceptacion);
    sCapitalizado = CeroSiVacio(d.sCapitalizado);
    sNoCapitalizado = CeroSiVacio(d.sNoCapitalizado);
  } else {
    vb::Variant dCierre(vb::CDate(vb::Variant("31/" + vb::Right(d.sPeriodo, 2) + "/" +
                                              vb::Left(d.sPeriodo, 4))));
    std::string sAlCierre =
        CalculaInteres(d.sTributo, d.sCapitalizado, vb::Variant(d.dReportado), dCierre);
    vb::Currency cBase = Moneda(sAlCierre) + Moneda(d.sCapitalizado) + Moneda(d.sTributo) +
                         Moneda(d.sNoCapitalizado);
    sInteres = vb::CurrencyText(
        Moneda(CalculaInteres(vb::Trim(vb::CurrencyText(cBase)), "0", dCierre, dAceptacion)));
    sCapitalizado = vb::CurrencyText(Moneda(sAlCierre) + Moneda(d.sNoCapitalizado) +
                                     Moneda(d.sCapitalizado));
    sNoCapitalizado = "0";
  }
  InteresConforme r;
  r.sCapitalizado = vb::Format(vb::Variant(Moneda(sCapitalizado)),
                               bIncluida ? "###,###,###,##0.00" : kPresentacion);
  vb::Currency cInteres = Moneda(sInteres) + Moneda(sNoCapitalizado);
  r.sInteres = vb::Format(vb::Variant(cInteres), "###,###,###,##0.00");
  vb::Currency cAcogido = Moneda(d.sTributo) + Moneda(sCapitalizado) + cInteres;
  r.sAcogido = vb::Format(vb::Variant(vb::Format(vb::Variant(cAcogido), "#,###,###,##0")),
                          "#,###,###,##0.00");
  return r;
}

}  // namespace korva
