// From a Japan Standard Time date and a site to the time arguments and the local sky.

#include "astro/observation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace {

using astro::Observation;

constexpr double kTokyoLat = 35.6895, kTokyoLon = 139.6917;        // [degrees]
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();  // expected: not checked

// Before 09:00 Japan time on the first it is still the previous month in UT.
TEST(Observation, WorkedTimeArguments) {
  const struct {
    std::int16_t year, month;
    double day, hour, minute, utDay, jd, T, utHours, gmst;
  } cases[] = {
      {2000, 1, 1, 21, 0, 1.5, 2451545.0, 0, 12, 18.697374558000007},
      {2005, 10, 22, 21, 0, 22.5, 2453666.0, 0.058069815195071865, 12, 14.067912238090145},
      {2005, 10, 22, 19, 10, kNaN, 2453666.0 - 110.0 / 1440, kNaN, kNaN,
       kNaN},  // 1 h 50 min before
      {2005, 3, 1, 0, 0, 0.625, kNaN, kNaN, 15, kNaN},
      {2005, 1, 1, 5, 0, 0.8333333333333333, 2453371.3333333335, kNaN, kNaN, kNaN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.hour);
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

// Greenwich and Tokyo share the instant. At Greenwich the equation of the equinoxes is
// -0.0037815 degrees times cos(23.43929) in hours; the Sun (equation of time -3.3 min,
// declination -23.03) stands 90 - 51.48 - 23.03 high.
TEST(Observation, TwoSitesAtJ2000) {
  Observation greenwich, tokyo;
  ASSERT_TRUE(greenwich.Compute(2000, 1, 1, 21, 0, 51.4769, 0));
  ASSERT_TRUE(tokyo.Compute(2000, 1, 1, 21, 0, kTokyoLat, kTokyoLon));
  EXPECT_NEAR(greenwich.horizontal.SidTime - greenwich.GMST, -0.0037815 * 0.9174821 / 15, 1e-8);
  EXPECT_NEAR(greenwich.BodyAlt[astro::kSun], 15.49, 0.02);
  EXPECT_NEAR(greenwich.BodyAz[astro::kSun], 180, 1.2);
  EXPECT_EQ(std::tie(tokyo.JD, tokyo.T, tokyo.horizontal.SidTime),
            std::tie(greenwich.JD, greenwich.T, greenwich.horizontal.SidTime));
  for (std::size_t i = 0; i < astro::kBodyCount; ++i) {
    SCOPED_TRACE(testing::Message() << "body " << i);
    EXPECT_NE(tokyo.BodyAz[i], greenwich.BodyAz[i]);
    for (const Observation* o : {&greenwich, &tokyo}) {  // no higher than at transit
      const double dec = o->ephemeris.BodyDec[i];
      EXPECT_LE(o->BodyAlt[i], 90 - std::abs(o->horizontal.SiteLat - dec) + 1e-9);
    }
  }
}

auto State(const Observation& o) {
  return std::tie(o.JD, o.T, o.UTDay, o.UTHours, o.GMST, o.horizontal.SidTime, o.horizontal.SiteLat,
                  o.horizontal.SiteLon, o.ephemeris.T, o.ephemeris.BodyRA, o.ephemeris.BodyDec,
                  o.BodyAlt, o.BodyAz);
}

// Inputs that give no finite sky are refused and the previous sky is kept; empty
// boxes (year, month and day 0) still give one.
TEST(Observation, UnusableInputsLeaveThePreviousSky) {
  Observation o;
  ASSERT_TRUE(o.Compute(2005, 10, 22, 21, 0, kTokyoLat, kTokyoLon));
  const Observation before = o;
  EXPECT_FALSE(o.Compute(2000, 1, 1e300, 0, 0, 35, 135));  // T*T overflows
  EXPECT_FALSE(o.Compute(-32768, 1, 1, 0, 0, 35, 135));    // adjusted year outside 16 bits
  for (std::size_t k = 0; k < 5; ++k) {                    // day, hour, minute, latitude, longitude
    for (const double bad : {kNaN, -std::numeric_limits<double>::infinity()}) {
      double in[] = {22, 21, 0, kTokyoLat, kTokyoLon};
      in[k] = bad;
      EXPECT_FALSE(o.Compute(2005, 10, in[0], in[1], in[2], in[3], in[4])) << k << ": " << bad;
    }
  }
  EXPECT_EQ(State(o), State(before));
  EXPECT_TRUE(o.Compute(0, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(o.GMST >= 0 && o.GMST < 24);
}

}  // namespace
