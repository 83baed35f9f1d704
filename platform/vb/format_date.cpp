#include "platform/vb/format_date.h"

#include <cctype>
#include <vector>

#include "platform/vb/conv.h"
#include "platform/vb/format_pattern.h"

namespace vb {
namespace {

constexpr const char* kMonthNames[] = {"enero", "febrero", "marzo",     "abril",   "mayo",      "junio",
                                       "julio", "agosto",  "setiembre", "octubre", "noviembre", "diciembre"};
constexpr const char* kMonthShort[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                       "jul", "ago", "set", "oct", "nov", "dic"};
constexpr const char* kDayNames[] = {"domingo", "lunes",   "martes", "miércoles",
                                     "jueves",  "viernes", "sábado"};
constexpr const char* kDayShort[] = {"dom", "lun", "mar", "mié", "jue", "vie", "sáb"};

struct PatternChar {
  bool code;
  std::string text;  // the literal, or the unquoted character
};

struct DateToken {
  char letter;  // d m y h n s w q c, 'A' for AM/PM, 'a' for A/P, 'R' for AMPM; 0 literal
  int count;
  std::string text;  // the literal, or the AM/PM spelling as written
};

std::vector<PatternChar> PatternCharsOf(const std::string& section) {
  std::vector<PatternChar> chars;
  ScanPattern(
      section, [&](const std::string& text) { chars.push_back(PatternChar{false, text}); },
      [&](char c, std::size_t) { chars.push_back(PatternChar{true, std::string(1, c)}); });
  return chars;
}

char LowerCode(const PatternChar& ch) {
  return ch.code ? static_cast<char>(std::tolower(static_cast<unsigned char>(ch.text[0]))) : 0;
}

// The case-insensitive code characters from `i` spelling `word`, if they do.
bool Spells(const std::vector<PatternChar>& chars, std::size_t i, const std::string& word) {
  if (i + word.size() > chars.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (LowerCode(chars[i + k]) != word[k]) return false;
  return true;
}

std::string Spelling(const std::vector<PatternChar>& chars, std::size_t i, std::size_t length) {
  std::string text;
  for (std::size_t k = 0; k < length; ++k) text += chars[i + k].text;
  return text;
}

std::vector<DateToken> TokensOf(const std::string& section) {
  std::vector<PatternChar> chars = PatternCharsOf(section);
  std::vector<DateToken> tokens;
  for (std::size_t i = 0; i < chars.size();) {
    char c = LowerCode(chars[i]);
    if (c != 0 && std::string("dmyhnsw").find(c) != std::string::npos) {
      std::size_t run = 1;
      while (i + run < chars.size() && LowerCode(chars[i + run]) == c) ++run;
      tokens.push_back(DateToken{c, static_cast<int>(run), {}});
      i += run;
    } else if (c == 'q' || c == 'c') {
      tokens.push_back(DateToken{c, 1, {}});
      ++i;
    } else if (Spells(chars, i, "am/pm")) {
      tokens.push_back(DateToken{'A', 1, Spelling(chars, i, 5)});
      i += 5;
    } else if (Spells(chars, i, "ampm")) {
      tokens.push_back(DateToken{'R', 1, {}});
      i += 4;
    } else if (Spells(chars, i, "a/p")) {
      tokens.push_back(DateToken{'a', 1, Spelling(chars, i, 3)});
      i += 3;
    } else {
      tokens.push_back(DateToken{0, 0, chars[i].text});
      ++i;
    }
  }
  return tokens;
}

char NeighbourLetter(const std::vector<DateToken>& tokens, std::size_t i, int step) {
  for (long k = static_cast<long>(i) + step; k >= 0 && k < static_cast<long>(tokens.size()); k += step)
    if (tokens[k].letter != 0) return tokens[k].letter;
  return 0;
}

// "m" and "mm" stand for minutes right after an hour or right before seconds.
void MarkMinutes(std::vector<DateToken>& tokens) {
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    DateToken& t = tokens[i];
    if (t.letter != 'm' || t.count > 2) continue;
    if (NeighbourLetter(tokens, i, -1) == 'h' || NeighbourLetter(tokens, i, 1) == 's') t.letter = 'n';
  }
}

bool HasClock12(const std::vector<DateToken>& tokens) {
  for (const DateToken& t : tokens)
    if (t.letter == 'A' || t.letter == 'a' || t.letter == 'R') return true;
  return false;
}

std::string Padded(int value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

int DayOfYear(Date d) { return static_cast<int>(DateOnly(d).serial - DateSerial(Year(d), 1, 1).serial) + 1; }

int WeekOfYear(Date d) {
  int firstWeekday = Weekday(DateSerial(Year(d), 1, 1));
  return (DayOfYear(d) - 1 + firstWeekday - 1) / 7 + 1;
}

std::string DayText(Date d, int count) {
  switch (count) {
    case 1: return std::to_string(Day(d));
    case 2: return Padded(Day(d), 2);
    case 3: return kDayShort[Weekday(d) - 1];
    case 4: return kDayNames[Weekday(d) - 1];
    default: return DateText(DateOnly(d));
  }
}

std::string MonthText(Date d, int count) {
  switch (count) {
    case 1: return std::to_string(Month(d));
    case 2: return Padded(Month(d), 2);
    case 3: return kMonthShort[Month(d) - 1];
    default: return kMonthNames[Month(d) - 1];
  }
}

std::string YearText(Date d, int count) {
  switch (count) {
    case 1: return std::to_string(DayOfYear(d));
    case 2: return Padded(Year(d) % 100, 2);
    case 3: return Padded(Year(d) % 100, 2) + std::to_string(DayOfYear(d));
    default: return Padded(Year(d), 4);
  }
}

std::string ClockText(const DateToken& t, bool afternoon) {
  if (t.letter == 'R') return afternoon ? "p.m." : "a.m.";
  bool upper = std::isupper(static_cast<unsigned char>(t.text[0])) != 0;
  if (t.letter == 'a') return afternoon ? (upper ? "P" : "p") : (upper ? "A" : "a");
  return afternoon ? (upper ? "PM" : "pm") : (upper ? "AM" : "am");
}

std::string TokenText(const DateToken& t, Date d, bool clock12) {
  int hour = Hour(d);
  int shownHour = clock12 ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
  switch (t.letter) {
    case 'd': return DayText(d, t.count);
    case 'm': return MonthText(d, t.count);
    case 'y': return YearText(d, t.count);
    case 'h': return Padded(shownHour, t.count >= 2 ? 2 : 1);
    case 'n': return Padded(Minute(d), t.count >= 2 ? 2 : 1);
    case 's': return Padded(Second(d), t.count >= 2 ? 2 : 1);
    case 'w': return std::to_string(t.count >= 2 ? WeekOfYear(d) : Weekday(d));
    case 'q': return std::to_string((Month(d) - 1) / 3 + 1);
    case 'c': return DateText(d);
    case 'A':
    case 'a':
    case 'R': return ClockText(t, hour >= 12);
    default: return t.text;
  }
}

}  // namespace

std::string FormatDate(Date value, const std::string& section) {
  std::vector<DateToken> tokens = TokensOf(section);
  MarkMinutes(tokens);
  bool clock12 = HasClock12(tokens);
  std::string out;
  for (const DateToken& t : tokens) out += TokenText(t, value, clock12);
  return out;
}

}  // namespace vb
