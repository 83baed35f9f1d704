#include "platform/dao/tokenizer.h"

#include <array>
#include <cctype>
#include <charconv>

#include "platform/dao/errors.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"

namespace dao {
namespace {

// Plain character classes: the statement is read the same whatever the C locale.
// One table lookup per character, since every statement a program runs is read.
enum CharClass : unsigned char { kBlank = 1, kDigit = 2, kWordStart = 4, kWordChar = 8 };

constexpr std::array<unsigned char, 256> MakeClasses() {
  std::array<unsigned char, 256> classes{};
  for (int c = 0; c < 256; ++c) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    bool digit = c >= '0' && c <= '9';
    bool wordStart = letter || c == '_' || c >= 0x80;
    unsigned char bits = 0;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') bits |= kBlank;
    if (digit) bits |= kDigit;
    if (wordStart) bits |= kWordStart;
    if (wordStart || digit || c == '$') bits |= kWordChar;
    classes[c] = bits;
  }
  return classes;
}

constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

bool Is(char c, CharClass kind) { return (kClasses[static_cast<unsigned char>(c)] & kind) != 0; }
bool IsDigit(char c) { return Is(c, kDigit); }

// A "." starts a number only where a value may stand, not after a name (a.b).
bool ValueMayFollow(TokenKind previous, std::string_view raw) {
  if (previous == TokenKind::Word || previous == TokenKind::QuotedName) return false;
  if (previous == TokenKind::Symbol && raw == ")") return false;
  return true;
}

}  // namespace

// True when the text held a doubled quote, which stands for one quote.
bool Lexer::ReadQuoted(char close) {
  std::size_t start = pos_;
  bool doubled = false;
  bool quote = close == '\'' || close == '"';
  std::size_t size = sql_.size();
  const char* text = sql_.data();
  std::size_t at = pos_ + 1;
  while (true) {
    while (at < size && text[at] != close) ++at;
    if (at >= size) {
      if (!quiet_) RaiseEngineError(kErrSyntaxInExpression, std::string(sql_.substr(start)));
      unterminated_ = true;
      pos_ = size;
      return doubled;
    }
    pos_ = at + 1;
    if (quote && pos_ < size && text[pos_] == close) {
      doubled = true;
      at = pos_ + 1;
      continue;
    }
    return doubled;
  }
}

// True when the number had a point or an exponent.
bool Lexer::ReadNumber() {
  std::size_t size = sql_.size();
  const char* text = sql_.data();
  bool escaped = false;
  while (pos_ < size && IsDigit(text[pos_])) ++pos_;
  if (pos_ < size && text[pos_] == '.') {
    escaped = true;
    ++pos_;
    while (pos_ < size && IsDigit(text[pos_])) ++pos_;
  }
  if (pos_ < size && (text[pos_] == 'e' || text[pos_] == 'E')) {
    std::size_t mark = pos_++;
    if (pos_ < size && (text[pos_] == '+' || text[pos_] == '-')) ++pos_;
    if (pos_ < size && IsDigit(text[pos_])) {
      escaped = true;
      while (pos_ < size && IsDigit(text[pos_])) ++pos_;
    } else {
      pos_ = mark;
    }
  }
  return escaped;
}

bool Lexer::NextLiteral(RawToken& token) {
  if (pos_ >= sql_.size()) return false;
  std::size_t start = pos_;
  char c = sql_[pos_];
  if (IsDigit(c)) {
    token.escaped = ReadNumber();
    token.kind = TokenKind::Number;
  } else if (c == '\'' || c == '"' || c == '#') {
    token.escaped = ReadQuoted(c) && c != '#';
    token.kind = c == '#' ? TokenKind::Date : TokenKind::String;
  } else {
    return false;
  }
  if (unterminated_) return false;
  token.raw = sql_.substr(start, pos_ - start);
  previous_ = token.kind;
  previousRaw_ = token.raw;
  return true;
}

bool Lexer::Next(RawToken& token) {
  std::size_t size = sql_.size();
  const char* text = sql_.data();
  while (pos_ < size && Is(text[pos_], kBlank)) ++pos_;
  if (pos_ >= size) return false;
  std::size_t start = pos_;
  char c = text[pos_];
  token.escaped = false;
  if (Is(c, kWordStart)) {
    while (pos_ < size && Is(text[pos_], kWordChar)) ++pos_;
    token.kind = TokenKind::Word;
  } else if (IsDigit(c) || (c == '.' && pos_ + 1 < size && IsDigit(text[pos_ + 1]) &&
                            ValueMayFollow(previous_, previousRaw_))) {
    token.escaped = ReadNumber();
    token.kind = TokenKind::Number;
  } else if (c == '\'' || c == '"') {
    token.escaped = ReadQuoted(c);
    token.kind = TokenKind::String;
  } else if (c == '#') {
    ReadQuoted('#');
    token.kind = TokenKind::Date;
  } else if (c == '[') {
    ReadQuoted(']');
    token.kind = TokenKind::QuotedName;
  } else {
    char next = pos_ + 1 < size ? text[pos_ + 1] : '\0';
    bool pair = (c == '<' && (next == '>' || next == '=')) || ((c == '>' || c == '!') && next == '=');
    pos_ += pair ? 2 : 1;
    token.kind = TokenKind::Symbol;
  }
  if (unterminated_) return false;
  token.raw = std::string_view(text + start, pos_ - start);
  previous_ = token.kind;
  previousRaw_ = token.raw;
  return true;
}

