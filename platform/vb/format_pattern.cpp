#include "platform/vb/format_pattern.h"

#include <cctype>

namespace vb {

std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::vector<std::string> SplitPatternSections(const std::string& pattern) {
  std::vector<std::string> sections(1);
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '"') quoted = !quoted;
    if (c == ';' && !quoted) {
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
    if (c == '\\' && !quoted && i + 1 < pattern.size()) sections.back() += pattern[++i];
  }
  return sections;
}

std::vector<PatternToken> TokenizeNumberPattern(const std::string& section) {
  std::vector<PatternToken> tokens;
  auto literal = [&](const std::string& text) {
    tokens.push_back(PatternToken{PatternToken::Literal, text, 0});
  };
  auto code = [&](char c, std::size_t) {
    switch (c) {
      case '0':
      case '#': tokens.push_back(PatternToken{PatternToken::Digit, {}, c}); break;
      case '.': tokens.push_back(PatternToken{PatternToken::Point, {}, 0}); break;
      case ',': tokens.push_back(PatternToken{PatternToken::Comma, {}, 0}); break;
      case '%':
        tokens.push_back(PatternToken{PatternToken::Percent, {}, 0});
        literal("%");
        break;
      default: literal(std::string(1, c));
    }
  };
  ScanPattern(section, literal, code);
  return tokens;
}

bool IsNumberPattern(const std::string& section) {
  bool found = false;
  ScanPattern(section, [](const std::string&) {}, [&](char c, std::size_t) {
    if (c == '0' || c == '#') found = true;
  });
  return found;
}

bool IsDatePattern(const std::string& section) {
  bool found = false;
  ScanPattern(section, [](const std::string&) {}, [&](char c, std::size_t) {
    if (std::string("dmyhnswqcDMYHNSWQC").find(c) != std::string::npos) found = true;
  });
  return found;
}

}  // namespace vb
