#include "platform/vb/date.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/vb/error.h"

namespace vb {
namespace {

// Days between 30/12/1899 and 01/01/1970.
constexpr long long kUnixEpochSerial = 25569;

std::function<Date()>& Clock() {
  static std::function<Date()> clock;
  return clock;
}

// Civil date <-> days since 01/01/1970 (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

struct Civil {
  long long year;
  unsigned month;
  unsigned day;
};

Civil CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {y + (m <= 2), m, d};
}

long long DayNumber(Date d) { return static_cast<long long>(std::trunc(d.serial)); }

// Seconds since midnight, rounded to the second as the runtime shows them.
long long SecondsOfDay(Date d) {
  double fraction = std::fabs(d.serial - std::trunc(d.serial));
  long long seconds = std::llround(fraction * 86400.0);
  return seconds >= 86400 ? 86399 : seconds;
}

Civil CivilOf(Date d) { return CivilFromDays(DayNumber(d) - kUnixEpochSerial); }

Date FromParts(long long dayNumber, double fraction) {
  if (dayNumber >= 0) return Date{static_cast<double>(dayNumber) + fraction};
  return Date{static_cast<double>(dayNumber) - fraction};
}

void CheckRange(Date d) {
  // 01/01/100 to 31/12/9999, as the runtime allows.
  if (d.serial < -657434.0 || d.serial >= 2958466.0) Raise(6);
}

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

Date SystemNow() {
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  Date date = DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return Date{date.serial + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0};
}

long long WeekNumberBoundary(long long dayNumber) {
  // Weeks start on Sunday; day number 1 (31/12/1899) was a Sunday.
  long long shifted = dayNumber - 1;
  return shifted >= 0 ? shifted / 7 : (shifted - 6) / 7;
}

}  // namespace

Date Now() { return Clock() ? Clock()() : SystemNow(); }
Date Today() { return DateOnly(Now()); }
void SetClock(std::function<Date()> clock) { Clock() = std::move(clock); }

double Timer() {
  if (Clock()) return std::fabs(Now().serial - std::trunc(Now().serial)) * 86400.0;
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() % 1000000;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + micros / 1e6;
}

Date DateSerial(int year, int month, int day) {
  long long y = year;
  if (y >= 0 && y < 30) y += 2000;
  else if (y >= 30 && y < 100) y += 1900;
  long long m0 = static_cast<long long>(month) - 1;
  y += m0 >= 0 ? m0 / 12 : (m0 - 11) / 12;
  m0 = ((m0 % 12) + 12) % 12;
  long long days = DaysFromCivil(y, static_cast<unsigned>(m0 + 1), 1) + (day - 1);
  Date d{static_cast<double>(days + kUnixEpochSerial)};
  CheckRange(d);
  return d;
}

Date TimeSerial(int hour, int minute, int second) {
  long long seconds = hour * 3600LL + minute * 60LL + second;
  long long days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
  double fraction = static_cast<double>(seconds - days * 86400) / 86400.0;
  return FromParts(days, fraction);
}

int Year(Date d) { return static_cast<int>(CivilOf(d).year); }
int Month(Date d) { return static_cast<int>(CivilOf(d).month); }
int Day(Date d) { return static_cast<int>(CivilOf(d).day); }
int Hour(Date d) { return static_cast<int>(SecondsOfDay(d) / 3600); }
int Minute(Date d) { return static_cast<int>(SecondsOfDay(d) / 60 % 60); }
int Second(Date d) { return static_cast<int>(SecondsOfDay(d) % 60); }

int Weekday(Date d) {
  long long n = DayNumber(d);
  // Serial 1 (31/12/1899) was a Sunday.
  long long w = ((n - 1) % 7 + 7) % 7;
  return static_cast<int>(w + 1);
}

Date DateOnly(Date d) { return Date{std::trunc(d.serial)}; }
Date TimeOnly(Date d) { return Date{std::fabs(d.serial - std::trunc(d.serial))}; }

Date DateAdd(const std::string& interval, double number, Date d) {
  std::string unit = AsciiLower(interval);
  long long n = static_cast<long long>(std::trunc(number));
  double fraction = std::fabs(d.serial - std::trunc(d.serial));
  auto addMonths = [&](long long months) {
    Civil c = CivilOf(d);
    long long total = c.year * 12 + (c.month - 1) + months;
    long long year = total >= 0 ? total / 12 : (total - 11) / 12;
    unsigned month = static_cast<unsigned>(total - year * 12 + 1);
    unsigned lastDay = CivilFromDays(DaysFromCivil(month == 12 ? year + 1 : year,
                                                   month == 12 ? 1 : month + 1, 1) - 1).day;
    unsigned day = std::min(c.day, lastDay);
    Date r = FromParts(DaysFromCivil(year, month, day) + kUnixEpochSerial, fraction);
    CheckRange(r);
    return r;
  };
  auto addSeconds = [&](double seconds) {
    long long dayNumber = DayNumber(d);
    long long total = dayNumber * 86400 + SecondsOfDay(d) + static_cast<long long>(seconds);
    long long days = total >= 0 ? total / 86400 : (total - 86399) / 86400;
    Date r = FromParts(days, static_cast<double>(total - days * 86400) / 86400.0);
    CheckRange(r);
    return r;
  };
  if (unit == "yyyy") return addMonths(n * 12);
  if (unit == "q") return addMonths(n * 3);
  if (unit == "m") return addMonths(n);
  if (unit == "d" || unit == "y" || unit == "w") return addSeconds(n * 86400.0);
  if (unit == "ww") return addSeconds(n * 7 * 86400.0);
  if (unit == "h") return addSeconds(n * 3600.0);
  if (unit == "n") return addSeconds(n * 60.0);
  if (unit == "s") return addSeconds(static_cast<double>(n));
  Raise(5);
}

long long DateDiff(const std::string& interval, Date d1, Date d2) {
  std::string unit = AsciiLower(interval);
  Civil a = CivilOf(d1);
  Civil b = CivilOf(d2);
  long long secondsA = DayNumber(d1) * 86400 + SecondsOfDay(d1) * (d1.serial < 0 ? -1 : 1);
  long long secondsB = DayNumber(d2) * 86400 + SecondsOfDay(d2) * (d2.serial < 0 ? -1 : 1);
  if (unit == "yyyy") return b.year - a.year;
  if (unit == "q") return (b.year * 4 + (b.month - 1) / 3) - (a.year * 4 + (a.month - 1) / 3);
  if (unit == "m") return (b.year * 12 + b.month) - (a.year * 12 + a.month);
  if (unit == "d" || unit == "y") return DayNumber(d2) - DayNumber(d1);
  if (unit == "w") return (DayNumber(d2) - DayNumber(d1)) / 7;
  if (unit == "ww") return WeekNumberBoundary(DayNumber(d2)) - WeekNumberBoundary(DayNumber(d1));
  if (unit == "h") return secondsB / 3600 - secondsA / 3600;
  if (unit == "n") return secondsB / 60 - secondsA / 60;
  if (unit == "s") return secondsB - secondsA;
  Raise(5);
}

}  // namespace vb
