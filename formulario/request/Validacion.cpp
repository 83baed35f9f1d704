#include "formulario/request/Validacion.h"

#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/variant.h"

namespace korva {
namespace {

std::string AnioMesDia(const std::string& sFecha) {
  return vb::Format(vb::Variant(vb::CDate(vb::Variant(sFecha))), "yyyymmdd");
}

}  // namespace

// The dates compare as yyyymmdd texts; a month that falls before January goes
// back into the previous year.
std::string PeriodoMaximo(const std::string& sFechaAcog, const std::string& sFechaVenc,
                          const std::string& sBuenContrib) {
  vb::Date dVence = vb::CDate(vb::Variant(sFechaVenc));
  int nMeses = AnioMesDia(sFechaAcog) > AnioMesDia(sFechaVenc) || sBuenContrib == "1" ? 2 : 3;
  int nMes = vb::Month(dVence) - nMeses;
  int nAnio = vb::Year(dVence);
  if (nMes <= 0) {
    nMes += 12;
    nAnio -= 1;
  }
  return std::to_string(nAnio) + vb::Format(vb::Variant(nMes), "00");
}

std::string TextoNumero(double x) { return vb::CStr(vb::Variant(x)); }

std::string TextoSoles(double x) { return vb::Format(vb::Variant(TextoNumero(x)), "############0"); }

}  // namespace korva
