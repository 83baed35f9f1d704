#include "platform/vb/currency.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/vb/decimal.h"
#include "platform/vb/error.h"

namespace vb {
namespace {

constexpr double kMaxRaw = 9223372036854775807.0;

std::int64_t CheckedRaw(__int128 raw) {
  if (raw > std::numeric_limits<std::int64_t>::max() ||
      raw < std::numeric_limits<std::int64_t>::min())
    Raise(6);
  return static_cast<std::int64_t>(raw);
}

// Half to even on an exact 128-bit quotient.
__int128 DivideHalfEven(__int128 numerator, __int128 denominator) {
  __int128 quotient = numerator / denominator;
  __int128 remainder = numerator % denominator;
  if (remainder < 0) remainder = -remainder;
  __int128 twice = remainder * 2;
  bool negative = (numerator < 0) != (denominator < 0);
  if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
    quotient += negative ? -1 : 1;
  return quotient;
}

}  // namespace

// A Double is rounded on its 15-significant-digit decimal form, the value it shows,
// so 0.00015 (stored as 0.000149999...) becomes 0.0002 like the text "0.00015".
// From 1E11 on, 15 digits no longer reach the fourth decimal and the binary
// product is rounded instead.
Currency Currency::FromDouble(double value) {
  if (!std::isfinite(value)) Raise(6);
  if (std::fabs(value) < 1e11) {
    Decimal rounded = Decimal::FromDouble(value, 15).RoundedHalfEven(4);
    std::string digits = rounded.IntegerDigits() + rounded.FractionDigits(4);
    std::int64_t raw = digits.empty() ? 0 : std::stoll(digits);
    return FromRaw(rounded.negative ? -raw : raw);
  }
  double scaled = std::nearbyint(value * kScale);  // the default mode rounds half to even
  if (scaled >= kMaxRaw || scaled < -kMaxRaw) Raise(6);
  return FromRaw(static_cast<std::int64_t>(scaled));
}

Currency Currency::FromInteger(std::int64_t units) {
  return FromRaw(CheckedRaw(static_cast<__int128>(units) * kScale));
}

Currency operator+(Currency a, Currency b) {
  return Currency::FromRaw(CheckedRaw(static_cast<__int128>(a.raw_) + b.raw_));
}

Currency operator-(Currency a, Currency b) {
  return Currency::FromRaw(CheckedRaw(static_cast<__int128>(a.raw_) - b.raw_));
}

Currency operator*(Currency a, Currency b) {
  __int128 product = static_cast<__int128>(a.raw_) * b.raw_;
  return Currency::FromRaw(CheckedRaw(DivideHalfEven(product, Currency::kScale)));
}

double operator/(Currency a, Currency b) {
  if (b.raw_ == 0) Raise(11);
  return static_cast<double>(a.raw_) / static_cast<double>(b.raw_);
}

Currency Currency::operator-() const { return FromRaw(CheckedRaw(-static_cast<__int128>(raw_))); }

}  // namespace vb
