#include <gtest/gtest.h>

#include <cmath>

#include "platform/testsupport/error_of.h"
#include "platform/vb/vb.h"

namespace {

using vb::Currency;
using vb::Date;
using vb::Variant;
using testsupport::ErrorOf;

TEST(Val, ReadsTheLeadingNumberWhateverFollows) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"", 0},
      {"1,234.50", 1},
      {"1234.50", 1234.5},
      {"  12 34 ", 1234},
      {"\t1\n2", 12},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"-3.25abc", -3.25},
      {"- 7", -7},
      {"+8", 8},
      {"abc", 0},
      {"1e3", 1000},
      {"1.5E-2", 0.015},
      {"2D2", 200},
      {"1e", 1},
      {"&H10", 16},
      {"&HFFFF", -1},
      {"&H10000", 65536},
      {"&O17", 15},
      {"&17", 15},
      {"0012", 12},
      {"1\r2", 1},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(vb::Val(c.text), c.expected) << c.text;
}

TEST(Val, OverflowRaisesSix) { EXPECT_EQ(ErrorOf([] { vb::Val("1e400"); }), 6); }

TEST(RegionalConversion, ReadsCommaGroupsAndPointDecimals) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"1,234.50", 1234.5},   {" 15.00 ", 15},     {"-0.5", -0.5},  {"1,234,567.89", 1234567.89},
      {"5.", 5},              {".25", 0.25},        {"1E3", 1000},   {"&HFF", 255},
      {"+2", 2},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(vb::CDbl(c.text), c.expected) << c.text;
}

TEST(RegionalConversion, TextThatIsNoNumberRaisesThirteen) {
  for (const char* text : {"", " ", "1,234,50x", "abc", "1.2.3", ",5", ".", "1 2", "12-", "1e", "&H", "-&H", "&O", "&H1G"}) {
    EXPECT_EQ(ErrorOf([&] { vb::CDbl(text); }), 13) << text;
    EXPECT_FALSE(vb::IsNumeric(text)) << text;
  }
}

TEST(RegionalConversion, IsNumericBySubtype) {
  EXPECT_TRUE(vb::IsNumeric(Variant()));
  EXPECT_FALSE(vb::IsNumeric(vb::Null));
  EXPECT_TRUE(vb::IsNumeric(3));
  EXPECT_TRUE(vb::IsNumeric(true));
  EXPECT_FALSE(vb::IsNumeric(vb::DateSerial(2006, 3, 15)));
  EXPECT_TRUE(vb::IsNumeric("1,234.50"));
}

TEST(RegionalConversion, OutOfRangeRaisesSix) {
  EXPECT_EQ(ErrorOf([] { vb::CInt("32768"); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CLng(2147483648.0); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CByte(-1); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CByte("256"); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CSng(1e39); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CDbl("1e400"); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CCur("922337203685478"); }), 6);
  EXPECT_EQ(ErrorOf([] { vb::CDate(3e6); }), 6);
}

TEST(RegionalConversion, IntegerTargetsRoundHalfToEven) {
  struct Case {
    Variant value;
    int expected;
  } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {"3.5", 4}, {"2.5", 2}, {2.51, 3},
      {Currency::FromRaw(25000), 2}, {Currency::FromRaw(35000), 4}, {true, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vb::CInt(c.value), c.expected) << vb::CStr(c.value);
    EXPECT_EQ(vb::CLng(c.value), c.expected) << vb::CStr(c.value);
  }
  EXPECT_EQ(vb::CByte("254.5"), 254);
}

TEST(RegionalConversion, NullRaisesNinetyFour) {
  EXPECT_EQ(ErrorOf([] { vb::CStr(vb::Null); }), 94);
  EXPECT_EQ(ErrorOf([] { vb::CDbl(vb::Null); }), 94);
  EXPECT_EQ(ErrorOf([] { vb::CCur(vb::Null); }), 94);
  EXPECT_EQ(ErrorOf([] { vb::CDate(vb::Null); }), 94);
}

