#include <gtest/gtest.h>

#include <functional>

#include "platform/testsupport/error_of.h"
#include "platform/vb/vb.h"

namespace {

using vb::Date;
using testsupport::ErrorOf;

Date At(int y, int m, int d, int hh = 0, int nn = 0, int ss = 0) {
  return Date{vb::DateSerial(y, m, d).serial + vb::TimeSerial(hh, nn, ss).serial};
}

TEST(Dates, SerialsCountDaysFromThe30thOfDecember1899) {
  EXPECT_EQ(vb::DateSerial(1899, 12, 30).serial, 0);
  EXPECT_EQ(vb::DateSerial(1900, 1, 1).serial, 2);
  EXPECT_EQ(vb::DateSerial(2000, 1, 1).serial, 36526);
  EXPECT_EQ(vb::DateSerial(2006, 13, 1), vb::DateSerial(2007, 1, 1));
  EXPECT_EQ(vb::DateSerial(2006, 3, 0), vb::DateSerial(2006, 2, 28));
  EXPECT_EQ(vb::DateSerial(6, 1, 1), vb::DateSerial(2006, 1, 1));
  EXPECT_EQ(vb::DateSerial(99, 1, 1), vb::DateSerial(1999, 1, 1));
  EXPECT_EQ(ErrorOf([] { vb::DateSerial(10000, 1, 1); }), 6);
  Date before{-1.25};
  EXPECT_EQ(vb::Day(before), 29);
  EXPECT_EQ(vb::Hour(before), 6);
}

TEST(Dates, PartsOfADate) {
  Date d = At(2006, 3, 5, 13, 5, 9);
  EXPECT_EQ(vb::Year(d), 2006);
  EXPECT_EQ(vb::Month(d), 3);
  EXPECT_EQ(vb::Day(d), 5);
  EXPECT_EQ(vb::Hour(d), 13);
  EXPECT_EQ(vb::Minute(d), 5);
  EXPECT_EQ(vb::Second(d), 9);
  EXPECT_EQ(vb::Weekday(d), 1);
  EXPECT_EQ(vb::Weekday(vb::DateSerial(2006, 3, 11)), 7);
  EXPECT_EQ(vb::DateOnly(d), vb::DateSerial(2006, 3, 5));
}

TEST(Dates, DateAddKeepsTheDayWithinTheMonth) {
  struct Case {
    const char* interval;
    double number;
    Date from;
    Date expected;
  } cases[] = {
      {"m", 1, vb::DateSerial(2006, 1, 31), vb::DateSerial(2006, 2, 28)},
      {"m", -2, vb::DateSerial(2006, 1, 15), vb::DateSerial(2005, 11, 15)},
      {"yyyy", 1, vb::DateSerial(2004, 2, 29), vb::DateSerial(2005, 2, 28)},
      {"q", 1, vb::DateSerial(2006, 11, 30), vb::DateSerial(2007, 2, 28)},
      {"d", 30, vb::DateSerial(2006, 2, 15), vb::DateSerial(2006, 3, 17)},
      {"ww", 1, vb::DateSerial(2006, 12, 28), vb::DateSerial(2007, 1, 4)},
      {"h", 12, At(2006, 3, 5, 13), At(2006, 3, 6, 1)},
      {"n", -5, At(2006, 3, 5), At(2006, 3, 4, 23, 55)},
      {"M", 12, vb::DateSerial(2006, 3, 5), vb::DateSerial(2007, 3, 5)},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(vb::DateAdd(c.interval, c.number, c.from).serial, c.expected.serial) << c.interval;
  EXPECT_EQ(ErrorOf([] { vb::DateAdd("x", 1, vb::Today()); }), 5);
}

TEST(Dates, DateDiffCountsCalendarBoundaries) {
  struct Case {
    const char* interval;
    Date from;
    Date to;
    long long expected;
  } cases[] = {
      {"d", vb::DateSerial(2006, 3, 1), vb::DateSerial(2006, 3, 31), 30},
      {"d", At(2006, 3, 1, 23, 59), At(2006, 3, 2, 0, 1), 1},
      {"d", vb::DateSerial(2006, 3, 31), vb::DateSerial(2006, 3, 1), -30},
      {"m", vb::DateSerial(2005, 12, 31), vb::DateSerial(2006, 1, 1), 1},
      {"yyyy", vb::DateSerial(2005, 12, 31), vb::DateSerial(2006, 1, 1), 1},
      {"yyyy", vb::DateSerial(2005, 1, 1), vb::DateSerial(2005, 12, 31), 0},
      {"q", vb::DateSerial(2006, 3, 31), vb::DateSerial(2006, 4, 1), 1},
      {"w", vb::DateSerial(2006, 3, 1), vb::DateSerial(2006, 3, 14), 1},
      {"ww", vb::DateSerial(2006, 3, 4), vb::DateSerial(2006, 3, 5), 1},
      {"h", At(2006, 3, 1, 10, 59), At(2006, 3, 1, 11, 0), 1},
      {"n", At(2006, 3, 1, 10, 0, 59), At(2006, 3, 1, 10, 1, 0), 1},
      {"s", At(2006, 3, 1), At(2006, 3, 2), 86400},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::DateDiff(c.interval, c.from, c.to), c.expected) << c.interval;
}

TEST(Dates, TheClockCanBeInjected) {
  vb::SetClock([] { return At(2006, 7, 24, 18, 30, 15); });
  EXPECT_EQ(vb::Today(), vb::DateSerial(2006, 7, 24));
  EXPECT_EQ(vb::Now(), At(2006, 7, 24, 18, 30, 15));
  EXPECT_NEAR(vb::Timer(), 18 * 3600 + 30 * 60 + 15, 1e-6);
  EXPECT_EQ(vb::CStr(vb::Now()), "24/07/2006 06:30:15 p.m.");
  vb::SetClock(nullptr);
  EXPECT_GT(vb::Year(vb::Today()), 2020);
}

}  // namespace
