#pragma once
// Numbers as decimal digits, for rounding on the digits the user sees.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/vb/currency.h"

namespace vb {

// A number as decimal digits: the value is 0.d1d2...dn x 10^pointPos. Conversions
// and Format work on this form so that rounding happens on the decimal digits the
// user sees, never on the binary fraction of a Double (8.905 stored as 8.90499...
// still rounds to 8.91).
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading or trailing zeros; empty for zero
  int pointPos = 0;

  bool IsZero() const { return digits.empty(); }
  // The Double's shortest decimal form with at most `significant` digits.
  static Decimal FromDouble(double value, int significant = 15);
  static Decimal FromCurrency(Currency value);
  static Decimal FromDigits(bool negative, std::string digits, int pointPos);

  Decimal RoundedHalfAway(int decimals) const;
  Decimal RoundedHalfEven(int decimals) const;

  // The digits left of the point ("" for a value below 1) and `decimals` digits right
  // of it, zero-filled; the value must already be rounded to that many decimals.
  std::string IntegerDigits() const;
  std::string FractionDigits(int decimals) const;

  // Shortest plain or scientific text as the runtime's number-to-text conversion writes
  // it: 15 significant digits at most, "E+15"/"E-05" outside 1E-4 <= |x| < 1E15.
  std::string ToText(int significant = 15) const;
  double ToDouble() const;
};

// The exact decimal value of a text in the enforced regional number format (blanks
// around it, a sign, "," groups, one ".", an exponent, &H/&O), or nothing.
std::optional<Decimal> ReadRegionalNumber(const std::string& text);

}  // namespace vb
