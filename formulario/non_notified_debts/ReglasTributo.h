#pragma once
// The tax and period rules of a debt the administration did not report.
#include <initializer_list>
#include <string>

// What the tax code, the period and the week decide in the entry of a debt the
// administration did not report, as plain functions of the texts the window
// shows: tax codes in their 4-digit display form, the period's month and year as
// typed (an unfilled position holds "_", which sorts above every digit) and the
// week as the first character of its list's text. Every comparison is of texts,
// character by character.
namespace korva {

// Whether the text is one of the codes.
bool EsUno(const std::string& sTexto, std::initializer_list<const char*> codigos);

// "REFT", "SEAP" or "RESIT" for an instalment code of those earlier regimes
// (8026, 5229, 5328, 5056; 8027, 5232, 5329, 5057; 8028, 5233, 5330, 5058), ""
// for any other code.
std::string RegimenDeCuota(const std::string& sTributo);

// 2011, 2021, 2031, 2041: taxes paid by weeks.
bool EsTributoSemanal(const std::string& sTributo);
// 3011, 3021, 3031, 3041: yearly income taxes.
bool EsTributoAnual(const std::string& sTributo);
// 7151 (by quarters) and 3034 (by months): taxes paid by quotas, whose week
// field reads "Cuota" and which take a payment type.
bool EsTributoPorCuotas(const std::string& sTributo);

// Whether the capitalised interest may be typed: always for a period before
// December 2005 (month 13 of 2005 counts as late for 3071 and 3081 only); for a
// later one only for a yearly tax, or a weekly one whose week is not "0".
bool InteresCapitalizadoEditable(const std::string& sTributo, const std::string& sMes,
                                 const std::string& sAnio, const std::string& sSemana);

// The index of the quota entry that the period's month selects for 7151 (entries
// "1" to "4") or 3034 (entries "1" to "9"); -1 when the month selects none and
// the selection stays as it is.
int CuotaDelMes(const std::string& sTributo, const std::string& sMes, const std::string& sAnio);

// The accepted amount of three typed amounts (empty texts count as 0), rounded
// to whole units and written with two decimals ("1,235.00"); "" when all three
// are empty.
std::string MontoAcogido(const std::string& sTributo, const std::string& sInteresCap,
                         const std::string& sInteres);

}  // namespace korva
