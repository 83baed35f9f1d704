#include "platform/vb/conv.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/vb/decimal.h"
#include "platform/vb/error.h"

namespace vb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string TrimBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ReadSign(const std::string& text, std::size_t& pos) {
  if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-')) return false;
  return text[pos++] == '-';
}

// &H and &O literals: up to four digits make a 16-bit Integer and up to eight a
// 32-bit Long, both two's complement, so "&HFFFF" is -1 as the runtime reads it.
std::optional<double> RadixValue(const std::string& digits, int radix) {
  if (digits.empty()) return 0.0;
  unsigned long long value = 0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
  if (result.ec != std::errc() || value > 0xFFFFFFFFULL) return std::nullopt;
  int bitsPerDigit = radix == 16 ? 4 : 3;
  if (digits.size() * bitsPerDigit <= 16 && value <= 0xFFFF)
    return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Reads "&H..."/"&O..."/"&..." from `pos` (at the "&"); `pos` ends after the digits.
std::optional<double> ReadRadix(const std::string& text, std::size_t& pos) {
  ++pos;
  int radix = 8;
  if (pos < text.size() && Upper(text[pos]) == 'H') {
    radix = 16;
    ++pos;
  } else if (pos < text.size() && Upper(text[pos]) == 'O') {
    ++pos;
  }
  std::size_t start = pos;
  while (pos < text.size() &&
         (radix == 16 ? std::isxdigit(static_cast<unsigned char>(text[pos])) != 0
                      : text[pos] >= '0' && text[pos] <= '7'))
    ++pos;
  return RadixValue(text.substr(start, pos - start), radix);
}

// Exponent digits beyond this are an overflow whatever the mantissa.
constexpr int kExponentLimit = 100000;

// An exponent ("E", "e", "D" or "d", a sign, digits) at `pos`, if there is one:
// 0 when none starts there, nothing when it starts but has no digits.
std::optional<int> ReadOptionalExponent(const std::string& text, std::size_t& pos) {
  if (pos >= text.size() || std::string("EeDd").find(text[pos]) == std::string::npos) return 0;
  std::size_t start = pos++;
  bool negative = ReadSign(text, pos);
  long exponent = 0;
  bool any = false;
  while (pos < text.size() && IsDigit(text[pos])) {
    exponent = std::min<long>(exponent * 10 + (text[pos++] - '0'), kExponentLimit);
    any = true;
  }
  if (!any) {
    pos = start;
    return std::nullopt;
  }
  return static_cast<int>(negative ? -exponent : exponent);
}

enum class Groups { Allowed, Refused };

// Digits before the point; with groups allowed, a "," after a digit is skipped.
std::string ReadWholeDigits(const std::string& text, std::size_t& pos, Groups groups) {
  std::string digits;
  while (pos < text.size()) {
    char c = text[pos];
    bool groupMark = c == ',' && groups == Groups::Allowed && !digits.empty();
    if (!IsDigit(c) && !groupMark) break;
    if (IsDigit(c)) digits += c;
    ++pos;
  }
  return digits;
}

std::string ReadFractionDigits(const std::string& text, std::size_t& pos) {
  std::string digits;
  if (pos >= text.size() || text[pos] != '.') return digits;
  ++pos;
  while (pos < text.size() && IsDigit(text[pos])) digits += text[pos++];
  return digits;
}

Decimal DecimalOfParts(bool negative, const std::string& whole, const std::string& fraction,
                       int exponent) {
  return Decimal::FromDigits(negative, whole + fraction, static_cast<int>(whole.size()) + exponent);
}

Decimal DecimalOfDouble(double value) {
  if (value == 0) return Decimal{};
  return Decimal::FromDouble(value, 17);
}

Currency CurrencyOfDecimal(const Decimal& value) {
  Decimal rounded = value.RoundedHalfEven(4);
  if (rounded.pointPos + 4 > 19) Raise(6);
  __int128 raw = 0;
  for (char digit : rounded.IntegerDigits() + rounded.FractionDigits(4)) raw = raw * 10 + (digit - '0');
  if (rounded.negative) raw = -raw;
  if (raw > std::numeric_limits<std::int64_t>::max() || raw < std::numeric_limits<std::int64_t>::min())
    Raise(6);
  return Currency::FromRaw(static_cast<std::int64_t>(raw));
}

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

std::string TimeText(Date d) {
  int hour = Hour(d);
  int twelve = hour % 12 == 0 ? 12 : hour % 12;
  return TwoDigits(twelve) + ":" + TwoDigits(Minute(d)) + ":" + TwoDigits(Second(d)) +
         (hour < 12 ? " a.m." : " p.m.");
}

std::string DayText(Date d) {
  std::string year = std::to_string(Year(d));
  year.insert(0, year.size() < 4 ? 4 - year.size() : 0, '0');
  return TwoDigits(Day(d)) + "/" + TwoDigits(Month(d)) + "/" + year;
}

bool HasTime(Date d) { return Hour(d) != 0 || Minute(d) != 0 || Second(d) != 0; }

// The digits of Hex and Oct. A negative value within Long's range is written as
// its 32-bit two's complement, as the runtime writes it (Hex(-1) is "FFFFFFFF").
std::string Digits(long long value, int base) {
  unsigned long long bits = value >= std::numeric_limits<std::int32_t>::min() && value < 0
                                ? static_cast<std::uint32_t>(value)
                                : static_cast<unsigned long long>(value);
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, base);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<Decimal> ReadRegionalNumber(const std::string& input) {
  std::string text = TrimBlanks(input);
  std::size_t pos = 0;
  bool negative = ReadSign(text, pos);
  if (pos < text.size() && text[pos] == '&') {
    std::optional<double> value = ReadRadix(text, pos);
    bool hasDigits = std::isxdigit(static_cast<unsigned char>(text.back())) != 0;
    if (!value || pos != text.size() || !hasDigits) return std::nullopt;
    return DecimalOfDouble(negative ? -*value : *value);
  }
  std::string whole = ReadWholeDigits(text, pos, Groups::Allowed);
  std::string fraction = ReadFractionDigits(text, pos);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  std::optional<int> exponent = ReadOptionalExponent(text, pos);
  if (!exponent || pos != text.size()) return std::nullopt;
  return DecimalOfParts(negative, whole, fraction, *exponent);
}

double Val(const std::string& input) {
  std::string text;
  for (char c : input)
    if (c != ' ' && c != '\t' && c != '\n') text += c;
  std::size_t pos = 0;
  bool negative = ReadSign(text, pos);
  if (pos < text.size() && text[pos] == '&') {
    std::optional<double> value = ReadRadix(text, pos);
    if (!value) Raise(6);
    return negative ? -*value : *value;
  }
  std::string whole = ReadWholeDigits(text, pos, Groups::Refused);
  std::string fraction = ReadFractionDigits(text, pos);
  if (whole.empty() && fraction.empty()) return 0;
  return DecimalOfParts(negative, whole, fraction, ReadOptionalExponent(text, pos).value_or(0)).ToDouble();
}

double ParseNumber(const std::string& text) {
  std::optional<Decimal> value = ReadRegionalNumber(text);
  if (!value) Raise(13);
  return value->ToDouble();
}

Currency CCur(const Variant& value) {
  if (value.Type() == vbCurrency) return value.As<Currency>();
  if (value.IsString()) {
    std::optional<Decimal> number = ReadRegionalNumber(value.As<std::string>());
    if (!number) Raise(13);
    return CurrencyOfDecimal(*number);
  }
  return Currency::FromDouble(value.ToDouble());
}

double CDbl(const Variant& value) { return value.ToDouble(); }

float CSng(const Variant& value) {
  double number = value.ToDouble();
  if (std::fabs(number) > std::numeric_limits<float>::max()) Raise(6);
  return static_cast<float>(number);
}

std::int16_t CInt(const Variant& value) { return value.ToInteger(); }
std::int32_t CLng(const Variant& value) { return value.ToLong(); }
std::uint8_t CByte(const Variant& value) { return value.ToByte(); }
bool CBool(const Variant& value) { return value.ToBool(); }

Date CDate(const Variant& value) {
  if (value.IsString() || value.Type() == vbDate) return value.ToDate();
  Date d{value.ToDouble()};
  if (d.serial < -657434.0 || d.serial >= 2958466.0) Raise(6);
  return d;
}

bool IsNumeric(const Variant& value) {
  switch (value.Type()) {
    case vbNull:
    case vbDate:
      return false;
    case vbString:
      return ReadRegionalNumber(value.As<std::string>()).has_value();
    default:
      return true;
  }
}

bool IsDate(const Variant& value) {
  if (value.Type() == vbDate) return true;
  if (!value.IsString()) return false;
  try {
    ParseDate(value.As<std::string>());
    return true;
  } catch (const Error&) {
    return false;
  }
}

std::string CStr(const Variant& value) { return value.ToString(); }

std::string NumberText(double value) { return Decimal::FromDouble(value, 15).ToText(15); }

std::string SingleText(float value) { return Decimal::FromDouble(value, 7).ToText(7); }

std::string CurrencyText(Currency value) { return Decimal::FromCurrency(value).ToText(19); }

std::string DateText(Date value) {
  bool time = HasTime(value);
  if (DateOnly(value).serial == 0 && (time || value.serial == 0)) return TimeText(value);
  if (!time) return DayText(value);
  return DayText(value) + " " + TimeText(value);
}

std::string Str(double value) {
  std::string text = NumberText(value);
  return text[0] == '-' ? text : " " + text;
}

std::string Hex(long long value) {
  std::string text = Digits(value, 16);
  for (char& c : text) c = Upper(c);
  return text;
}

std::string Oct(long long value) { return Digits(value, 8); }

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }
double Abs(double value) { return std::fabs(value); }
int Sgn(double value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

double Round(double value, int digits) {
  if (digits < 0) Raise(5);
  if (std::fabs(value) >= 1e15) return digits == 0 ? std::nearbyint(value) : value;
  return Decimal::FromDouble(value, 15).RoundedHalfEven(digits).ToDouble();
}

Currency Round(Currency value, int digits) {
  if (digits < 0) Raise(5);
  if (digits >= 4) return value;
  return CurrencyOfDecimal(Decimal::FromCurrency(value).RoundedHalfEven(digits));
}

}  // namespace vb
