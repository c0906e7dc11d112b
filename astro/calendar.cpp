#include "astro/calendar.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"

namespace astro {

namespace {

constexpr double kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();

bool FitsInt16(double value) {
  return value >= kInt16Min && value <= kInt16Max;
}

// The first day of the Gregorian calendar is 1582-10-15; every earlier date is Julian.
bool IsGregorian(int year, int month, double day) {
  return year >= 1583 || (year == 1582 && month >= 11) ||
         (year == 1582 && month == 10 && day >= 15);
}

}  // namespace

std::optional<double> ymdYD(const std::int16_t& IY, const std::int16_t& im, const double& D) {
  // January and February count as months 13 and 14 of the previous year, so
  // that the leap day falls at the end of the counted year.
  int adjustedYear = IY;
  int adjustedMonth = im;
  if (im < 3) {
    adjustedYear = IY - 1;
    adjustedMonth = im + 12;
  }
  if (!FitsInt16(adjustedYear)) {
    return std::nullopt;
  }
  const double year = adjustedYear;
  const double month = adjustedMonth;

  double B = 0;  // Gregorian correction [days]
  if (IsGregorian(IY, im, D)) {
    const double A = Fix(year / 100);
    B = (2 - A) + Fix(A / 4);
  }
  const double C = IY >= 1 ? Fix(365.25 * year) : Fix(365.25 * year - 0.75);
  const double E = Fix((month + 1) * 30.6);
  return D + (C + (B + (E + 1720994.5)));
}

bool ydYMD(double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day,
           std::int16_t& hour, std::int16_t& minute, std::int16_t& second) {
  // Below -0.5 the truncations would round toward the wrong day.
  if (!std::isfinite(jd) || jd < -0.5) {
    return false;
  }
  const double J = jd + 0.5;
  const double Z = Fix(J);
  const double F = J - Fix(J);  // fraction of the day since midnight
  double A = Z;
  if (Z >= 2299161) {
    const double alpha = Fix((Z - 1867216.25) / 36524.25);
    A = (Z + 1 + alpha) - Fix(alpha / 4);
  }
  const double B = A + 1524;
  const double C = Fix((B - 122.1) / 365.25);
  const double Dd = Fix(365.25 * C);
  const double E = Fix((B - Dd) / 30.6001);
  const double f = ((B - Dd) - Fix(30.6001 * E)) + F;

  const double m = E < 13.5 ? E - 1 : E - 13;
  const double y = m > 2.5 ? C - 4716 : C - 4715;
  const double d = Fix(f);
  double x = (f - d) * 24;
  const double h = Fix(x);
  x = (x - h) * 60;
  const double min = Fix(x);
  x = (x - min) * 60;
  const double s = Fix(x);

  if (!FitsInt16(y) || !FitsInt16(m) || !FitsInt16(d) || !FitsInt16(h) || !FitsInt16(min) ||
      !FitsInt16(s)) {
    return false;
  }
  year = static_cast<std::int16_t>(y);
  month = static_cast<std::int16_t>(m);
  day = static_cast<std::int16_t>(d);
  hour = static_cast<std::int16_t>(h);
  minute = static_cast<std::int16_t>(min);
  second = static_cast<std::int16_t>(s);
  return true;
}

std::optional<CalendarMinute> MinuteOfJulianDay(double jd) {
  constexpr double kHalfSecond = 0.5 / 86400;  // [days]
  CalendarMinute t;
  std::int16_t second = 0;
  if (!ydYMD(jd + kHalfSecond, t.year, t.month, t.day, t.hour, t.minute, second)) {
    return std::nullopt;
  }
  return t;
}

}  // namespace astro
