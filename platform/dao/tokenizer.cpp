#include "platform/dao/tokenizer.h"

#include <array>
#include <cctype>
#include <charconv>

#include "platform/dao/bytes.h"
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

// One past the byte that closes the text `close` opened at `open`, or npos when
// nothing closes it. In quotes a doubled quote stands for one (`doubled`).
[[gnu::always_inline]] inline std::size_t QuotedEnd(const char* text, std::size_t open, std::size_t size,
                                                    char close, bool& doubled) {
  bool quote = close == '\'' || close == '"';
  doubled = false;
  std::size_t at = open + 1;
  while (true) {
    at = bytes::Find(text, at, size, close);
    if (at >= size) return std::string_view::npos;
    if (!quote || at + 1 >= size || text[at + 1] != close) return at + 1;
    doubled = true;
    at += 2;
  }
}

// One past the number that begins at `pos`; `escaped` when it had a point or
// an exponent.
[[gnu::always_inline]] inline std::size_t NumberEnd(const char* text, std::size_t pos, std::size_t size,
                                                    bool& escaped) {
  escaped = false;
  while (pos < size && IsDigit(text[pos])) ++pos;
  if (pos < size && text[pos] == '.') {
    escaped = true;
    ++pos;
    while (pos < size && IsDigit(text[pos])) ++pos;
  }
  if (pos < size && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t mark = pos++;
    if (pos < size && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (pos < size && IsDigit(text[pos])) {
      escaped = true;
      while (pos < size && IsDigit(text[pos])) ++pos;
    } else {
      pos = mark;
    }
  }
  return pos;
}

}  // namespace

// True when the text held a doubled quote, which stands for one quote.
bool Lexer::ReadQuoted(char close) {
  bool doubled = false;
  std::size_t end = QuotedEnd(sql_.data(), pos_, sql_.size(), close, doubled);
  if (end == std::string_view::npos) RaiseEngineError(kErrSyntaxInExpression, std::string(sql_.substr(pos_)));
  pos_ = end;
  return doubled;
}

// True when the number had a point or an exponent.
bool Lexer::ReadNumber() {
  bool escaped = false;
  pos_ = NumberEnd(sql_.data(), pos_, sql_.size(), escaped);
  return escaped;
}

namespace {

// The literal of `token`'s kind that begins at `pos`, read as Lexer::Next reads
// it after a symbol; false when none of that kind begins there or it is not
// terminated. Inlined into the loop below, which runs for every value of every
// row a program stores.
[[gnu::always_inline]] inline bool ReadLiteralOfKind(std::string_view sql, std::size_t pos, RawToken& token) {
  const char* text = sql.data();
  std::size_t size = sql.size();
  if (pos >= size) return false;
  char c = text[pos];
  std::size_t end;
  switch (token.kind) {
    case TokenKind::Number:
      if (!IsDigit(c)) return false;
      end = NumberEnd(text, pos, size, token.escaped);
      break;
    case TokenKind::String:
      if (c != '\'' && c != '"') return false;
      end = QuotedEnd(text, pos, size, c, token.escaped);
      break;
    case TokenKind::Date:
      if (c != '#') return false;
      end = QuotedEnd(text, pos, size, c, token.escaped);
      token.escaped = false;
      break;
    default: return false;
  }
  if (end == std::string_view::npos) return false;
  token.raw = std::string_view(text + pos, end - pos);
  return true;
}

}  // namespace

bool RereadLiterals(std::string_view last, std::string_view sql, std::vector<RawToken>& literals) {
  std::size_t lastPos = 0;
  std::size_t pos = 0;
  for (RawToken& literal : literals) {
    std::size_t start = static_cast<std::size_t>(literal.raw.data() - last.data());
    std::size_t gap = start - lastPos;
    if (sql.size() - pos < gap || !bytes::Same(sql.data() + pos, last.data() + lastPos, gap)) return false;
    pos += gap;
    lastPos = start + literal.raw.size();
    if (literal.raw.front() == '.' || !ReadLiteralOfKind(sql, pos, literal)) return false;
    pos += literal.raw.size();
  }
  return sql.size() - pos == last.size() - lastPos &&
         bytes::Same(sql.data() + pos, last.data() + lastPos, sql.size() - pos);
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
