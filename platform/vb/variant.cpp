#include "platform/vb/variant.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "platform/vb/conv.h"
#include "platform/vb/error.h"

namespace vb {
namespace {

template <typename Target>
Target CheckedIntegral(double value) {
  double rounded = std::nearbyint(value);  // half to even
  if (std::isnan(rounded) || rounded < static_cast<double>(std::numeric_limits<Target>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Target>::max()))
    Raise(6);
  return static_cast<Target>(rounded);
}

int TypeRank(const Variant& v) {
  if (v.IsEmpty()) return 0;
  if (v.IsString()) return 2;
  return 1;
}

}  // namespace

Variant::Variant(long value) : value_(std::int32_t{0}) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    value_ = static_cast<double>(value);
  else
    value_ = static_cast<std::int32_t>(value);
}

Variant::Variant(long long value) : Variant(static_cast<long>(value)) {}

Variant Variant::Integer(std::int16_t value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::Long(std::int32_t value) {
  Variant v;
  v.value_ = value;
  return v;
}

Variant Variant::Byte(std::uint8_t value) {
  Variant v;
  v.value_ = value;
  return v;
}

bool Variant::IsNumber() const {
  switch (Type()) {
    case vbInteger: case vbLong: case vbSingle: case vbDouble: case vbCurrency: case vbByte:
      return true;
    default:
      return false;
  }
}

std::string Variant::ToString() const {
  switch (Type()) {
    case vbEmpty: return "";
    case vbNull: Raise(94);
    case vbInteger: return std::to_string(std::get<std::int16_t>(value_));
    case vbLong: return std::to_string(std::get<std::int32_t>(value_));
    case vbByte: return std::to_string(std::get<std::uint8_t>(value_));
    case vbSingle: return SingleText(std::get<float>(value_));
    case vbDouble: return NumberText(std::get<double>(value_));
    case vbCurrency: return CurrencyText(std::get<Currency>(value_));
    case vbDate: return DateText(std::get<Date>(value_));
    case vbString: return std::get<std::string>(value_);
    case vbBoolean: return std::get<bool>(value_) ? "True" : "False";
  }
  Raise(13);
}

double Variant::ToDouble() const {
  switch (Type()) {
    case vbEmpty: return 0;
    case vbNull: Raise(94);
    case vbInteger: return std::get<std::int16_t>(value_);
    case vbLong: return std::get<std::int32_t>(value_);
    case vbByte: return std::get<std::uint8_t>(value_);
    case vbSingle: return std::get<float>(value_);
    case vbDouble: return std::get<double>(value_);
    case vbCurrency: return std::get<Currency>(value_).ToDouble();
    case vbDate: return std::get<Date>(value_).serial;
    case vbString: return ParseNumber(std::get<std::string>(value_));
    case vbBoolean: return std::get<bool>(value_) ? -1 : 0;
  }
  Raise(13);
}

std::int32_t Variant::ToLong() const { return CheckedIntegral<std::int32_t>(ToDouble()); }
std::int16_t Variant::ToInteger() const { return CheckedIntegral<std::int16_t>(ToDouble()); }
std::uint8_t Variant::ToByte() const { return CheckedIntegral<std::uint8_t>(ToDouble()); }

Currency Variant::ToCurrency() const {
  if (Type() == vbCurrency) return std::get<Currency>(value_);
  if (Type() == vbString) return CCur(*this);
  return Currency::FromDouble(ToDouble());
}

Date Variant::ToDate() const {
  switch (Type()) {
    case vbNull: Raise(94);
    case vbDate: return std::get<Date>(value_);
    case vbString: return ParseDate(std::get<std::string>(value_));
    default: return Date{ToDouble()};
  }
}

bool Variant::ToBool() const {
  if (Type() == vbBoolean) return std::get<bool>(value_);
  if (Type() == vbString) {
    std::string s = std::get<std::string>(value_);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (s == "true" || s == "verdadero") return true;
    if (s == "false" || s == "falso") return false;
  }
  return ToDouble() != 0;
}

bool operator==(const Variant& a, const Variant& b) { return Compare(a, b) == Comparison::Equal; }

Variant operator&(const Variant& a, const Variant& b) {
  if (a.IsNull() && b.IsNull()) return Null;
  std::string left = a.IsNull() ? std::string() : a.ToString();
  std::string right = b.IsNull() ? std::string() : b.ToString();
  return Variant(left + right);
}

Comparison Compare(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return Comparison::Null;
  int rankA = TypeRank(a);
  int rankB = TypeRank(b);
  auto order = [](auto x, auto y) {
    if (x < y) return Comparison::Less;
    if (y < x) return Comparison::Greater;
    return Comparison::Equal;
  };
  if (rankA == 2 && rankB == 2) return order(a.ToString(), b.ToString());
  if (rankA == 0 && rankB == 2) return order(std::string(), b.ToString());
  if (rankA == 2 && rankB == 0) return order(a.ToString(), std::string());
  if (rankA == 2) return Comparison::Greater;  // a number sorts before any text
  if (rankB == 2) return Comparison::Less;
  if (a.Type() == vbCurrency && b.Type() == vbCurrency) return order(a.ToCurrency(), b.ToCurrency());
  return order(a.ToDouble(), b.ToDouble());
}

VbVarType VarType(const Variant& v) { return v.Type(); }

}  // namespace vb
