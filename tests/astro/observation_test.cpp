// From a Japan Standard Time date and a site to the time arguments, the
// sidereal time and the local places of the bodies.

#include "astro/observation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace {

using astro::Observation;

constexpr double kTokyoLat = 35.6895, kTokyoLon = 139.6917;        // [degrees]
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();  // in a table: not checked

// Before 09:00 Japan time on the first of a month it is still the previous
// month in UT: the day falls below 1 and is carried through the calendar.
TEST(Observation, WorkedTimeArguments) {
  const struct {
    std::int16_t year, month;
    double day, hour, minute, utDay, jd, T, utHours, gmst;
  } cases[] = {
      {2000, 1, 1, 21, 0, 1.5, 2451545.0, 0, 12, 18.697374558000007},
      {2005, 10, 22, 21, 0, 22.5, 2453666.0, 0.058069815195071865, 12, 14.067912238090145},
      {2005, 10, 22, 19, 10, kNaN, 2453665.923611111, kNaN, kNaN, kNaN},
      {2005, 3, 1, 0, 0, 0.625, kNaN, kNaN, 15, kNaN},
      {2005, 1, 1, 5, 0, 0.8333333333333333, 2453371.3333333335, kNaN, kNaN, kNaN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute);
    Observation o;
    ASSERT_TRUE(o.Compute(c.year, c.month, c.day, c.hour, c.minute, kTokyoLat, kTokyoLon));
    const double expected[] = {c.utDay, c.jd, c.T, c.utHours, c.gmst};
    const double got[] = {o.UTDay, o.JD, o.T, o.UTHours, o.GMST};
    for (std::size_t i = 0; i < std::size(got); ++i) {
      EXPECT_TRUE(std::isnan(expected[i]) || got[i] == expected[i])
          << "UTDay, JD, T, UTHours, GMST [" << i << "]: " << got[i] << " not " << expected[i];
    }
    EXPECT_EQ(o.ephemeris.T, o.T);
  }
}

// At J2000 the equation of the equinoxes is the nutation -0.0037815 degrees
// times cos(23.43929), in hours; and the Sun, near the meridian of Greenwich
// (equation of time -3.3 min) at declination -23.03, stands 90 - 51.48 - 23.03
// high there.
TEST(Observation, SiderealTimeAndTheNoonSunAtGreenwich) {
  Observation o;
  ASSERT_TRUE(o.Compute(2000, 1, 1, 21, 0, 51.4769, 0));
  EXPECT_NEAR(o.horizontal.SidTime - o.GMST, -0.0037815 * 0.9174821 / 15, 1e-8);
  EXPECT_NEAR(o.BodyAlt[astro::kSun], 15.49, 0.02);
  EXPECT_NEAR(o.BodyAz[astro::kSun], 180, 1.2);
}

// Two sites share the instant; each body is converted for its own site.
TEST(Observation, SitesShareTheInstantAndDifferInTheSky) {
  Observation tokyo, london;
  ASSERT_TRUE(tokyo.Compute(2024, 7, 7, 20, 30, kTokyoLat, kTokyoLon));
  ASSERT_TRUE(london.Compute(2024, 7, 7, 20, 30, 51.5074, -0.1278));
  EXPECT_EQ(std::tie(tokyo.JD, tokyo.T, tokyo.horizontal.SidTime, tokyo.ephemeris.BodyRA),
            std::tie(london.JD, london.T, london.horizontal.SidTime, london.ephemeris.BodyRA));
  for (std::size_t i = 0; i < astro::kBodyCount; ++i) {
    SCOPED_TRACE(testing::Message() << "body " << i);
    astro::Horizontal h = tokyo.horizontal;
    h.ObjRA = tokyo.ephemeris.BodyRA[i];
    h.ObjDec = tokyo.ephemeris.BodyDec[i];
    h.EqToHor();
    EXPECT_EQ(std::tie(tokyo.BodyAlt[i], tokyo.BodyAz[i]), std::tie(h.ObjAlt, h.ObjAz));
    EXPECT_NE(tokyo.BodyAz[i], london.BodyAz[i]);
  }
}

auto State(const Observation& o) {
  return std::tie(o.JD, o.T, o.UTDay, o.UTHours, o.GMST, o.horizontal.SidTime, o.horizontal.SiteLat,
                  o.horizontal.SiteLon, o.ephemeris.T, o.ephemeris.BodyRA, o.ephemeris.BodyDec,
                  o.BodyAlt, o.BodyAz);
}

// Inputs that give no finite sky are refused and the previous sky is kept;
// empty boxes (year, month and day 0) still give one.
TEST(Observation, UnusableInputsLeaveThePreviousSky) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    const char* what;
    std::int16_t year, month;
    double day, hour, minute, lat, lon;
  } cases[] = {
      {"day 1e300 overflows T*T", 2000, 1, 1e300, 0, 0, 35, 135},
      {"day -1e300", 2000, 1, -1e300, 0, 0, 35, 135},
      {"year -32768 in January", -32768, 1, 1, 0, 0, 35, 135},
      {"NaN hour", 2000, 1, 1, kNaN, 0, 35, 135},
      {"infinite minute", 2000, 1, 1, 0, kInf, 35, 135},
      {"NaN latitude", 2000, 1, 1, 0, 0, kNaN, 135},
      {"infinite longitude", 2000, 1, 1, 0, 0, 35, -kInf},
  };
  Observation o;
  ASSERT_TRUE(o.Compute(2005, 10, 22, 21, 0, kTokyoLat, kTokyoLon));
  const Observation before = o;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(o.Compute(c.year, c.month, c.day, c.hour, c.minute, c.lat, c.lon));
    EXPECT_EQ(State(o), State(before));
  }
  EXPECT_TRUE(o.Compute(0, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(o.Compute(-32768, 3, 1, 0, 0, 0, 0));
  EXPECT_TRUE(o.GMST >= 0 && o.GMST < 24);
}

}  // namespace
