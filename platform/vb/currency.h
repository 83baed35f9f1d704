#pragma once
#include <compare>
#include <cstdint>

namespace vb {

// The runtime's Currency: a 64-bit integer counting ten-thousandths, so sums and
// differences of amounts are exact. Conversions from Double round half to even
// at the fourth decimal; a value outside the range raises error 6.
class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(std::int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  static Currency FromDouble(double value);
  static Currency FromInteger(std::int64_t units);

  constexpr std::int64_t Raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(raw_) / kScale; }

  friend constexpr auto operator<=>(Currency, Currency) = default;
  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  friend Currency operator*(Currency a, Currency b);
  friend double operator/(Currency a, Currency b);
  Currency operator-() const;
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }

 private:
  std::int64_t raw_ = 0;
};

}  // namespace vb
