// Equatorial to horizontal: transits at a Japanese site, the limits where a
// quotient has a zero denominator, whole turns of the hour angle, the pole star.

#include "astro/horizontal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace {

using astro::Horizontal;

Horizontal Place(double sidTime, double lat, double lon, double ra, double dec) {
  Horizontal h;
  h.SidTime = sidTime;
  h.SiteLat = lat;
  h.SiteLon = lon;
  h.ObjRA = ra;
  h.ObjDec = dec;
  h.EqToHor();
  return h;
}

// Latitude 35, longitude 135 east, sidereal time 10 h: RA 19 h is on the
// meridian. On the equator an object on the celestial equator has an exactly
// zero north component: due east before transit, due west after, at the zenith
// in transit.
TEST(EqToHor, WorkedValuesAndZeroDenominators) {
  const struct {
    const char* what;
    double sidTime, lat, lon, ra, dec, alt, altTolerance, az;
  } cases[] = {
      {"equator on the meridian", 10, 35, 135, 19, 0, 55.0000000000003, 0, 180},
      {"north of the zenith", 10, 35, 135, 19, 60, 65.00000000000007, 0, 0},
      {"equator setting, H = 90", 10, 35, 135, 13, 0, 1.2e-12, 0.05e-12, 269.99999999999864},
      {"equator rising, H = 270", 10, 35, 135, 1, 0, 0, 1e-11, 89.99999999999689},
      {"east, H = -45", 0, 0, 0, 3, 0, 45, 1e-9, 90},
      {"east, H = 315", 0, 0, 0, -21, 0, 45, 1e-9, 90},
      {"west, H = 60", 0, 0, 0, -4, 0, 30, 1e-9, 270},
      {"zenith", 0, 0, 0, 0, 0, 90, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Horizontal h = Place(c.sidTime, c.lat, c.lon, c.ra, c.dec);
    EXPECT_NEAR(h.ObjAlt, c.alt, c.altTolerance);
    EXPECT_EQ(h.ObjAz, c.az);
    // A caller converts a series of objects by changing only ObjRA and ObjDec.
    EXPECT_EQ(std::tie(h.SidTime, h.SiteLat, h.SiteLon, h.ObjRA, h.ObjDec),
              std::tie(c.sidTime, c.lat, c.lon, c.ra, c.dec));
  }
}

// Whole turns of the hour angle, by the sidereal time or the longitude, change
// nothing beyond rounding; the results stay in range; Polaris (RA 2.59708 h,
// Dec 89.2794) stays within its polar distance of the pole, whose altitude is
// the latitude.
TEST(EqToHor, HourAngleTurnsRangesAndThePoleStar) {
  const Horizontal unreduced = Place(23.9, 35, 135, 0.1, 20);  // H = 492
  const Horizontal reduced = Place(-0.1, 35, 135, 0.1, 20);    // H = 132
  EXPECT_NEAR(unreduced.ObjAlt, reduced.ObjAlt, 1e-9);
  EXPECT_NEAR(unreduced.ObjAz, reduced.ObjAz, 1e-9);

  std::mt19937 rng(7);
  std::uniform_real_distribution<double> hours(-100, 100), lat(-89, 89), lon(-1000, 1000);
  std::uniform_int_distribution<int> turns(-5, 5);
  for (int i = 0; i < 5000; ++i) {
    const double sid = hours(rng), phi = lat(rng), lambda = lon(rng), ra = hours(rng);
    const double dec = lat(rng);
    SCOPED_TRACE(testing::Message() << "SidTime " << sid << " lat " << phi << " lon " << lambda
                                    << " RA " << ra << " Dec " << dec);
    const Horizontal a = Place(sid, phi, lambda, ra, dec);
    const Horizontal b = Place(sid + 24 * turns(rng), phi, lambda + 360 * turns(rng), ra, dec);
    EXPECT_NEAR(a.ObjAlt, b.ObjAlt, 1e-9);
    EXPECT_NEAR(std::remainder(a.ObjAz - b.ObjAz, 360), 0, 1e-9);  // either side of north
    EXPECT_TRUE(b.ObjAz >= 0 && b.ObjAz < 360 && std::abs(b.ObjAlt) <= 90);
    EXPECT_LE(std::abs(Place(sid, phi, lambda, 2.59708, 89.2794).ObjAlt - phi), 0.7206 + 1e-9);
  }
}

// An object at the declination of the latitude passes the zenith; rounding may
// carry the sine of its altitude to or past 1, which must give 90, never NaN.
// Just below 1 the last bit of the sine is worth about 1e-6 degrees.
TEST(EqToHor, ZenithAndNadirAreNeverNaN) {
  for (double lat = -90; lat <= 90; lat += 0.125) {
    SCOPED_TRACE(testing::Message() << "lat " << lat);
    const Horizontal zenith = Place(6, lat, 0, 6, lat);
    const Horizontal nadir = Place(6, lat, 0, 18, -lat);
    EXPECT_NEAR(zenith.ObjAlt, 90, 2e-6);
    EXPECT_NEAR(nadir.ObjAlt, -90, 2e-6);
    EXPECT_FALSE(std::isnan(zenith.ObjAz) || std::isnan(nadir.ObjAz));
  }
}

}  // namespace
