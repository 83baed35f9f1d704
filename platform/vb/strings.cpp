#include "platform/vb/strings.h"

#include <algorithm>
#include <string_view>

#include "platform/vb/encoding.h"
#include "platform/vb/error.h"

namespace vb {
namespace {

char32_t UpperOf(char32_t ch) {
  if (ch >= U'a' && ch <= U'z') return ch - 0x20;
  if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) return ch - 0x20;
  switch (ch) {
    case 0x161: return 0x160;
    case 0x153: return 0x152;
    case 0x17E: return 0x17D;
    case 0xFF: return 0x178;
    default: return ch;
  }
}

char32_t LowerOf(char32_t ch) {
  if (ch >= U'A' && ch <= U'Z') return ch + 0x20;
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return ch + 0x20;
  switch (ch) {
    case 0x160: return 0x161;
    case 0x152: return 0x153;
    case 0x17D: return 0x17E;
    case 0x178: return 0xFF;
    default: return ch;
  }
}

std::u32string Folded(std::u32string text, VbCompareMethod compare) {
  if (compare == vbTextCompare) std::transform(text.begin(), text.end(), text.begin(), UpperOf);
  return text;
}

void RequireNonNegative(long value) {
  if (value < 0) Raise(5);
}

// Position (from 0) of `find` in `text` at or after `from`, or npos.
std::size_t FindFrom(const std::u32string& text, const std::u32string& find, std::size_t from,
                     VbCompareMethod compare) {
  return Folded(text, compare).find(Folded(find, compare), from);
}

// Bytes below 0x80 are each one character, whatever stands around them, so a
// stretch of them is cut by bytes. The debt file's loader takes some thirty
// fields of every line apart with Left, Mid and Right.
bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A text of ASCII bytes alone, as codes and names nearly always are, changes
// case byte by byte without being decoded.
std::string MapCase(const std::string& text, char32_t (*map)(char32_t)) {
  if (IsAscii(text)) {
    std::string mapped = text;
    for (char& c : mapped) c = static_cast<char>(map(static_cast<unsigned char>(c)));
    return mapped;
  }
  std::u32string chars = DecodeUtf8(text);
  std::transform(chars.begin(), chars.end(), chars.begin(), map);
  return EncodeUtf8(chars);
}

}  // namespace

long Len(const std::string& text) {
  if (IsAscii(text)) return static_cast<long>(text.size());
  return static_cast<long>(DecodeUtf8(text).size());
}

std::string Left(const std::string& text, long length) {
  RequireNonNegative(length);
  std::size_t n = std::min(text.size(), static_cast<std::size_t>(length));
  if (IsAscii(std::string_view(text).substr(0, n))) return text.substr(0, n);
  std::u32string chars = DecodeUtf8(text);
  return EncodeUtf8(chars.substr(0, static_cast<std::size_t>(length)));
}

std::string Right(const std::string& text, long length) {
  RequireNonNegative(length);
  std::size_t bytes = std::min(text.size(), static_cast<std::size_t>(length));
  if (IsAscii(std::string_view(text).substr(text.size() - bytes))) return text.substr(text.size() - bytes);
  std::u32string chars = DecodeUtf8(text);
  std::size_t n = std::min(chars.size(), static_cast<std::size_t>(length));
  return EncodeUtf8(chars.substr(chars.size() - n));
}

std::string Mid(const std::string& text, long start) {
  if (start < 1) Raise(5);
  if (IsAscii(text)) return static_cast<std::size_t>(start) > text.size() ? "" : text.substr(start - 1);
  std::u32string chars = DecodeUtf8(text);
  if (static_cast<std::size_t>(start) > chars.size()) return "";
  return EncodeUtf8(chars.substr(start - 1));
}

std::string Mid(const std::string& text, long start, long length) {
  if (start < 1) Raise(5);
  RequireNonNegative(length);
  std::size_t first = static_cast<std::size_t>(start - 1);
  std::size_t count = static_cast<std::size_t>(length);
  if (IsAscii(std::string_view(text).substr(0, std::min(text.size(), first + count))))
    return first >= text.size() ? "" : text.substr(first, count);
  std::u32string chars = DecodeUtf8(text);
  if (static_cast<std::size_t>(start) > chars.size()) return "";
  return EncodeUtf8(chars.substr(start - 1, static_cast<std::size_t>(length)));
}

long InStr(const std::string& text, const std::string& find) { return InStr(1, text, find); }