TEST(RegionalConversion, BooleansFromTextIgnoreCase) {
  EXPECT_TRUE(vb::CBool("True"));
  EXPECT_TRUE(vb::CBool("TRUE"));
  EXPECT_FALSE(vb::CBool("false"));
  EXPECT_TRUE(vb::CBool("-1"));
  EXPECT_FALSE(vb::CBool(0));
  EXPECT_EQ(ErrorOf([] { vb::CBool("si"); }), 13);
}

TEST(CurrencyConversion, TextIsReadExactlyAndRoundedHalfToEven) {
  struct Case {
    const char* text;
    std::int64_t raw;
  } cases[] = {
      {"1,234.50", 12345000},       {"0.00005", 0},   {"0.00015", 2},
      {"0.000251", 3},              {"-0.00005", 0},  {"-0.00015", -2},
      {"922337203685477.5807", 9223372036854775807}, {"125000.50", 1250005000},
      {"0.1", 1000},                {"1e2", 1000000},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::CCur(c.text).Raw(), c.raw) << c.text;
}

TEST(CurrencyConversion, SumsOfAmountsStayExact) {
  Currency total;
  for (int i = 0; i < 1000; ++i) total += vb::CCur("0.10");
  EXPECT_EQ(total, vb::CCur("100"));
  EXPECT_EQ(vb::CCur(0.1 + 0.2), vb::CCur("0.3"));
  EXPECT_EQ(vb::CCur(2.00005).Raw(), 20000);
}

