#pragma once

#include <array>
#include <cstdint>

#include "astro/ephemeris.h"
#include "astro/horizontal.h"

namespace astro {

// The observation pipeline: from a Japan Standard Time date and a site to the
// sidereal time and the altitude and azimuth of the six bodies.
struct Observation {
  Horizontal horizontal;  // SidTime, SiteLat, SiteLon are set by Compute
  Ephemeris ephemeris;    // T is set by Compute
  double JD = 0;          // Julian day of the instant [UT]
  double T = 0;           // Julian centuries from JD 2451545.0 [UT]
  double UTDay = 0;       // UT day of the month with the time as fraction (may fall below 1)
  double UTHours = 0;     // UT time of day [hours]
  double GMST = 0;        // mean sidereal time at Greenwich [hours, 0..24)
  std::array<double, kBodyCount> BodyAlt{};  // altitude [degrees]
  std::array<double, kBodyCount> BodyAz{};   // azimuth [degrees, north 0, east 90]

  // Given: year and month as 16-bit integers, day (with fraction), hour and
  //        minute as read from the window (Japan Standard Time, UT + 9 h),
  //        latitude and longitude in degrees (east positive).
  // Returned: true with every member above renewed; false, with nothing
  //        changed, when the calendar cannot represent the date (year -32768
  //        in January or February), when an input is not finite, or when a
  //        result would not be finite (a day such as 1e300 overflows T*T and
  //        would carry NaN into the chart). The work is done on a copy that is
  //        kept only when every result is finite.
  // Notes: the date and time are Japan Standard Time for every site; no
  //        correction from Universal to dynamical time is applied.
  bool Compute(std::int16_t year, std::int16_t month, double day, double hour, double minute,
               double latitude, double longitude);
};

}  // namespace astro