bool LiteralPolicy::Parameterize(const RawToken& token) {
  if (token.kind == TokenKind::Symbol || token.kind == TokenKind::QuotedName) {
    previousStartsTerm_ = token.kind == TokenKind::Symbol && token.raw.size() == 1 && token.raw[0] == ',';
    previousIsTop_ = false;
    return false;
  }
  bool literal = token.kind == TokenKind::String || token.kind == TokenKind::Number ||
                 token.kind == TokenKind::Date;
  bool keep = token.kind == TokenKind::Number && ((afterBy_ && previousStartsTerm_) || previousIsTop_);
  if (token.kind == TokenKind::Word) {
    std::string_view word = token.raw;
    bool by = EqualsNoCase(word, "BY");
    if (by) {
      afterBy_ = true;
    } else if (EqualsNoCase(word, "SELECT") || EqualsNoCase(word, "FROM") ||
               EqualsNoCase(word, "WHERE") || EqualsNoCase(word, "HAVING") ||
               EqualsNoCase(word, "UNION") || EqualsNoCase(word, "SET") ||
               EqualsNoCase(word, "VALUES") || EqualsNoCase(word, "ON")) {
      afterBy_ = false;
    }
    previousStartsTerm_ = by;
    previousIsTop_ = EqualsNoCase(word, "TOP");
  } else {
    previousStartsTerm_ = token.kind == TokenKind::Symbol && token.raw == ",";
    previousIsTop_ = false;
  }
  return literal && !keep;
}

std::string StringValue(std::string_view raw) {
  char quote = raw.front();
  std::string value;
  value.reserve(raw.size());
  for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
    value += raw[i];
    if (raw[i] == quote) ++i;
  }
  return value;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
    char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

namespace {

std::vector<int> NumbersIn(std::string_view text, char separator) {
  std::vector<int> numbers;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    int value = 0;
    std::string_view part = text.substr(start, end - start);
    auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || ptr != part.data() + part.size() || part.empty()) return {};
    numbers.push_back(value);
    start = end + 1;
  }
  return numbers;
}

}  // namespace

double DateLiteralSerial(std::string_view text) {
  auto invalid = [&]() -> double { RaiseEngineError(kErrSyntaxInExpression, "#" + std::string(text) + "#"); };
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (parts.empty() || parts.size() > 3) return invalid();
  double serial = 0;
  std::size_t next = 0;
  if (parts[0].find(':') == std::string_view::npos) {
    bool slash = parts[0].find('/') != std::string_view::npos;
    std::vector<int> d = NumbersIn(parts[0], slash ? '/' : '-');
    if (d.size() != 3) return invalid();
    int month = slash ? d[0] : d[1], day = slash ? d[1] : d[2], year = slash ? d[2] : d[0];
    if (month < 1 || month > 12 || day < 1 || day > 31) return invalid();
    try {
      serial = vb::DateSerial(year, month, day).serial;
    } catch (const vb::Error&) {
      return invalid();
    }
    next = 1;
  }
  if (next < parts.size()) {
    std::vector<int> t = NumbersIn(parts[next], ':');
    if (t.size() < 2 || t.size() > 3) return invalid();
    int hour = t[0];
    if (next + 1 < parts.size()) {
      bool pm = EqualsNoCase(parts[next + 1], "PM");
      if (!pm && !EqualsNoCase(parts[next + 1], "AM")) return invalid();
      hour = hour % 12 + (pm ? 12 : 0);
    }
    serial += vb::TimeSerial(hour, t[1], t.size() > 2 ? t[2] : 0).serial;
  }
  return serial;
}

std::vector<Token> Tokenize(std::string_view sql) {
  std::vector<Token> tokens;
  Lexer lexer(sql);
  LiteralPolicy policy;
  RawToken raw;
  int params = 0;
  while (lexer.Next(raw)) {
    Token token;
    token.kind = raw.kind;
    switch (raw.kind) {
      case TokenKind::String: token.text = StringValue(raw.raw); break;
      case TokenKind::QuotedName:
      case TokenKind::Date: token.text = std::string(raw.raw.substr(1, raw.raw.size() - 2)); break;
      default: token.text = std::string(raw.raw); break;
    }
    if (raw.kind == TokenKind::Word) token.upper = AsciiUpper(raw.raw);
    if (policy.Parameterize(raw)) token.param = params++;
    tokens.push_back(std::move(token));
  }
  return tokens;
}

}  // namespace dao
