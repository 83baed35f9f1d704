#include "platform/dao/tokenizer.h"

#include <cctype>
#include <charconv>

#include "platform/dao/errors.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"

namespace dao {
namespace {

// Plain character classes: the statement is read the same whatever the C locale.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsWordStart(unsigned char c) { return IsLetter(c) || c == '_' || c >= 0x80; }
bool IsWordChar(unsigned char c) { return IsWordStart(c) || IsDigit(static_cast<char>(c)) || c == '$'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

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
  while (true) {
    std::size_t end = sql_.find(close, pos_ + 1);
    if (end == std::string_view::npos) RaiseEngineError(kErrSyntaxInExpression, std::string(sql_.substr(start)));
    pos_ = end + 1;
    if ((close == '\'' || close == '"') && pos_ < sql_.size() && sql_[pos_] == close) {
      doubled = true;
      continue;
    }
    return doubled;
  }
}

bool Lexer::Next(RawToken& token) {
  while (pos_ < sql_.size() && IsBlank(sql_[pos_])) ++pos_;
  if (pos_ >= sql_.size()) return false;
  std::size_t start = pos_;
  char c = sql_[pos_];
  unsigned char u = static_cast<unsigned char>(c);
  token.escaped = false;
  if (IsWordStart(u)) {
    while (pos_ < sql_.size() && IsWordChar(static_cast<unsigned char>(sql_[pos_]))) ++pos_;
    token.kind = TokenKind::Word;
  } else if (IsDigit(c) || (c == '.' && pos_ + 1 < sql_.size() && IsDigit(sql_[pos_ + 1]) &&
                            ValueMayFollow(previous_, previousRaw_))) {
    while (pos_ < sql_.size() && IsDigit(sql_[pos_])) ++pos_;
    if (pos_ < sql_.size() && sql_[pos_] == '.') {
      token.escaped = true;
      ++pos_;
      while (pos_ < sql_.size() && IsDigit(sql_[pos_])) ++pos_;
    }
    if (pos_ < sql_.size() && (sql_[pos_] == 'e' || sql_[pos_] == 'E')) {
      std::size_t mark = pos_++;
      if (pos_ < sql_.size() && (sql_[pos_] == '+' || sql_[pos_] == '-')) ++pos_;
      if (pos_ < sql_.size() && IsDigit(sql_[pos_])) {
        token.escaped = true;
        while (pos_ < sql_.size() && IsDigit(sql_[pos_])) ++pos_;
      } else {
        pos_ = mark;
      }
    }
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
    std::string_view two = sql_.substr(pos_, 2);
    if (two == "<>" || two == "<=" || two == ">=" || two == "!=") {
      pos_ += 2;
    } else {
      ++pos_;
    }
    token.kind = TokenKind::Symbol;
  }
  token.raw = sql_.substr(start, pos_ - start);
  previous_ = token.kind;
  previousRaw_ = token.raw;
  return true;
}

bool LiteralPolicy::Parameterize(const RawToken& token) {
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
