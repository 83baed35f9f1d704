#include "formulario/non_notified_debts/ReglasTributo.h"

#include <algorithm>

#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/variant.h"

namespace korva {
namespace {

// December 2005 on; month 13 of 2005 only for the two taxes that have one.
bool PeriodoTardio(const std::string& sTributo, const std::string& sMes, const std::string& sAnio) {
  return sAnio >= "2006" || (sMes == "12" && sAnio == "2005") ||
         (sMes == "13" && sAnio == "2005" && (sTributo == "3071" || sTributo == "3081"));
}

int CuotaTrimestral(const std::string& sMes, const std::string& sAnio) {
  if (sAnio == "2005" || sAnio >= "2006") {
    if (sMes == "04" || sMes == "05") return 0;
    if (sMes == "07") return 1;
    if (sMes == "10") return 2;
    if (sMes == "01") return 3;
    return -1;
  }
  if (sMes == "03") return 0;
  if (sMes == "06") return 1;
  if (sMes == "09") return 2;
  if (sMes == "12") return 3;
  return -1;
}

// March is the first quota. A month typed halfway ("0_") lies between "03" and
// "11" as a text but is no month: it selects nothing.
int CuotaMensual(const std::string& sMes) {
  if (sMes < "03" || sMes > "11") return -1;
  return std::max(static_cast<int>(vb::Val(sMes)) - 3, -1);
}

}  // namespace

bool EsUno(const std::string& sTexto, std::initializer_list<const char*> codigos) {
  return std::any_of(codigos.begin(), codigos.end(), [&](const char* c) { return sTexto == c; });
}

std::string RegimenDeCuota(const std::string& sTributo) {
  if (EsUno(sTributo, {"8026", "5229", "5328", "5056"})) return "REFT";
  if (EsUno(sTributo, {"8027", "5232", "5329", "5057"})) return "SEAP";
  if (EsUno(sTributo, {"8028", "5233", "5330", "5058"})) return "RESIT";
  return "";
}

bool EsTributoSemanal(const std::string& sTributo) {
  return EsUno(sTributo, {"2011", "2021", "2031", "2041"});
}

bool EsTributoAnual(const std::string& sTributo) {
  return EsUno(sTributo, {"3011", "3021", "3031", "3041"});
}

bool EsTributoPorCuotas(const std::string& sTributo) {
  return sTributo == "7151" || sTributo == "3034";
}

bool InteresCapitalizadoEditable(const std::string& sTributo, const std::string& sMes,
                                 const std::string& sAnio, const std::string& sSemana) {
  if (!PeriodoTardio(sTributo, sMes, sAnio)) return true;
  return EsTributoAnual(sTributo) || (EsTributoSemanal(sTributo) && sSemana != "0");
}

int CuotaDelMes(const std::string& sTributo, const std::string& sMes, const std::string& sAnio) {
  if (sTributo == "7151") return CuotaTrimestral(sMes, sAnio);
  if (sTributo == "3034") return CuotaMensual(sMes);
  return -1;
}

std::string MontoAcogido(const std::string& sTributo, const std::string& sInteresCap,
                         const std::string& sInteres) {
  if (sTributo.empty() && sInteresCap.empty() && sInteres.empty()) return "";
  auto numero = [](const std::string& s) { return vb::CDbl(vb::Variant(s.empty() ? "0" : s)); };
  double dSuma = numero(sTributo) + numero(sInteresCap) + numero(sInteres);
  return vb::Format(vb::Variant(vb::Format(vb::Variant(dSuma), "#,###,###,##0")),
                    "#,###,###,##0.00");
}

}  // namespace korva
