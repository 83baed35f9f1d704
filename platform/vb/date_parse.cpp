// Reading dates and times from texts in the enforced regional format.
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/vb/conv.h"
#include "platform/vb/error.h"

namespace vb {
namespace {

struct Clock12 {
  bool present = false;
  bool afternoon = false;
};

// The parts below are views of the text being read: a file loader reads two
// dates of every line, and copying each part cost more than reading it.
std::string_view Trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EndsWithLower(std::string_view text, std::string_view suffix) {
  if (text.size() <= suffix.size()) return false;
  std::string_view end = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    if (static_cast<char>(std::tolower(static_cast<unsigned char>(end[i]))) != suffix[i]) return false;
  }
  return true;
}

// Takes a trailing "a.m."/"p.m." (as the regional time format writes it) or "am"/"pm".
Clock12 TakeClockSuffix(std::string_view& text) {
  static const char* const kSuffixes[][2] = {{"a.m.", "a"}, {"p.m.", "p"}, {"a. m.", "a"},
                                             {"p. m.", "p"}, {"am", "a"},   {"pm", "p"}};
  for (const auto& suffix : kSuffixes) {
    std::string_view s = suffix[0];
    if (EndsWithLower(text, s)) {
      text = Trimmed(text.substr(0, text.size() - s.size()));
      return Clock12{true, suffix[1][0] == 'p'};
    }
  }
  return Clock12{};
}

std::vector<std::string_view> SplitOn(std::string_view text, std::string_view separators) {
  std::size_t count = 1;
  for (char c : text) count += separators.find(c) != std::string_view::npos;
  std::vector<std::string_view> parts;
  parts.reserve(count);
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (separators.find(text[i]) == std::string_view::npos) continue;
    parts.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::optional<int> Number(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A two-digit year is windowed (00-29 this century, 30-99 the last); a year written
// with three or four digits is taken as written.
std::optional<int> YearOf(std::string_view text) {
  std::optional<int> year = Number(text, 4);
  if (!year) return std::nullopt;
  if (text.size() <= 2) return *year < 30 ? 2000 + *year : 1900 + *year;
  if (*year < 100) return std::nullopt;
  return year;
}

std::optional<Date> ValidDay(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
    return std::nullopt;
  Date d = DateSerial(*year, *month, *day);
  if (Month(d) != *month) return std::nullopt;
  return d;
}

// dd/mm/yyyy as the regional settings give it, yyyy/mm/dd when the first part has
// three or more digits, mm/yyyy (the first of the month) and dd/mm (this year).
// A day or month out of range is no date: the text is never re-read month first.
std::optional<Date> DayPart(std::string_view text) {
  std::vector<std::string_view> parts = SplitOn(text, "/-");
  if (parts.size() == 3) {
    if (parts[0].size() >= 3)
      return ValidDay(YearOf(parts[0]), Number(parts[1], 2), Number(parts[2], 2));
    return ValidDay(YearOf(parts[2]), Number(parts[1], 2), Number(parts[0], 2));
  }
  if (parts.size() == 2) {
    if (parts[1].size() >= 3) return ValidDay(YearOf(parts[1]), Number(parts[0], 2), 1);
    if (parts[0].size() >= 3) return ValidDay(YearOf(parts[0]), Number(parts[1], 2), 1);
    return ValidDay(Year(Today()), Number(parts[1], 2), Number(parts[0], 2));
  }
  return std::nullopt;
}

std::optional<double> TimePart(std::string_view text, Clock12 clock) {
  std::vector<std::string_view> parts = SplitOn(text, ":");
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  std::optional<int> hour = Number(parts[0], 2);
  std::optional<int> minute = Number(parts[1], 2);
  std::optional<int> second = parts.size() == 3 ? Number(parts[2], 2) : 0;
  if (!hour || !minute || !second || *minute > 59 || *second > 59) return std::nullopt;
  if (clock.present) {
    if (*hour < 1 || *hour > 12) return std::nullopt;
    *hour = *hour % 12 + (clock.afternoon ? 12 : 0);
  } else if (*hour > 23) {
    return std::nullopt;
  }
  return (*hour * 3600 + *minute * 60 + *second) / 86400.0;
}

std::optional<Date> ReadDate(const std::string& input) {
  std::string_view text = Trimmed(input);
  Clock12 clock = TakeClockSuffix(text);
  std::vector<std::string_view> words;
  for (std::string_view word : SplitOn(text, " "))
    if (!word.empty()) words.push_back(word);
  if (words.empty() || words.size() > 2) return std::nullopt;
  std::optional<Date> day = Date{0};
  std::optional<double> time = 0.0;
  bool sawDay = false;
  bool sawTime = false;
  for (std::string_view word : words) {
    if (word.find(':') != std::string_view::npos) {
      if (sawTime) return std::nullopt;
      sawTime = true;
      time = TimePart(word, clock);
    } else {
      if (sawDay) return std::nullopt;
      sawDay = true;
      day = DayPart(word);
    }
  }
  if (!day || !time || (clock.present && !sawTime)) return std::nullopt;
  return Date{day->serial < 0 ? day->serial - *time : day->serial + *time};
}

}  // namespace

Date ParseDate(const std::string& text) {
  try {
    if (std::optional<Date> d = ReadDate(text)) return *d;
  } catch (const Error&) {
    // A year outside the runtime's range reads as no date at all.
  }
  Raise(13);
}

Date DateValue(const std::string& text) { return DateOnly(ParseDate(text)); }
Date TimeValue(const std::string& text) { return TimeOnly(ParseDate(text)); }

}  // namespace vb
