#pragma once
#include <compare>
#include <functional>
#include <string>

namespace vb {

// The runtime's Date: days since 30/12/1899 as a double, the time of day as the
// fraction. Before that day the whole part counts back while the fraction still
// counts forward from midnight (-1.25 is 29/12/1899 06:00), as the runtime does.
struct Date {
  double serial = 0;
  friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

// Today's date without time and the current date and time. Tests inject a clock;
// an empty function goes back to the system clock.
Date Today();
Date Now();
void SetClock(std::function<Date()> clock);
// Seconds since midnight with their fraction (from the injected clock when there is one).
double Timer();

// Out-of-range parts carry over as the runtime's DateSerial does (month 13 is
// January of the next year, day 0 the last day of the month before).
Date DateSerial(int year, int month, int day);
Date TimeSerial(int hour, int minute, int second);

int Year(Date d);
int Month(Date d);
int Day(Date d);
int Hour(Date d);
int Minute(Date d);
int Second(Date d);
// 1 Sunday ... 7 Saturday.
int Weekday(Date d);

// Intervals "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s" (case-insensitive).
// DateAdd by months keeps the day, clamped to the month's last day. DateDiff counts
// boundaries crossed: calendar days, months or years, never elapsed fractions.
Date DateAdd(const std::string& interval, double number, Date d);
long long DateDiff(const std::string& interval, Date d1, Date d2);

// The date part only, and the time part only.
Date DateOnly(Date d);
Date TimeOnly(Date d);

}  // namespace vb
