#include "platform/vb/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/vb/error.h"

namespace vb {
namespace {

enum class Tie { AwayFromZero, ToEven };

// Adds one unit in the last place of `digits`; a carry out of the first digit
// lengthens the number by one place.
void Increment(std::string& digits, int& pointPos) {
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits.insert(digits.begin(), '1');
    ++pointPos;
  }
}

bool RoundsUp(const std::string& digits, int keep, Tie tie) {
  char first = digits[keep];
  if (first != '5') return first > '5';
  if (tie == Tie::AwayFromZero) return true;
  if (digits.find_first_not_of('0', keep + 1) != std::string::npos) return true;
  return keep > 0 && (digits[keep - 1] - '0') % 2 == 1;
}

Decimal Rounded(const Decimal& value, int decimals, Tie tie) {
  int keep = value.pointPos + decimals;
  if (keep >= static_cast<int>(value.digits.size())) return value;
  if (keep < 0) return Decimal{};
  std::string digits = value.digits.substr(0, keep);
  int pointPos = value.pointPos;
  if (RoundsUp(value.digits, keep, tie)) {
    if (digits.empty()) {
      digits = "1";
      ++pointPos;
    } else {
      Increment(digits, pointPos);
    }
  }
  return Decimal::FromDigits(value.negative, digits, pointPos);
}

std::string ExponentText(int exponent) {
  std::string text = exponent < 0 ? "E-" : "E+";
  int magnitude = std::abs(exponent);
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

}  // namespace

Decimal Decimal::FromDigits(bool negative, std::string digits, int pointPos) {
  std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return Decimal{};
  digits.erase(0, first);
  pointPos -= static_cast<int>(first);
  digits.erase(digits.find_last_not_of('0') + 1);
  return Decimal{negative, std::move(digits), pointPos};
}

Decimal Decimal::FromDouble(double value, int significant) {
  if (!std::isfinite(value)) Raise(6);
  if (value == 0) return Decimal{};
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                              std::chars_format::scientific, significant - 1);
  std::string text(buffer, result.ptr);
  std::size_t e = text.find('e');
  std::string digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
  int exponent = std::atoi(text.c_str() + e + 1);
  return FromDigits(value < 0, std::move(digits), exponent + 1);
}

Decimal Decimal::FromCurrency(Currency value) {
  std::int64_t raw = value.Raw();
  bool negative = raw < 0;
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(raw) : static_cast<unsigned long long>(raw);
  std::string digits = std::to_string(magnitude);
  int pointPos = static_cast<int>(digits.size()) - 4;
  return FromDigits(negative, std::move(digits), pointPos);
}

Decimal Decimal::RoundedHalfAway(int decimals) const {
  return Rounded(*this, decimals, Tie::AwayFromZero);
}

Decimal Decimal::RoundedHalfEven(int decimals) const { return Rounded(*this, decimals, Tie::ToEven); }

std::string Decimal::IntegerDigits() const {
  if (pointPos <= 0) return "";
  std::string text = digits.substr(0, std::min<std::size_t>(digits.size(), pointPos));
  text.append(pointPos - text.size(), '0');
  return text;
}

std::string Decimal::FractionDigits(int decimals) const {
  std::string text;
  for (int i = 0; i < decimals; ++i) {
    int index = pointPos + i;
    text += index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  }
  return text;
}

std::string Decimal::ToText(int significant) const {
  if (IsZero()) return "0";
  Decimal r = Rounded(*this, significant - pointPos, Tie::AwayFromZero);
  std::string sign = r.negative ? "-" : "";
  int exponent = r.pointPos - 1;
  if (exponent < -4 || exponent >= significant) {
    std::string mantissa = r.digits.substr(0, 1);
    if (r.digits.size() > 1) mantissa += "." + r.digits.substr(1);
    return sign + mantissa + ExponentText(exponent);
  }
  std::string whole = r.IntegerDigits();
  int decimals = std::max(0, static_cast<int>(r.digits.size()) - r.pointPos);
  std::string text = sign + (whole.empty() ? "0" : whole);
  if (decimals > 0) text += "." + r.FractionDigits(decimals);
  return text;
}

double Decimal::ToDouble() const {
  if (IsZero()) return 0;
  if (pointPos < -400) return 0;
  if (pointPos > 400) Raise(6);
  std::string text = "0." + digits + "e" + std::to_string(pointPos);
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (pointPos > 0) Raise(6);
    return 0;
  }
  return negative ? -value : value;
}

}  // namespace vb
