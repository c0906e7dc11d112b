// Calendar date <-> Julian day: worked dates around the Gregorian reform and
// year 0, the truncation of times, and a round trip over seven thousand years.

#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>

namespace {

using astro::ydYMD;
using astro::ymdYD;

struct DateToJd {
  std::int16_t year, month;
  double day;
  double jd;
};

TEST(Calendar, YmdYdWorkedDates) {
  const DateToJd cases[] = {
      {2000, 1, 1.5, 2451545.0},                                    // J2000.0
      {1582, 10, 4, 2299159.5},                                     // last Julian day
      {1582, 10, 15, 2299160.5},                                    // first Gregorian day
      {1582, 9, 30, 2299155.5},                                     //
      {1582, 11, 1, 2299177.5},                                     //
      {1, 1, 1, 1721423.5},                                         // year 1
      {0, 1, 1, 1721057.5},                                         // year 0 (leap, Julian)
      {-4712, 1, 1.5, 0.0},                                         // origin of the Julian day
      {2000, 2, 29, 2451603.5},                                     // century rule on 1999
      {2000, 1, 32, 2451575.5},                                     // day carried through
      {2000, 2, 1, 2451575.5},                                      //
      {2005, 10, 22 + 10.0 / 24 + 10.0 / 1440, 2453665.923611111},  // 10:10
  };
  for (const DateToJd& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const std::optional<double> jd = ymdYD(c.year, c.month, c.day);
    ASSERT_TRUE(jd.has_value());
    EXPECT_EQ(*jd, c.jd);
  }
}

struct JdToDate {
  double jd;
  int year, month, day, hour, minute, second;
};

TEST(Calendar, YdYmdWorkedDates) {
  const JdToDate cases[] = {
      {2451545.0, 2000, 1, 1, 12, 0, 0},
      {2299160.5, 1582, 10, 15, 0, 0, 0},
      {2299159.5, 1582, 10, 4, 0, 0, 0},
      {0.0, -4712, 1, 1, 12, 0, 0},
      {-0.5, -4712, 1, 1, 0, 0, 0},  // the earliest Julian day accepted
      // 10:10 comes back one minute short: the time is truncated, not rounded.
      {2453665.923611111, 2005, 10, 22, 10, 9, 59},
  };
  for (const JdToDate& c : cases) {
    SCOPED_TRACE(testing::Message() << "jd " << c.jd);
    std::int16_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_TRUE(ydYMD(c.jd, y, mo, d, h, mi, s));
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(mo, c.month);
    EXPECT_EQ(d, c.day);
    EXPECT_EQ(h, c.hour);
    EXPECT_EQ(mi, c.minute);
    EXPECT_EQ(s, c.second);
  }
}

TEST(Calendar, AdjustedYearOutsideSixteenBitsFails) {
  EXPECT_FALSE(ymdYD(-32768, 1, 1).has_value());
  EXPECT_FALSE(ymdYD(-32768, 2, 28).has_value());
  EXPECT_TRUE(ymdYD(-32768, 3, 1).has_value());
  EXPECT_TRUE(ymdYD(32767, 12, 31).has_value());
}

TEST(Calendar, UnrepresentableJulianDaysLeaveOutputsUntouched) {
  const double jdAfterYear32767 = *ymdYD(32767, 12, 31) + 1;
  const double cases[] = {jdAfterYear32767,
                          1e300,
                          -1,
                          -0.5000001,
                          std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
  for (const double jd : cases) {
    SCOPED_TRACE(testing::Message() << "jd " << jd);
    std::int16_t y = 7, mo = 7, d = 7, h = 7, mi = 7, s = 7;
    EXPECT_FALSE(ydYMD(jd, y, mo, d, h, mi, s));
    EXPECT_EQ(y, 7);
    EXPECT_EQ(mo, 7);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(mi, 7);
    EXPECT_EQ(s, 7);
  }
  std::int16_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  EXPECT_TRUE(ydYMD(jdAfterYear32767 - 1, y, mo, d, h, mi, s));
  EXPECT_EQ(y, 32767);
  EXPECT_EQ(mo, 12);
  EXPECT_EQ(d, 31);
}

bool IsLeap(int year, bool gregorian) {
  if (!gregorian) {
    return year % 4 == 0;  // year 0, -4, ... are Julian leap years as well
  }
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool gregorian) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year, gregorian) ? 29 : kDays[month - 1];
}

// Any whole-minute time in either calendar comes back as the same date and
// time, or (truncation) one second earlier: minute - 1 with 59 seconds.
TEST(Calendar, RoundTripOverBothCalendars) {
  std::mt19937 rng(20240101);
  std::uniform_int_distribution<int> yearDist(-4000, 3000);
  std::uniform_int_distribution<int> monthDist(1, 12);
  std::uniform_int_distribution<int> hourDist(0, 23);
  std::uniform_int_distribution<int> minuteDist(0, 59);
  int tested = 0;
  while (tested < 20000) {
    const int year = yearDist(rng);
    const int month = monthDist(rng);
    const bool gregorian = year > 1582 || (year == 1582 && month >= 10);
    const int day = std::uniform_int_distribution<int>(1, DaysInMonth(year, month, gregorian))(rng);
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
      continue;  // dropped by the reform
    }
    const int hour = hourDist(rng);
    const int minute = minuteDist(rng);
    const double D = day + hour / 24.0 + minute / 1440.0;
    SCOPED_TRACE(testing::Message()
                 << year << "-" << month << "-" << day << " " << hour << ":" << minute);
    const std::optional<double> jd =
        ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), D);
    ASSERT_TRUE(jd.has_value());
    std::int16_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_TRUE(ydYMD(*jd, y, mo, d, h, mi, s));
    EXPECT_EQ(y, year);
    EXPECT_EQ(mo, month);
    EXPECT_EQ(d, day);
    const int shortBy = (hour * 3600 + minute * 60) - (h * 3600 + mi * 60 + s);
    EXPECT_TRUE(shortBy == 0 || shortBy == 1) << "came back " << h << ":" << mi << ":" << s;
    ++tested;
  }
}

}  // namespace
