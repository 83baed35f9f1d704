// Jet's text comparison and LIKE over UTF-8 texts.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/dao/bytes.h"
#include "platform/dao/sql_functions.h"
#include "platform/dao/sqlite_api.h"
#include "platform/vb/encoding.h"

namespace dao {
namespace {

// A letter seen by the collation: its base letter without case, and which accent
// it carries (0 none). Case never counts; accents count only when the base letters
// of the whole texts are equal.
struct Folded {
  char32_t base;
  int accent;
};

Folded FoldLatin1(char32_t c) {
  char32_t lower = (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c;
  static constexpr struct {
    char32_t first, last, base;
  } kRuns[] = {{0xE0, 0xE5, 'a'}, {0xE7, 0xE7, 'c'}, {0xE8, 0xEB, 'e'}, {0xEC, 0xEF, 'i'},
               {0xF1, 0xF1, 'n'}, {0xF2, 0xF6, 'o'}, {0xF8, 0xF8, 'o'}, {0xF9, 0xFC, 'u'},
               {0xFD, 0xFD, 'y'}, {0xFF, 0xFF, 'y'}};
  for (const auto& run : kRuns) {
    if (lower >= run.first && lower <= run.last)
      return {run.base, static_cast<int>(lower - run.first) + 1 + (lower == 0xF8 ? 5 : 0) +
                            (lower == 0xFF ? 1 : 0)};
  }
  return {lower, 0};
}

Folded Fold(char32_t c) {
  if (c < 0x80) return {c >= 'A' && c <= 'Z' ? c + 0x20 : c, 0};
  if (c <= 0xFF) return FoldLatin1(c);
  switch (c) {
    case 0x160: case 0x161: return {'s', 7};
    case 0x17D: case 0x17E: return {'z', 7};
    case 0x178: return {'y', 2};
    case 0x152: case 0x153: return {0x153, 0};
    default: return {c, 0};
  }
}

int CompareFolded(std::string_view a, std::string_view b) {
  std::u32string x = vb::DecodeUtf8(std::string(a));
  std::u32string y = vb::DecodeUtf8(std::string(b));
  std::size_t n = std::min(x.size(), y.size());
  int accentOrder = 0;
  for (std::size_t i = 0; i < n; ++i) {
    Folded fx = Fold(x[i]);
    Folded fy = Fold(y[i]);
    if (fx.base != fy.base) return fx.base < fy.base ? -1 : 1;
    if (accentOrder == 0 && fx.accent != fy.accent) accentOrder = fx.accent < fy.accent ? -1 : 1;
  }
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return accentOrder;
}

char32_t LowerForLike(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x160 || c == 0x17D || c == 0x152) return c + 1;
  if (c == 0x178) return 0xFF;
  return c;
}

struct PatternElement {
  enum Kind { Star, Any, Digit, Literal, Class };
  explicit PatternElement(Kind k) : kind(k) {}
  Kind kind;
  char32_t literal = 0;
  bool negate = false;
  std::u32string ranges;  // pairs: first, last
};

std::vector<PatternElement> ParsePattern(const std::u32string& pattern) {
  std::vector<PatternElement> elements;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char32_t c = pattern[i];
    if (c == '*') {
      elements.emplace_back(PatternElement::Star);
    } else if (c == '?') {
      elements.emplace_back(PatternElement::Any);
    } else if (c == '#') {
      elements.emplace_back(PatternElement::Digit);
    } else if (c == '[' && pattern.find(']', i + 1) != std::u32string::npos) {
      std::size_t close = pattern.find(']', i + 1);
      PatternElement element(PatternElement::Class);
      std::size_t j = i + 1;
      if (j < close && pattern[j] == '!') {
        element.negate = true;
        ++j;
      }
      for (; j < close; ++j) {
        char32_t first = LowerForLike(pattern[j]);
        char32_t last = first;
        if (j + 2 < close && pattern[j + 1] == '-') {
          last = LowerForLike(pattern[j + 2]);
          j += 2;
        }
        element.ranges += first;
        element.ranges += last;
      }
      elements.push_back(element);
      i = close;
    } else {
      PatternElement element(PatternElement::Literal);
      element.literal = LowerForLike(c);
      elements.push_back(element);
    }
  }
  return elements;
}

bool MatchesOne(const PatternElement& element, char32_t c) {
  switch (element.kind) {
    case PatternElement::Any: return true;
    case PatternElement::Digit: return c >= '0' && c <= '9';
    case PatternElement::Literal: return element.literal == c;
    case PatternElement::Class: {
      bool inside = false;
      for (std::size_t k = 0; k + 1 < element.ranges.size(); k += 2) {
        if (c >= element.ranges[k] && c <= element.ranges[k + 1]) inside = true;
      }
      return inside != element.negate;
    }
    default: return false;
  }
}

// Texts other than equal short ones. The bytes both begin with are skipped:
// equal letters weigh nothing, whether their accents or their base letters are
// what is being compared. Kept out of line, so that the call for equal texts
// stays a few instructions.
[[gnu::noinline]] int CompareDiffering(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = bytes::FirstDifference(a.data(), b.data(), n); i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if ((x | y) & 0x80) return CompareFolded(a, b);
    if (x >= 'A' && x <= 'Z') x += 0x20;
    if (y >= 'A' && y <= 'Z') y += 0x20;
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  std::string_view rest = a.size() > b.size() ? a.substr(n) : b.substr(n);
  if (std::any_of(rest.begin(), rest.end(), [](char c) { return c & 0x80; }))
    return CompareFolded(a, b);
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

// Most key compares meet equal short texts (the same taxpayer, period or tax
// in row after row), which are told apart from the rest without a call.
int CompareJetText(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && a.size() <= 16 && bytes::Same(a.data(), b.data(), a.size())) return 0;
  return CompareDiffering(a, b);
}

bool JetLike(std::string_view text, std::string_view pattern) {
  std::u32string s = vb::DecodeUtf8(std::string(text));
  for (char32_t& c : s) c = LowerForLike(c);
  std::vector<PatternElement> p = ParsePattern(vb::DecodeUtf8(std::string(pattern)));
  std::size_t pi = 0, si = 0, starP = std::string::npos, starS = 0;
  while (si < s.size()) {
    if (pi < p.size() && p[pi].kind == PatternElement::Star) {
      starP = pi++;
      starS = si;
    } else if (pi < p.size() && MatchesOne(p[pi], s[si])) {
      ++pi;
      ++si;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi].kind == PatternElement::Star) ++pi;
  return pi == p.size();
}

namespace {

int Collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return CompareJetText(std::string_view(static_cast<const char*>(a), lengthA),
                        std::string_view(static_cast<const char*>(b), lengthB));
}

}  // namespace

void RegisterJetCollation(sqlite3* db) {
  sqlite3_create_collation_v2(db, "JET", SQLITE_UTF8, nullptr, Collate, nullptr);
}

}  // namespace dao