long InStr(long start, const std::string& text, const std::string& find, VbCompareMethod compare) {
  if (start < 1) Raise(5);
  std::u32string chars = DecodeUtf8(text);
  if (static_cast<std::size_t>(start) > chars.size()) return 0;
  if (find.empty()) return start;
  std::size_t found = FindFrom(chars, DecodeUtf8(find), start - 1, compare);
  return found == std::u32string::npos ? 0 : static_cast<long>(found) + 1;
}

long InStrRev(const std::string& text, const std::string& find, long start, VbCompareMethod compare) {
  if (start == 0 || start < -1) Raise(5);
  std::u32string chars = DecodeUtf8(text);
  long length = static_cast<long>(chars.size());
  if (start == -1) start = length;
  if (start > length) return 0;
  std::u32string target = DecodeUtf8(find);
  if (target.empty()) return start;
  if (static_cast<long>(target.size()) > start) return 0;
  std::size_t found = Folded(chars.substr(0, start), compare).rfind(Folded(target, compare));
  return found == std::u32string::npos ? 0 : static_cast<long>(found) + 1;
}

std::string Space(long count) {
  RequireNonNegative(count);
  return std::string(static_cast<std::size_t>(count), ' ');
}

std::string String(long count, const std::string& character) {
  RequireNonNegative(count);
  std::u32string chars = DecodeUtf8(character);
  if (chars.empty()) Raise(5);
  return EncodeUtf8(std::u32string(static_cast<std::size_t>(count), chars[0]));
}

std::string String(long count, int code) { return String(count, Chr(code)); }

std::string Replace(const std::string& text, const std::string& find, const std::string& with,
                    long start, long count, VbCompareMethod compare) {
  if (start < 1 || count < -1) Raise(5);
  std::u32string chars = DecodeUtf8(text);
  if (static_cast<std::size_t>(start) > chars.size()) return "";
  chars.erase(0, start - 1);
  std::u32string target = DecodeUtf8(find);
  if (target.empty() || count == 0) return EncodeUtf8(chars);
  std::u32string replacement = DecodeUtf8(with);
  std::u32string folded = Folded(chars, compare);
  std::u32string foldedTarget = Folded(target, compare);
  std::u32string out;
  std::size_t pos = 0;
  for (long done = 0; count == -1 || done < count; ++done) {
    std::size_t found = folded.find(foldedTarget, pos);
    if (found == std::u32string::npos) break;
    out += chars.substr(pos, found - pos) + replacement;
    pos = found + target.size();
  }
  return EncodeUtf8(out + chars.substr(pos));
}

int StrComp(const std::string& a, const std::string& b, VbCompareMethod compare) {
  int order = Folded(DecodeUtf8(a), compare).compare(Folded(DecodeUtf8(b), compare));
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::string UCase(const std::string& text) { return MapCase(text, UpperOf); }

std::string LCase(const std::string& text) { return MapCase(text, LowerOf); }

std::string LTrim(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

std::string RTrim(const std::string& text) {
  std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? "" : text.substr(0, last + 1);
}

std::string Trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int Asc(const std::string& text) {
  std::u32string chars = DecodeUtf8(text);
  if (chars.empty()) Raise(5);
  int code = Cp1252Code(chars[0]);
  return code < 0 ? '?' : code;
}

std::string Chr(int code) {
  if (code < 0 || code > 255) Raise(5);
  return EncodeUtf8(Cp1252Char(static_cast<unsigned char>(code)));
}

std::vector<std::string> Split(const std::string& text, const std::string& delimiter, long limit,
                               VbCompareMethod compare) {
  if (limit < -1) Raise(5);
  if (text.empty() || limit == 0) return {};
  if (delimiter.empty() || limit == 1) return {text};
  std::u32string chars = DecodeUtf8(text);
  std::u32string folded = Folded(chars, compare);
  std::u32string target = Folded(DecodeUtf8(delimiter), compare);
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (limit == -1 || static_cast<long>(parts.size()) < limit - 1) {
    std::size_t found = folded.find(target, pos);
    if (found == std::u32string::npos) break;
    parts.push_back(EncodeUtf8(chars.substr(pos, found - pos)));
    pos = found + target.size();
  }
  parts.push_back(EncodeUtf8(chars.substr(pos)));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, const std::string& delimiter) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? delimiter : "") + parts[i];
  return out;
}

}  // namespace vb