TEST(NumberText, WritesUpToFifteenSignificantDigits) {
  struct Case {
    double value;
    const char* expected;
  } cases[] = {
      {0, "0"},
      {15, "15"},
      {-2.5, "-2.5"},
      {0.1 * 3, "0.3"},
      {0.1 * 100, "10"},
      {17810 * 0.0005, "8.905"},
      {1234567.891, "1234567.891"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},
      {1.5e16, "1.5E+16"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {-1.25e-7, "-1.25E-07"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::NumberText(c.value), c.expected) << c.expected;
}

TEST(NumberText, ByType) {
  EXPECT_EQ(vb::SingleText(0.1f), "0.1");
  EXPECT_EQ(vb::SingleText(1.0f / 3), "0.3333333");
  EXPECT_EQ(vb::CurrencyText(vb::CCur("1234.5")), "1234.5");
  EXPECT_EQ(vb::CurrencyText(vb::CCur("-0.0001")), "-0.0001");
  EXPECT_EQ(vb::CurrencyText(Currency::FromRaw(9223372036854775807)), "922337203685477.5807");
  EXPECT_EQ(vb::CStr(Variant::Integer(-5)), "-5");
  EXPECT_EQ(vb::CStr(true), "True");
  EXPECT_EQ(vb::CStr(Variant()), "");
  EXPECT_EQ(vb::Str(12), " 12");
  EXPECT_EQ(vb::Str(-12), "-12");
  EXPECT_EQ(vb::Hex(255), "FF");
  EXPECT_EQ(vb::Hex(-1), "FFFFFFFF");
  EXPECT_EQ(vb::Oct(8), "10");
}

TEST(DateText, WritesRegionalDateAndTwelveHourTime) {
  struct Case {
    Date value;
    const char* expected;
  } cases[] = {
      {vb::DateSerial(2006, 3, 5), "05/03/2006"},
      {Date{vb::DateSerial(2006, 3, 5).serial + 0.5}, "05/03/2006 12:00:00 p.m."},
      {Date{vb::DateSerial(2006, 3, 5).serial + vb::TimeSerial(13, 5, 9).serial},
       "05/03/2006 01:05:09 p.m."},
      {Date{vb::DateSerial(2006, 3, 5).serial + vb::TimeSerial(0, 30, 0).serial},
       "05/03/2006 12:30:00 a.m."},
      {vb::TimeSerial(9, 8, 7), "09:08:07 a.m."},
      {Date{0}, "12:00:00 a.m."},
      {Date{1}, "31/12/1899"},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::DateText(c.value), c.expected) << c.expected;
}

TEST(ParseDate, ReadsTheRegionalForms) {
  vb::SetClock([] { return vb::DateSerial(2006, 7, 24); });
  struct Case {
    const char* text;
    Date expected;
  } cases[] = {
      {"15/03/2006", vb::DateSerial(2006, 3, 15)},
      {" 1/2/2006 ", vb::DateSerial(2006, 2, 1)},
      {"15-03-2006", vb::DateSerial(2006, 3, 15)},
      {"2004/12/31", vb::DateSerial(2004, 12, 31)},
      {"12/2004", vb::DateSerial(2004, 12, 1)},
      {"15/03", vb::DateSerial(2006, 3, 15)},
      {"01/01/29", vb::DateSerial(2029, 1, 1)},
      {"01/01/30", vb::DateSerial(1930, 1, 1)},
      {"29/02/2004", vb::DateSerial(2004, 2, 29)},
      {"24/07/2006 10:20:30", Date{vb::DateSerial(2006, 7, 24).serial + vb::TimeSerial(10, 20, 30).serial}},
      {"24/07/2006 01:05:00 p.m.", Date{vb::DateSerial(2006, 7, 24).serial + vb::TimeSerial(13, 5, 0).serial}},
      {"24/07/2006 12:05:00 a.m.", Date{vb::DateSerial(2006, 7, 24).serial + vb::TimeSerial(0, 5, 0).serial}},
      {"10:20 PM", vb::TimeSerial(22, 20, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(vb::CDate(c.text).serial, c.expected.serial) << c.text;
    EXPECT_TRUE(vb::IsDate(c.text)) << c.text;
  }
  vb::SetClock(nullptr);
}

TEST(ParseDate, RefusesTextThatIsNoDate) {
  for (const char* text : {"", "31/02/2006", "13/2005", "14/2005", "12/25/2004", "00/01/2006",
                           "15/03/2006 25:00", "abc", "15/03/2006x", "1/2/3/4", "10:61",
                           "15/03/2006 a.m.", "20060315", "01/01/0099"}) {
    EXPECT_FALSE(vb::IsDate(text)) << text;
    EXPECT_EQ(ErrorOf([&] { vb::CDate(text); }), 13) << text;
  }
  EXPECT_FALSE(vb::IsDate(38000));
  EXPECT_TRUE(vb::IsDate(vb::DateSerial(2006, 1, 1)));
}

TEST(ParseDate, DateValueDropsTheTime) {
  EXPECT_EQ(vb::DateValue("24/07/2006 10:20:30"), vb::DateSerial(2006, 7, 24));
  EXPECT_DOUBLE_EQ(vb::TimeValue("24/07/2006 12:00:00").serial, 0.5);
}

TEST(Rounding, RoundIsHalfToEvenOnTheDecimalValue) {
  struct Case {
    double value;
    int digits;
    double expected;
  } cases[] = {
      {2.5, 0, 2},     {3.5, 0, 4},      {-2.5, 0, -2},   {0.125, 2, 0.12}, {0.135, 2, 0.14},
      {2.675, 2, 2.68}, {1.005, 2, 1.0}, {8.905, 2, 8.9}, {17810 * 0.0005, 2, 8.9},
      {1234.5678, 2, 1234.57}, {0.5, 0, 0}, {1.5, 0, 2}, {4503599627370497.0, 0, 4503599627370497.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(vb::Round(c.value, c.digits), c.expected) << c.value;
  EXPECT_EQ(vb::Round(vb::CCur("2.345"), 2), vb::CCur("2.34"));
  EXPECT_EQ(vb::Round(vb::CCur("2.355"), 2), vb::CCur("2.36"));
  EXPECT_EQ(vb::Round(vb::CCur("-2.5"), 0), vb::CCur("-2"));
  EXPECT_EQ(ErrorOf([] { vb::Round(1.5, -1); }), 5);
}

TEST(Rounding, IntFloorsAndFixTruncates) {
  EXPECT_EQ(vb::Int(-2.5), -3);
  EXPECT_EQ(vb::Fix(-2.5), -2);
  EXPECT_EQ(vb::Int(2.9), 2);
  EXPECT_EQ(vb::Fix(2.9), 2);
  EXPECT_EQ(vb::Abs(-3.5), 3.5);
  EXPECT_EQ(vb::Sgn(-0.1), -1);
  EXPECT_EQ(vb::Sgn(0), 0);
}

}  // namespace
