#include "platform/win/text_helpers.h"

#include "platform/vb/encoding.h"

namespace win::detail {
namespace {

char32_t UpperChar(char32_t ch) {
  if (ch >= U'a' && ch <= U'z') return ch - 32;
  if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return ch - 32;
  switch (ch) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return ch;
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string FoldCase(const std::string& utf8) {
  std::u32string text = vb::DecodeUtf8(utf8);
  for (char32_t& ch : text) ch = UpperChar(ch);
  return vb::EncodeUtf8(text);
}

bool SameName(const std::string& a, const std::string& b) { return FoldCase(a) == FoldCase(b); }

std::string TrimBlanks(const std::string& text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return TrimTrailingBlanks(text.substr(begin));
}

std::string TrimTrailingBlanks(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

long CharCount(const std::string& utf8) { return static_cast<long>(vb::DecodeUtf8(utf8).size()); }

std::string LeftChars(const std::string& utf8, long count) {
  std::u32string text = vb::DecodeUtf8(utf8);
  if (count < 0) count = 0;
  if (static_cast<std::size_t>(count) < text.size()) text.resize(count);
  return vb::EncodeUtf8(text);
}

}  // namespace win::detail
