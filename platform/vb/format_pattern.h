#pragma once
// Format patterns split into sections and elements.
#include <string>
#include <vector>

namespace vb {

// One element of a number pattern for Format; "quoted" text and \x escapes become
// literals.
struct PatternToken {
  enum Kind { Digit, Point, Comma, Percent, Literal };
  Kind kind;
  std::string text;
  char symbol;  // '0' or '#' for a digit placeholder
};

// The ";"-separated sections of a pattern (a ";" inside quotes or after "\" stays).
std::vector<std::string> SplitPatternSections(const std::string& pattern);
std::vector<PatternToken> TokenizeNumberPattern(const std::string& section);
bool IsNumberPattern(const std::string& section);
bool IsDatePattern(const std::string& section);

// Calls `onLiteral` for each literal part and `onCode` for each unquoted ASCII
// character, in order; shared by the number and the date patterns.
template <typename Literal, typename Code>
void ScanPattern(const std::string& section, Literal onLiteral, Code onCode);

std::size_t Utf8Length(unsigned char lead);

template <typename Literal, typename Code>
void ScanPattern(const std::string& section, Literal onLiteral, Code onCode) {
  for (std::size_t i = 0; i < section.size();) {
    char c = section[i];
    if (c == '"') {
      std::size_t close = section.find('"', i + 1);
      if (close == std::string::npos) close = section.size();
      onLiteral(section.substr(i + 1, close - i - 1));
      i = close + 1;
    } else if (c == '\\' && i + 1 < section.size()) {
      std::size_t length = Utf8Length(static_cast<unsigned char>(section[i + 1]));
      onLiteral(section.substr(i + 1, length));
      i += 1 + length;
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      std::size_t length = Utf8Length(static_cast<unsigned char>(c));
      onLiteral(section.substr(i, length));
      i += length;
    } else {
      onCode(c, i);
      ++i;
    }
  }
}

}  // namespace vb
