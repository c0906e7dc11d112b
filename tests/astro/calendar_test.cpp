// Calendar date <-> Julian day: the reform, year 0, truncated times, 16-bit limits.

#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <tuple>

namespace {

using astro::ymdYD;
using Fields = std::array<std::int16_t, 6>;  // year, month, day, hour, minute, second

bool ToDate(double jd, Fields& f) {
  return astro::ydYMD(jd, f[0], f[1], f[2], f[3], f[4], f[5]);
}

// Each date to its Julian day and, where the hour is given, back again.
TEST(Calendar, WorkedDates) {
  constexpr std::int16_t kOneWay = -1;
  const struct {
    std::int16_t year, month;
    double day, jd;
    std::int16_t hour, minute, second;  // of the way back
  } cases[] = {
      {2000, 1, 1.5, 2451545.0, 12, 0, 0},
      {1582, 10, 4, 2299159.5, 0, 0, 0},   // last Julian day
      {1582, 10, 15, 2299160.5, 0, 0, 0},  // first Gregorian day
      {1582, 9, 30, 2299155.5, kOneWay, 0, 0},
      {1582, 11, 1, 2299177.5, kOneWay, 0, 0},
      {1, 1, 1, 1721423.5, kOneWay, 0, 0},
      {0, 1, 1, 1721057.5, kOneWay, 0, 0},  // year 0: the -0.75 branch
      {-4712, 1, 1.5, 0.0, 12, 0, 0},
      {-4712, 1, 1, -0.5, 0, 0, 0},             // the earliest Julian day taken back
      {2000, 2, 29, 2451603.5, kOneWay, 0, 0},  // century rule on the adjusted year 1999
      {2000, 1, 32, 2451575.5, kOneWay, 0, 0},  // day 32 carried through
      {2000, 2, 1, 2451575.5, kOneWay, 0, 0},
      {32767, 12, 31, 13689324.5, 0, 0, 0},
      {-32768, 3, 1, -10247394.5, kOneWay, 0, 0},  // adjusted year still fits 16 bits
      // 10:10 comes back one second short: the time is truncated, not rounded.
      {2005, 10, 22 + 10.0 / 24 + 10.0 / 1440, 2453665.923611111, 10, 9, 59},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const std::optional<double> jd = ymdYD(c.year, c.month, c.day);
    ASSERT_TRUE(jd.has_value());
    EXPECT_EQ(*jd, c.jd);
    if (c.hour != kOneWay) {
      Fields got{};
      ASSERT_TRUE(ToDate(c.jd, got));
      EXPECT_EQ(got, (Fields{c.year, c.month, static_cast<std::int16_t>(c.day), c.hour, c.minute,
                             c.second}));
    }
  }
}

// Dates whose year cannot be held in 16 bits are refused, outputs untouched.
TEST(Calendar, SixteenBitYearsAreTheLimit) {
  EXPECT_FALSE(ymdYD(-32768, 2, 28).has_value());
  constexpr double kInf = std::numeric_limits<double>::infinity();
  for (const double jd : {13689324.5 + 1, 1e300, -1.0, -0.5000001,
                          std::numeric_limits<double>::quiet_NaN(), kInf, -kInf}) {
    SCOPED_TRACE(testing::Message() << "jd " << jd);
    Fields got{7, 7, 7, 7, 7, 7};
    EXPECT_FALSE(ToDate(jd, got));
    EXPECT_EQ(got, (Fields{7, 7, 7, 7, 7, 7}));
  }
}

int DaysInMonth(int year, int month, bool gregorian) {
  const bool leap = year % 4 == 0 && (!gregorian || year % 100 != 0 || year % 400 == 0);
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Any whole-minute time in either calendar comes back as the same date and
// time, or (truncation) one second earlier.
TEST(Calendar, RoundTripOverBothCalendars) {
  std::mt19937 rng(20240101);
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < 20000; ++i) {
    const int year = pick(-4000, 3000), month = pick(1, 12);
    int day = pick(1, DaysInMonth(year, month, year > 1582 || (year == 1582 && month >= 10)));
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) day += 10;  // dropped by the reform
    const int hour = pick(0, 23), minute = pick(0, 59);
    SCOPED_TRACE(testing::Message()
                 << year << "-" << month << "-" << day << " " << hour << ":" << minute);
    const std::optional<double> jd =
        ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
              day + hour / 24.0 + minute / 1440.0);
    ASSERT_TRUE(jd.has_value());
    Fields got{};
    ASSERT_TRUE(ToDate(*jd, got));
    EXPECT_EQ(std::tie(got[0], got[1], got[2]), std::tuple(year, month, day));
    const int shortBy = (hour * 3600 + minute * 60) - (got[3] * 3600 + got[4] * 60 + got[5]);
    EXPECT_TRUE(shortBy == 0 || shortBy == 1) << "came back " << got[3] << ":" << got[4];
  }
}

}  // namespace
