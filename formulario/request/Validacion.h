#pragma once
// The figures and number texts of the whole-declaration validation.
#include <string>

namespace korva {

// The latest period (yyyymm) a debt the taxpayer adds may be of: two months
// before the due date sFechaVenc when the acceptance date sFechaAcog is later,
// otherwise two months for a good taxpayer ("1") and three for anyone else.
// Both dates are dd/mm/yyyy texts; one that is not a date raises 13.
std::string PeriodoMaximo(const std::string& sFechaAcog, const std::string& sFechaVenc,
                          const std::string& sBuenContrib);

// A figure in a finding as the runtime's general conversion writes it: no
// thousands separator, no trailing zeros, "." before decimals (10, 360, 182.5).
std::string TextoNumero(double x);
// The same rounded to whole soles, halves away from zero (182.5 gives 183).
std::string TextoSoles(double x);

}  // namespace korva
