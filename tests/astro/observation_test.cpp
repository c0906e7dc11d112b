// From a Japan Standard Time date and a site to the time arguments, sidereal
// time and the local places of the bodies.

#include "astro/observation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using astro::Observation;

constexpr double kTokyoLat = 35.6895, kTokyoLon = 139.6917;  // [degrees]

TEST(Observation, J2000InJapanTime) {
  Observation o;
  ASSERT_TRUE(o.Compute(2000, 1, 1, 21, 0, kTokyoLat, kTokyoLon));
  EXPECT_EQ(o.UTDay, 1.5);
  EXPECT_EQ(o.JD, 2451545.0);
  EXPECT_EQ(o.T, 0);
  EXPECT_EQ(o.ephemeris.T, 0);
  EXPECT_EQ(o.UTHours, 12);
  EXPECT_EQ(o.GMST, 18.697374558000007);
  EXPECT_EQ(o.horizontal.SiteLat, kTokyoLat);
  EXPECT_EQ(o.horizontal.SiteLon, kTokyoLon);
}

TEST(Observation, AutumnEvening2005) {
  Observation o;
  ASSERT_TRUE(o.Compute(2005, 10, 22, 21, 0, kTokyoLat, kTokyoLon));
  EXPECT_EQ(o.UTDay, 22.5);
  EXPECT_EQ(o.JD, 2453666.0);
  EXPECT_EQ(o.T, 0.058069815195071865);
  EXPECT_EQ(o.GMST, 14.067912238090145);
}

// Before 09:00 Japan time on the first of a month it is still the previous
// month in UT: the day falls below 1 and is carried through the calendar.
TEST(Observation, EarlyMorningOfTheFirstIsThePreviousMonthInUT) {
  Observation o;
  ASSERT_TRUE(o.Compute(2005, 3, 1, 0, 0, kTokyoLat, kTokyoLon));
  EXPECT_EQ(o.UTDay, 0.625);
  EXPECT_EQ(o.UTHours, 15);

  ASSERT_TRUE(o.Compute(2005, 1, 1, 5, 0, kTokyoLat, kTokyoLon));
  EXPECT_EQ(o.UTDay, 0.8333333333333333);
  EXPECT_EQ(o.JD, 2453371.3333333335);  // 2004-12-31 20:00 UT
}

// The equation of the equinoxes at J2000: nutation -0.0037815 degrees times
// cos(23.43929), in hours.
TEST(Observation, ApparentSiderealTimeAddsTheEquationOfTheEquinoxes) {
  Observation o;
  ASSERT_TRUE(o.Compute(2000, 1, 1, 21, 0, kTokyoLat, kTokyoLon));
  EXPECT_NEAR(o.horizontal.SidTime - o.GMST, -0.0037815 * 0.9174821 / 15, 1e-8);
}

TEST(Observation, SitesShareTheInstantAndDifferInTheSky) {
  Observation tokyo, london;
  ASSERT_TRUE(tokyo.Compute(2024, 7, 7, 20, 30, kTokyoLat, kTokyoLon));
  ASSERT_TRUE(london.Compute(2024, 7, 7, 20, 30, 51.5074, -0.1278));
  EXPECT_EQ(tokyo.JD, london.JD);
  EXPECT_EQ(tokyo.T, london.T);
  EXPECT_EQ(tokyo.horizontal.SidTime, london.horizontal.SidTime);
  EXPECT_EQ(tokyo.ephemeris.BodyRA, london.ephemeris.BodyRA);
  EXPECT_NE(tokyo.BodyAz[astro::kSun], london.BodyAz[astro::kSun]);
}

// 2000 January 1 at 12:00 UT (21:00 in Japan) the Sun stands close to the
// meridian of Greenwich (equation of time -3.3 min) at declination -23.0:
// altitude 90 - 51.48 - 23.03.
TEST(Observation, NoonSunAtGreenwich) {
  Observation o;
  ASSERT_TRUE(o.Compute(2000, 1, 1, 21, 0, 51.4769, 0));
  EXPECT_NEAR(o.BodyAlt[astro::kSun], 15.49, 0.02);
  EXPECT_NEAR(o.BodyAz[astro::kSun], 180, 1.2);
}

TEST(Observation, EveryBodyIsConvertedForTheSite) {
  Observation o;
  ASSERT_TRUE(o.Compute(2025, 1, 1, 3, 0, kTokyoLat, kTokyoLon));
  for (std::size_t i = 0; i < astro::kBodyCount; ++i) {
    SCOPED_TRACE(testing::Message() << "body " << i);
    astro::Horizontal h = o.horizontal;
    h.ObjRA = o.ephemeris.BodyRA[i];
    h.ObjDec = o.ephemeris.BodyDec[i];
    h.EqToHor();
    EXPECT_EQ(o.BodyAlt[i], h.ObjAlt);
    EXPECT_EQ(o.BodyAz[i], h.ObjAz);
  }
}

void ExpectUnchanged(const Observation& before, const Observation& after) {
  EXPECT_EQ(after.JD, before.JD);
  EXPECT_EQ(after.T, before.T);
  EXPECT_EQ(after.UTDay, before.UTDay);
  EXPECT_EQ(after.UTHours, before.UTHours);
  EXPECT_EQ(after.GMST, before.GMST);
  EXPECT_EQ(after.horizontal.SidTime, before.horizontal.SidTime);
  EXPECT_EQ(after.horizontal.SiteLat, before.horizontal.SiteLat);
  EXPECT_EQ(after.horizontal.SiteLon, before.horizontal.SiteLon);
  EXPECT_EQ(after.ephemeris.T, before.ephemeris.T);
  EXPECT_EQ(after.ephemeris.BodyRA, before.ephemeris.BodyRA);
  EXPECT_EQ(after.ephemeris.BodyDec, before.ephemeris.BodyDec);
  EXPECT_EQ(after.BodyAlt, before.BodyAlt);
  EXPECT_EQ(after.BodyAz, before.BodyAz);
}

TEST(Observation, UnusableInputsLeaveThePreviousSky) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    std::int16_t year, month;
    double day, hour, minute, lat, lon;
  };
  const Case cases[] = {
      {"day 1e300 overflows T*T", 2000, 1, 1e300, 0, 0, 35, 135},
      {"day -1e300", 2000, 1, -1e300, 0, 0, 35, 135},
      {"year -32768 in January", -32768, 1, 1, 0, 0, 35, 135},
      {"NaN hour", 2000, 1, 1, kNaN, 0, 35, 135},
      {"infinite minute", 2000, 1, 1, 0, kInf, 35, 135},
      {"NaN latitude", 2000, 1, 1, 0, 0, kNaN, 135},
      {"infinite longitude", 2000, 1, 1, 0, 0, 35, -kInf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Observation o;
    ASSERT_TRUE(o.Compute(2005, 10, 22, 21, 0, kTokyoLat, kTokyoLon));
    const Observation before = o;
    EXPECT_FALSE(o.Compute(c.year, c.month, c.day, c.hour, c.minute, c.lat, c.lon));
    ExpectUnchanged(before, o);
  }
}

// Empty boxes read as year 0, month 0, day 0: still a computable instant.
TEST(Observation, EmptyDateStillGivesASky) {
  Observation o;
  EXPECT_TRUE(o.Compute(0, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(o.Compute(-32768, 3, 1, 0, 0, 0, 0));
  EXPECT_GE(o.GMST, 0);
  EXPECT_LT(o.GMST, 24);
}

}  // namespace
