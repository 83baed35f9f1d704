#pragma once
// Val, the regional conversions, CStr, Str, Hex, Oct and rounding.
#include <cstdint>
#include <string>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/variant.h"

namespace vb {

// Val reads the leading number of a text whatever the regional settings: blanks,
// tabs and line feeds are skipped anywhere, one "." at most, an exponent, the &H and
// &O prefixes; it stops at the first other character. Val("1,234.50") is 1.
double Val(const std::string& text);

// Regional conversions, always with the formats the program enforces: "," groups
// thousands, "." is the decimal point, dates are dd/mm/yyyy. They never look at the
// process's C locale. A text that is not a number raises 13, a value out of the
// target's range raises 6. Integer targets round half to even.
Currency CCur(const Variant& value);
double CDbl(const Variant& value);
float CSng(const Variant& value);
std::int16_t CInt(const Variant& value);
std::int32_t CLng(const Variant& value);
std::uint8_t CByte(const Variant& value);
bool CBool(const Variant& value);
Date CDate(const Variant& value);
bool IsNumeric(const Variant& value);
bool IsDate(const Variant& value);

// CStr: numbers in their shortest form with up to 15 significant digits (Single 7),
// "." as decimal point and no grouping; Currency with up to four decimals; a date
// as "dd/mm/yyyy", a date with time as "dd/mm/yyyy hh:mm:ss" and "a.m."/"p.m.", a
// time alone as "hh:mm:ss a.m."; Boolean as "True"/"False"; Null raises 94.
std::string CStr(const Variant& value);
std::string NumberText(double value);
std::string SingleText(float value);
std::string CurrencyText(Currency value);
std::string DateText(Date value);

// Text to number or date under the enforced regional formats (the core of the
// C... conversions above); raise 13 when the text is not one.
double ParseNumber(const std::string& text);
Date ParseDate(const std::string& text);
// The date part only and the time part only of such a text.
Date DateValue(const std::string& text);
Date TimeValue(const std::string& text);

// Str: like CStr for numbers, with a leading blank for positives.
std::string Str(double value);
// Hex and Oct of an integer; a negative Long is written as its 32-bit pattern.
std::string Hex(long long value);
std::string Oct(long long value);

// Int floors, Fix truncates; Round rounds half to even to `digits` decimals.
double Int(double value);
double Fix(double value);
double Round(double value, int digits = 0);
Currency Round(Currency value, int digits = 0);
double Abs(double value);
int Sgn(double value);

}  // namespace vb
