#pragma once
// Jet SQL split into tokens, with its literals told apart.
#include <string>
#include <string_view>
#include <vector>

namespace dao {

enum class TokenKind { Word, QuotedName, String, Number, Date, Symbol };

// One token as it stands in the statement text: `raw` keeps the quotes of a string
// ('it''s'), the brackets of a name ([Razón Social]) and the #s of a date.
struct RawToken {
  TokenKind kind = TokenKind::Symbol;
  std::string_view raw;
  bool escaped = false;  // a string holding a doubled quote; a number with a point or exponent
};

// Splits Jet SQL into tokens. String literals are taken whole and never looked
// into, so no rewriting can change a value the programs put between quotes.
// An unterminated string, date or bracketed name raises 3075.
class Lexer {
 public:
  explicit Lexer(std::string_view sql) : sql_(sql) {}
  bool Next(RawToken& token);

 private:
  bool ReadQuoted(char close);
  bool ReadNumber();
  std::string_view sql_;
  std::size_t pos_ = 0;
  TokenKind previous_ = TokenKind::Symbol;
  std::string_view previousRaw_;
};

// Reads `sql` as `last` with other values in its bound literals, which
// `literals` holds pointing into `last`: true when the text between them is the
// same byte for byte and each literal reads, as Lexer::Next reads it, as one
// of the same kind; `literals` then point into `sql`. When false they are left
// half read, for a full reading to replace. A literal beginning with "."
// depends on the token before it and an unterminated one raises in a full
// reading: both are left to it. Nothing is raised here.
bool RereadLiterals(std::string_view last, std::string_view sql, std::vector<RawToken>& literals);

// Decides which literals of a statement become bound parameters. Positions in
// ORDER BY / GROUP BY ("ORDER BY 1 DESC, 3") and the count of TOP stay in the text,
// because they change what the statement means, not just a value it compares.
class LiteralPolicy {
 public:
  bool Parameterize(const RawToken& token);

 private:
  bool afterBy_ = false;
  bool previousStartsTerm_ = false;
  bool previousIsTop_ = false;
};

struct Token {
  TokenKind kind = TokenKind::Symbol;
  std::string text;   // a name without brackets, a string's value, a date between #s
  std::string upper;  // words only: the ASCII upper case, for keyword checks
  int param = -1;     // literals: the number of the bound parameter, from 0

  bool Is(std::string_view word) const { return kind == TokenKind::Word && upper == word; }
  bool IsSymbol(std::string_view symbol) const {
    return kind == TokenKind::Symbol && text == symbol;
  }
  bool IsName() const { return kind == TokenKind::Word || kind == TokenKind::QuotedName; }
  bool IsLiteral() const {
    return kind == TokenKind::String || kind == TokenKind::Number || kind == TokenKind::Date;
  }
};

// The value of a string literal: its quotes dropped and doubled quotes made single.
std::string StringValue(std::string_view raw);
std::string AsciiUpper(std::string_view text);
// Names and keywords compare without regard to ASCII case, as the engine's do.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The day serial of a date literal's text (what stands between the #s): the
// engine reads #mm/dd/yyyy# month first, with an optional time hh:nn[:ss] [AM|PM];
// #yyyy-mm-dd# is read too. Anything else raises 3075.
double DateLiteralSerial(std::string_view text);

// Full tokens with the parameter numbers that LiteralPolicy gives.
std::vector<Token> Tokenize(std::string_view sql);

}  // namespace dao
