#include "platform/vb/format.h"

#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "platform/vb/conv.h"
#include "platform/vb/decimal.h"
#include "platform/vb/format_date.h"
#include "platform/vb/format_pattern.h"

namespace vb {
namespace {

struct NumberLayout {
  std::vector<PatternToken> whole;
  std::vector<PatternToken> fraction;
  bool hasPoint = false;
  int wholePlaceholders = 0;
  int requiredWholeDigits = 0;
  bool grouping = false;
  int thousandScales = 0;
  bool percent = false;
};

bool IsDigitPlaceholder(const PatternToken& t) { return t.kind == PatternToken::Digit; }

// "," groups when a digit placeholder stands on each side of it in the whole part;
// the commas after the last placeholder scale the value down by a thousand each.
void ReadCommas(NumberLayout& layout) {
  int lastPlaceholder = -1;
  for (int i = 0; i < static_cast<int>(layout.whole.size()); ++i)
    if (IsDigitPlaceholder(layout.whole[i])) lastPlaceholder = i;
  bool placeholderBefore = false;
  for (int i = 0; i < static_cast<int>(layout.whole.size()); ++i) {
    const PatternToken& t = layout.whole[i];
    if (IsDigitPlaceholder(t)) placeholderBefore = true;
    if (t.kind != PatternToken::Comma) continue;
    if (i > lastPlaceholder)
      ++layout.thousandScales;
    else if (placeholderBefore)
      layout.grouping = true;
  }
}

NumberLayout LayoutOf(const std::vector<PatternToken>& tokens) {
  NumberLayout layout;
  for (const PatternToken& t : tokens) {
    if (t.kind == PatternToken::Point && !layout.hasPoint) {
      layout.hasPoint = true;
      continue;
    }
    if (t.kind == PatternToken::Percent) layout.percent = true;
    PatternToken token = t;
    if (token.kind == PatternToken::Point) token = PatternToken{PatternToken::Literal, ".", 0};
    (layout.hasPoint ? layout.fraction : layout.whole).push_back(token);
  }
  int firstZero = -1;
  for (const PatternToken& t : layout.whole) {
    if (!IsDigitPlaceholder(t)) continue;
    if (t.symbol == '0' && firstZero < 0) firstZero = layout.wholePlaceholders;
    ++layout.wholePlaceholders;
  }
  layout.requiredWholeDigits = firstZero < 0 ? 0 : layout.wholePlaceholders - firstZero;
  ReadCommas(layout);
  return layout;
}

int FractionPlaceholders(const NumberLayout& layout) {
  int count = 0;
  for (const PatternToken& t : layout.fraction) count += IsDigitPlaceholder(t);
  return count;
}

// The whole digits fill the placeholders from the right; the first placeholder
// takes every digit left over, and literals stay where the pattern puts them. A
// pattern without whole placeholders writes the whole digits before its point.
std::string WholeText(const NumberLayout& layout, std::string digits) {
  if (static_cast<int>(digits.size()) < layout.requiredWholeDigits)
    digits.insert(0, layout.requiredWholeDigits - digits.size(), '0');
  const int n = static_cast<int>(digits.size());
  const int placeholders = layout.wholePlaceholders;
  std::string out;
  int next = 0;
  auto emit = [&](int count) {
    for (int k = 0; k < count; ++k, ++next) {
      if (layout.grouping && next > 0 && (n - next) % 3 == 0) out += ',';
      out += digits[next];
    }
  };
  int index = 0;
  for (const PatternToken& t : layout.whole) {
    if (t.kind == PatternToken::Literal) out += t.text;
    if (!IsDigitPlaceholder(t)) continue;
    emit(index == 0 ? std::max(0, n - (placeholders - 1)) : (n - placeholders + index >= 0 ? 1 : 0));
    ++index;
  }
  if (placeholders == 0 && layout.hasPoint) emit(n);
  return out;
}

std::string FractionText(const NumberLayout& layout, const Decimal& rounded) {
  int count = FractionPlaceholders(layout);
  std::string digits = rounded.FractionDigits(count);
  std::vector<char> symbols;
  for (const PatternToken& t : layout.fraction)
    if (IsDigitPlaceholder(t)) symbols.push_back(t.symbol);
  std::size_t keep = digits.size();
  while (keep > 0 && symbols[keep - 1] == '#' && digits[keep - 1] == '0') --keep;
  std::string out = layout.hasPoint ? "." : "";
  std::size_t index = 0;
  for (const PatternToken& t : layout.fraction) {
    if (t.kind == PatternToken::Literal) out += t.text;
    if (!IsDigitPlaceholder(t)) continue;
    if (index < keep) out += digits[index];
    ++index;
  }
  return out;
}

std::string FormatNumberSection(Decimal value, const NumberLayout& layout, bool withSign) {
  if (!value.IsZero()) value.pointPos += (layout.percent ? 2 : 0) - 3 * layout.thousandScales;
  Decimal rounded = value.RoundedHalfAway(FractionPlaceholders(layout));
  std::string sign = withSign && rounded.negative && !rounded.IsZero() ? "-" : "";
  return sign + WholeText(layout, rounded.IntegerDigits()) + FractionText(layout, rounded);
}

// A pattern as Format reads it: its sections, whether it writes a date, and each
// section's number layout.
struct ReadPattern {
  std::vector<std::string> sections;
  bool date = false;
  std::vector<NumberLayout> layouts;
};

// The programs format amounts with a handful of patterns, row after row: each is
// read once and kept (a few hundred at most, then the keeping starts over).
const ReadPattern& Read(const std::string& pattern) {
  thread_local std::map<std::string, ReadPattern, std::less<>> known;
  if (auto it = known.find(pattern); it != known.end()) return it->second;
  if (known.size() >= 256) known.clear();
  ReadPattern read;
  read.sections = SplitPatternSections(pattern);
  read.date = IsDatePattern(read.sections[0]) && !IsNumberPattern(read.sections[0]);
  for (const std::string& section : read.sections)
    read.layouts.push_back(LayoutOf(TokenizeNumberPattern(section)));
  return known.emplace(pattern, std::move(read)).first->second;
}

std::string FormatNumber(const Decimal& value, const ReadPattern& pattern) {
  const auto& sections = pattern.sections;
  if (value.negative && sections.size() >= 2 && !sections[1].empty()) {
    Decimal magnitude = value;
    magnitude.negative = false;
    return FormatNumberSection(magnitude, pattern.layouts[1], false);
  }
  if (value.IsZero() && sections.size() >= 3 && !sections[2].empty())
    return FormatNumberSection(value, pattern.layouts[2], false);
  return FormatNumberSection(value, pattern.layouts[0], true);
}

std::optional<Decimal> NumberOf(const Variant& value) {
  switch (value.Type()) {
    case vbEmpty: return Decimal{};
    case vbCurrency: return Decimal::FromCurrency(value.As<Currency>());
    case vbSingle: return Decimal::FromDouble(value.As<float>(), 7);
    case vbString: return ReadRegionalNumber(value.As<std::string>());
    default: return Decimal::FromDouble(value.ToDouble(), 15);
  }
}

std::optional<Date> DateOf(const Variant& value) {
  if (value.Type() == vbDate) return value.As<Date>();
  if (value.IsString()) {
    if (IsDate(value)) return ParseDate(value.As<std::string>());
    if (!IsNumeric(value)) return std::nullopt;
  }
  return CDate(Variant(value.ToDouble()));
}

std::string GeneralText(const Variant& value) {
  if (value.IsString()) return value.As<std::string>();
  return value.ToString();
}

}  // namespace

std::string Format(const Variant& value, const std::string& pattern) {
  if (value.IsNull()) return "";
  if (pattern.empty()) return GeneralText(value);
  const ReadPattern& read = Read(pattern);
  if (read.date) {
    std::optional<Date> date = DateOf(value);
    return date ? FormatDate(*date, read.sections[0]) : value.As<std::string>();
  }
  std::optional<Decimal> number = NumberOf(value);
  if (!number) return value.As<std::string>();
  return FormatNumber(*number, read);
}

// A whole Double below 10^15 is its own 15-digit form; any other value is rounded
// on its decimal digits as Format rounds it.
std::string FormatWholeNumber(double value, int width) {
  std::string digits;
  bool negative = false;
  if (std::isfinite(value) && std::fabs(value) < 1e15 && value == std::trunc(value)) {
    long long whole = static_cast<long long>(std::fabs(value));
    if (whole != 0) digits = std::to_string(whole);
    negative = value < 0 && whole != 0;
  } else {
    Decimal rounded = Decimal::FromDouble(value, 15).RoundedHalfAway(0);
    digits = rounded.IntegerDigits();
    negative = rounded.negative && !rounded.IsZero();
  }
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace vb
