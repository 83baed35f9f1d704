#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/testsupport/error_of.h"
#include "platform/vb/vb.h"

namespace {

using testsupport::ErrorOf;

TEST(Strings, PositionsCountCharactersNotBytes) {
  const std::string word = "ñandú";
  EXPECT_EQ(vb::Len(word), 5);
  EXPECT_EQ(vb::Len(""), 0);
  struct Case {
    std::string actual;
    std::string expected;
  } cases[] = {
      {vb::Left(word, 2), "ña"},
      {vb::Left(word, 9), "ñandú"},
      {vb::Left(word, 0), ""},
      {vb::Right(word, 2), "dú"},
      {vb::Right(word, 9), "ñandú"},
      {vb::Mid(word, 2, 3), "and"},
      {vb::Mid(word, 5), "ú"},
      {vb::Mid(word, 6), ""},
      {vb::Mid(word, 4, 10), "dú"},
      {vb::Mid("Año 2006", 5, 4), "2006"},
      {vb::Space(3), "   "},
      {vb::String(3, "ñx"), "ñññ"},
      {vb::String(2, 209), "ÑÑ"},
      {vb::String(0, "*"), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

// Plain ASCII stretches are cut by bytes; the answers must be those of cutting
// the decoded characters, next to accented letters and to stray bytes that are
// not UTF-8 (each of which is one Windows-1252 character).
TEST(Strings, CuttingByBytesGivesTheCharacterAnswers) {
  const std::vector<std::string> texts = {"",        "20456712348", "ñandú 2006", "2006 ñandú", "ab\xE9" "cd",
                                          "abc\xC3", "\xC3\xA9xyz", "\x80\x81 12", "Año 2006|x|",
                                          "  30/06/2006  "};
  auto characters = [](const std::string& text, std::size_t from, std::size_t count) {
    std::u32string chars = vb::DecodeUtf8(text);
    return from > chars.size() ? std::string() : vb::EncodeUtf8(chars.substr(from, count));
  };
  for (const std::string& text : texts) {
    std::size_t length = vb::DecodeUtf8(text).size();
    EXPECT_EQ(vb::Len(text), static_cast<long>(length)) << text;
    for (long n = 0; n <= 12; ++n) {
      std::size_t right = std::min<std::size_t>(length, n);
      EXPECT_EQ(vb::Left(text, n), characters(text, 0, n)) << text << " " << n;
      EXPECT_EQ(vb::Right(text, n), characters(text, length - right, right)) << text << " " << n;
      EXPECT_EQ(vb::Mid(text, n + 1), characters(text, n, std::u32string::npos)) << text << " " << n;
      for (long count = 0; count <= 4; ++count)
        EXPECT_EQ(vb::Mid(text, n + 1, count), characters(text, n, count)) << text << " " << n << " " << count;
    }
  }
  EXPECT_EQ(vb::FromCp1252("Cami\xF3n \x80 5"), "Camión € 5");
}

TEST(Strings, BadStartsAndLengthsRaiseFive) {
  EXPECT_EQ(ErrorOf([] { vb::Mid("abc", 0); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Mid("abc", 0, 1); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Mid("abc", 1, -1); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Left("abc", -1); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Right("abc", -1); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Space(-1); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::InStr(0, "abc", "a"); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::String(2, ""); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Asc(""); }), 5);
  EXPECT_EQ(ErrorOf([] { vb::Chr(256); }), 5);
}

TEST(Strings, InStrFindsCharacterPositions) {
  struct Case {
    long actual;
    long expected;
  } cases[] = {
      {vb::InStr("ñandú|x", "|"), 6},
      {vb::InStr("abcabc", "c"), 3},
      {vb::InStr(4, "abcabc", "c"), 6},
      {vb::InStr(7, "abcabc", "c"), 0},
      {vb::InStr("abc", "d"), 0},
      {vb::InStr("abc", ""), 1},
      {vb::InStr(3, "abc", ""), 3},
      {vb::InStr(4, "abc", ""), 0},
      {vb::InStr("", ""), 0},
      {vb::InStr("", "a"), 0},
      {vb::InStr(1, "PEÑA", "ña", vb::vbTextCompare), 3},
      {vb::InStr(1, "PEÑA", "ña", vb::vbBinaryCompare), 0},
      {vb::InStrRev("a|b|c", "|"), 4},
      {vb::InStrRev("a|b|c", "|", 3), 2},
      {vb::InStrRev("ñ|ñ|ñ", "Ñ|", -1, vb::vbTextCompare), 3},
      {vb::InStrRev("abc", "x"), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Strings, ReplaceAndCompare) {
  EXPECT_EQ(vb::Replace("1,234,567.89", ",", ""), "1234567.89");
  EXPECT_EQ(vb::Replace("aXbxc", "x", "-", 1, -1, vb::vbTextCompare), "a-b-c");
  EXPECT_EQ(vb::Replace("aXbxc", "x", "-"), "aXb-c");
  EXPECT_EQ(vb::Replace("ñañaña", "ña", "n", 3, 1), "nña");
  EXPECT_EQ(vb::Replace("abc", "", "x"), "abc");
  EXPECT_EQ(vb::Replace("O'Brien", "'", "''"), "O''Brien");
  EXPECT_EQ(vb::StrComp("a", "b"), -1);
  EXPECT_EQ(vb::StrComp("b", "a"), 1);
  EXPECT_EQ(vb::StrComp("Peña", "PEÑA"), 1);
  EXPECT_EQ(vb::StrComp("Peña", "PEÑA", vb::vbTextCompare), 0);
  EXPECT_EQ(vb::StrComp("n", "ñ"), -1);
}

TEST(Strings, CaseFollowsWindows1252Letters) {
  EXPECT_EQ(vb::UCase("peña ñandú árbol éxito ïö çœšžÿ ß"), "PEÑA ÑANDÚ ÁRBOL ÉXITO ÏÖ ÇŒŠŽŸ ß");
  EXPECT_EQ(vb::LCase("PEÑA ÁÉÍÓÚ ÇŒŠŽŸ ×"), "peña áéíóú çœšžÿ ×");
  EXPECT_EQ(vb::UCase("÷"), "÷");
  EXPECT_EQ(vb::UCase("FormatText Event_1 [a-z]"), "FORMATTEXT EVENT_1 [A-Z]");
  EXPECT_EQ(vb::LCase("FormatText Event_1 [A-Z]"), "formattext event_1 [a-z]");
}

TEST(Strings, TrimRemovesBlanksOnly) {
  EXPECT_EQ(vb::Trim("  a b  "), "a b");
  EXPECT_EQ(vb::LTrim("  a "), "a ");
  EXPECT_EQ(vb::RTrim("  a "), "  a");
  EXPECT_EQ(vb::Trim("\ta\r\n"), "\ta\r\n");
  EXPECT_EQ(vb::Trim("   "), "");
}

TEST(Strings, AscAndChrUseWindows1252Codes) {
  struct Case {
    const char* text;
    int code;
  } cases[] = {{"ñ", 241}, {"Ñ", 209}, {"ó", 243}, {"º", 186}, {"€", 128}, {"A", 65}, {"ab", 97}};
  for (const Case& c : cases) {
    EXPECT_EQ(vb::Asc(c.text), c.code) << c.text;
    EXPECT_EQ(vb::Chr(c.code), vb::Left(c.text, 1)) << c.text;
  }
  EXPECT_EQ(vb::Asc("中"), 63);
  EXPECT_EQ(vb::Chr(13) + vb::Chr(10), vb::vbCrLf);
}

TEST(Strings, SplitAndJoin) {
  using Parts = std::vector<std::string>;
  EXPECT_EQ(vb::Split("a|b||c|", "|"), (Parts{"a", "b", "", "c", ""}));
  EXPECT_EQ(vb::Split("a b c"), (Parts{"a", "b", "c"}));
  EXPECT_EQ(vb::Split("a|b|c", "|", 2), (Parts{"a", "b|c"}));
  EXPECT_EQ(vb::Split("", "|"), Parts{});
  EXPECT_EQ(vb::Split("abc", ""), Parts{"abc"});
  EXPECT_EQ(vb::Split("aXbxc", "x", -1, vb::vbTextCompare), (Parts{"a", "b", "c"}));
  EXPECT_EQ(vb::Join({"a", "ñ", ""}, "|"), "a|ñ|");
}

}  // namespace
