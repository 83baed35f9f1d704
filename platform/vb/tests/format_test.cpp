#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/testsupport/error_of.h"
#include "platform/vb/vb.h"

namespace {

using vb::Variant;

struct Case {
  Variant value;
  const char* pattern;
  const char* expected;
};

void ExpectFormats(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_EQ(vb::Format(c.value, c.pattern), c.expected)
        << "value " << (c.value.IsNull() ? "Null" : vb::CStr(c.value)) << " pattern " << c.pattern;
}

TEST(Format, RoundsHalvesAwayFromZeroOnFifteenDigits) {
  ExpectFormats({
      {17810 * 0.0005, "0.00", "8.91"},
      {0.125, "0.00", "0.13"},
      {2.675, "0.00", "2.68"},
      {1.005, "0.00", "1.01"},
      {-1.005, "0.00", "-1.01"},
      {2.5, "###########0", "3"},
      {-2.5, "###########0", "-3"},
      {1234.5, "############0", "1235"},
      {1234.4999, "##############0", "1234"},
      {105000.525, "######,##0", "105,001"},
      {140000.70, "######,##0", "140,001"},
      {vb::CCur("0.005"), "0.00", "0.01"},
      {vb::CCur("105000.525"), "######,##0", "105,001"},
      {-0.001, "0.00", "0.00"},
      {-0.4, "##", ""},
      {1234567.5, "00000000000000000000", "00000000000001234568"},
  });
}

TEST(Format, AmountPatternsOfTheForms) {
  ExpectFormats({
      {1234567.891, "#,###,###,##0.00", "1,234,567.89"},
      {0, "#,###,###,##0.00", "0.00"},
      {-1234.5, "#,###,###,##0.00", "-1,234.50"},
      {9999999999.99, "#,###,###,##0.00", "9,999,999,999.99"},
      {1234567, "###,###,###,##0", "1,234,567"},
      {0, "###,###,###,##0", "0"},
      {999.5, "###,###,###,##0", "1,000"},
      {1234567890123.0, "#,###,###,###,##0", "1,234,567,890,123"},
      {-1234567.0, "#,###,###,###,##0", "-1,234,567"},
      {1234.5, "###,###,###,##0.00", "1,234.50"},
      {1234.5, "###,###,###,###,##0.00", "1,234.50"},
      {1234.5, "#,###,###,###,##0.00", "1,234.50"},
      {1234.567, "###########0.00", "1234.57"},
      {1234.567, "#########0.00", "1234.57"},
      {1234.5, "#########0", "1235"},
      {1234.5, "#,###,##0", "1,235"},
      {1234567.5, "#,###,###,##0", "1,234,568"},
      {12345678901234.0, "##,###,###,###,##0", "12,345,678,901,234"},
      {"1,235", "#,###,###,##0.00", "1,235.00"},
      {"1,234.56", "#,###,###,###,##0", "1,235"},
      {1234.5, "#######,##0.00", "1,234.50"},
      {"0", "######,##0.00", "0.00"},
      {1234567, "##,###,###,###0", "1,234,567"},
      {0, "##,###,###,###0", "0"},
      {1234.5, "############", "1235"},
      {0, "############", ""},
      {1.5, "#########0.#0", "1.50"},
      {1234.567, "#########0.#0", "1234.57"},
      {0, "#########0.#0", "0.00"},
  });
}

// The interest routine writes each step with a pattern and reads it back.
TEST(Format, InterestStepsGiveTheWorkedResults) {
  struct Case {
    double tim;
    double days;
    const char* daily;
    const char* factor;
    const char* result;
  } cases[] = {
      {1.5, 30, "0.0005000", "0.01500", "15.00"},
      {1.2, 30, "0.0004000", "0.01200", "12.00"},
      {1.5, 0, "0.0005000", "0.00000", "0.00"},
  };
  for (const Case& c : cases) {
    std::string daily = vb::Format(c.tim / 100 / 30, "0.0000000");
    std::string factor = vb::Format(c.days * vb::CDbl(daily), "0.00000");
    std::string result = vb::Format((vb::CDbl("1,000.00") + 0) * vb::CDbl(factor), "#,###,###,##0.00");
    EXPECT_EQ(daily, c.daily);
    EXPECT_EQ(factor, c.factor);
    EXPECT_EQ(result, c.result);
  }
}

TEST(Format, HashOnlyPatternsWriteNothingForZero) {
  ExpectFormats({
      {0, "#", ""},
      {7, "#", "7"},
      {0, "##", ""},
      {12, "##", "12"},
      {5, "##", "5"},
      {123, "##", "123"},
      {0, "######", ""},
      {3011, "######", "3011"},
      {0, "#,###,###,###.##", "."},
      {0, "###,###,###,###.##", "."},
      {1234.5, "#,###,###,###.##", "1,234.5"},
      {1234, "#,###,###,###.##", "1,234."},
      {0.5, "#,###,###,###.##", ".5"},
  });
}

TEST(Format, ZeroFilledCodesAndCounters) {
  ExpectFormats({
      {12, "0###", "0012"},
      {123, "0###", "0123"},
      {1234, "0###", "1234"},
      {12345, "0###", "12345"},
      {"123", "0###", "0123"},
      {"", "0###", ""},
      {5, "00000000", "00000005"},
      {123456789, "00000000", "123456789"},
      {42, "000000", "000042"},
      {7, "000", "007"},
      {5, "0000", "0005"},
      {5, "00", "05"},
      {12, "0", "12"},
      {1.5 / 100 / 30, "0.0000000", "0.0005000"},
      {1.2 / 100 / 30, "0.0000000", "0.0004000"},
      {30 * 0.0005, "0.00000", "0.01500"},
  });
}

// The shortcut must write exactly what the general Format writes for the same
// pattern: halves, values whose binary form falls just below a half, sums past
// 15 digits (where the 15-digit form rounds the last digits) and past 20 digits.
TEST(Format, WholeNumberFormWritesWhatTheZeroPatternWrites) {
  std::vector<double> values = {0.0, -0.0, 0.4, 0.5, -0.5, 1.5, 2.5, -2.5, 0.49999999999999994,
                                0.5000000000000001, 17810 * 0.0005 * 1000, 1234.565, 1234.5649999999,
                                105000.525, 140000.70, 999.5, 999999999999999.0, 999999999999999.4,
                                999999999999999.5, 1e15, 1e15 + 1, 1e15 + 3, 1234567890123456.0,
                                9007199254740993.0, 12345678901234567890.0, 1e20, 1.5e20, 1e25,
                                5e-324, 1e-5, -1e-5, 4503599627370495.5, 2251799813685247.5};
  for (int i = 0; i < 4000; ++i) {
    values.push_back(i / 100.0 + 0.005);
    values.push_back(-(i * 37.0) / 8.0);
    values.push_back(i * 1234567.891 + 0.5);
    values.push_back(static_cast<double>(i) * i * i * i * 7919.5);
  }
  for (int width : {1, 3, 20}) {
    std::string pattern(width, '0');
    for (double value : values)
      EXPECT_EQ(vb::FormatWholeNumber(value, width), vb::Format(Variant(value), pattern))
          << "value " << vb::CStr(Variant(value)) << " width " << width;
  }
}

TEST(Format, WholeNumberFormOfAnInfiniteValueOverflowsAsFormatDoes) {
  for (double value : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
    for (auto format : std::vector<std::function<void()>>{
             [&] { vb::FormatWholeNumber(value, 20); },
             [&] { vb::Format(Variant(value), "00000000000000000000"); }}) {
      EXPECT_EQ(testsupport::ErrorOf(format), 6);
    }
  }
}

TEST(Format, SectionsLiteralsAndScaling) {
  ExpectFormats({
      {-5, "0;(0)", "(5)"},
      {5, "0;(0)", "5"},
      {0, "0;(0);\"cero\"", "cero"},
      {-5, "0;;\"cero\"", "-5"},
      {123, "00-00", "01-23"},
      {5, "\"S/. \"#,##0.00", "S/. 5.00"},
      {5, "\\S#", "S5"},
      {0.256, "0.0%", "25.6%"},
      {1234567, "#,##0,", "1,235"},
      {12.5, ".00", "12.50"},
      {5, "-", "-"},
  });
}

TEST(Format, TextsNullAndEmpty) {
  ExpectFormats({
      {"1,234.5", "#,###,###,##0.00", "1,234.50"},
      {" 15 ", "0.00", "15.00"},
      {"abc", "0.00", "abc"},
      {"", "0.00", ""},
      {"12/2004", "0.00", "12/2004"},
      {vb::Null, "0.00", ""},
      {vb::Null, "", ""},
      {Variant(), "0.00", "0.00"},
      {Variant(), "", ""},
      {true, "0", "-1"},
      {17810 * 0.0005, "", "8.905"},
      {vb::CCur("12.50"), "", "12.5"},
  });
}

TEST(Format, DatePatterns) {
  vb::Date day = vb::DateSerial(2006, 3, 5);
  vb::Date moment{day.serial + vb::TimeSerial(13, 5, 9).serial};
  ExpectFormats({
      {day, "dd/mm/yyyy", "05/03/2006"},
      {day, "yyyymmdd", "20060305"},
      {day, "YYYYMM", "200603"},
      {day, "DD/MM/YYYY", "05/03/2006"},
      {day, "d/m/yy", "5/3/06"},
      {moment, "dd/mm/yyyy hh:mm:ss", "05/03/2006 13:05:09"},
      {moment, "hh:nn:ss", "13:05:09"},
      {moment, "hh:mm:ss", "13:05:09"},
      {moment, "mm:ss", "05:09"},
      {moment, "h:mm AM/PM", "1:05 PM"},
      {moment, "hh:nn am/pm", "01:05 pm"},
      {moment, "hh:nn AMPM", "01:05 p.m."},
      {moment, "hh:nn a/p", "01:05 p"},
      {day, "mmmm", "marzo"},
      {day, "dddd dd", "domingo 05"},
      {day, "q", "1"},
      {day, "w", "1"},
      {day, "y", "64"},
      {day, "\"Fecha: \"dd/mm/yyyy", "Fecha: 05/03/2006"},
      {day, "", "05/03/2006"},
      {moment, "", "05/03/2006 01:05:09 p.m."},
      {"15/03/2006", "YYYYMM", "200603"},
      {"24/07/2006 10:20:30", "dd/mm/yyyy hh:mm:ss", "24/07/2006 10:20:30"},
      {"12/2004", "yyyymm", "200412"},
      {38000, "dd/mm/yyyy", "14/01/2004"},
      {"abc", "dd/mm/yyyy", "abc"},
      {"13/2005", "yyyymm", "13/2005"},
  });
}

}  // namespace
