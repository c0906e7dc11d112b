// Equatorial to horizontal: meridian and prime-vertical transits at a Japanese
// site, the pole star, periodicity of the hour angle and the zenith limits.

#include "astro/horizontal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using astro::Horizontal;

Horizontal Site(double sidTime, double lat, double lon) {
  Horizontal h;
  h.SidTime = sidTime;
  h.SiteLat = lat;
  h.SiteLon = lon;
  return h;
}

struct Transit {
  const char* what;
  double ra, dec;
  double alt, az;
};

// Latitude 35, longitude 135 east, sidereal time 10 h: RA 19 h is on the meridian.
TEST(EqToHor, TransitsAtJapaneseSite) {
  const Transit cases[] = {
      {"equator on the meridian, south", 19, 0, 55.0000000000003, 180},
      {"north of the zenith on the meridian", 19, 60, 65.00000000000007, 0},
  };
  for (const Transit& c : cases) {
    SCOPED_TRACE(c.what);
    Horizontal h = Site(10, 35, 135);
    h.ObjRA = c.ra;
    h.ObjDec = c.dec;
    h.EqToHor();
    EXPECT_EQ(h.ObjAlt, c.alt);
    EXPECT_EQ(h.ObjAz, c.az);
  }
}

TEST(EqToHor, EquatorRisesAndSetsOnThePrimeVertical) {
  Horizontal h = Site(10, 35, 135);
  h.ObjDec = 0;
  h.ObjRA = 13;  // hour angle 90: setting
  h.EqToHor();
  EXPECT_EQ(h.ObjAz, 269.99999999999864);
  EXPECT_NEAR(h.ObjAlt, 1.2e-12, 0.05e-12);
  h.ObjRA = 1;  // hour angle 270: rising
  h.EqToHor();
  EXPECT_EQ(h.ObjAz, 89.99999999999689);
}

TEST(EqToHor, InputsAreLeftUnchanged) {
  Horizontal h = Site(10, 35, 135);
  h.ObjRA = 5;
  h.ObjDec = 20;
  h.EqToHor();
  EXPECT_EQ(h.SidTime, 10);
  EXPECT_EQ(h.SiteLat, 35);
  EXPECT_EQ(h.SiteLon, 135);
  EXPECT_EQ(h.ObjRA, 5);
  EXPECT_EQ(h.ObjDec, 20);
}

// Whole turns of the hour angle, by the sidereal time or by the longitude,
// change nothing beyond rounding.
TEST(EqToHor, HourAngleIsPeriodic) {
  Horizontal unreduced = Site(23.9, 35, 135);  // H = 492
  unreduced.ObjRA = 0.1;
  unreduced.ObjDec = 20;
  unreduced.EqToHor();
  Horizontal reduced = Site(-0.1, 35, 135);  // H = 132
  reduced.ObjRA = 0.1;
  reduced.ObjDec = 20;
  reduced.EqToHor();
  EXPECT_NEAR(unreduced.ObjAlt, reduced.ObjAlt, 1e-9);
  EXPECT_NEAR(unreduced.ObjAz, reduced.ObjAz, 1e-9);

  std::mt19937 rng(7);
  std::uniform_real_distribution<double> hours(0, 24);
  std::uniform_real_distribution<double> lat(-89, 89);
  std::uniform_real_distribution<double> lon(-180, 180);
  std::uniform_real_distribution<double> dec(-89, 89);
  std::uniform_int_distribution<int> turns(-5, 5);
  for (int i = 0; i < 2000; ++i) {
    Horizontal a = Site(hours(rng), lat(rng), lon(rng));
    a.ObjRA = hours(rng);
    a.ObjDec = dec(rng);
    Horizontal b = a;
    b.SidTime += 24 * turns(rng);
    b.SiteLon += 360 * turns(rng);
    a.EqToHor();
    b.EqToHor();
    SCOPED_TRACE(testing::Message() << "SidTime " << a.SidTime << " lat " << a.SiteLat << " lon "
                                    << a.SiteLon << " RA " << a.ObjRA << " Dec " << a.ObjDec);
    EXPECT_NEAR(a.ObjAlt, b.ObjAlt, 1e-9);
    // Azimuths near north may land on either side of 0/360.
    EXPECT_NEAR(std::remainder(a.ObjAz - b.ObjAz, 360), 0, 1e-9);
  }
}

// Polaris (RA 2.59708 h, Dec 89.2794) stays within its polar distance of the
// celestial pole, whose altitude is the latitude.
TEST(EqToHor, PoleStarAltitudeIsTheLatitude) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> hours(0, 24);
  std::uniform_real_distribution<double> lat(-90, 90);
  std::uniform_real_distribution<double> lon(-180, 180);
  for (int i = 0; i < 5000; ++i) {
    Horizontal h = Site(hours(rng), lat(rng), lon(rng));
    h.ObjRA = 2.59708;
    h.ObjDec = 89.2794;
    h.EqToHor();
    SCOPED_TRACE(testing::Message() << "SidTime " << h.SidTime << " lat " << h.SiteLat);
    EXPECT_LE(std::abs(h.ObjAlt - h.SiteLat), 0.7206 + 1e-9);
  }
}

TEST(EqToHor, AzimuthAndAltitudeStayInRange) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> any(-1000, 1000);
  std::uniform_real_distribution<double> lat(-90, 90);
  for (int i = 0; i < 5000; ++i) {
    Horizontal h = Site(any(rng), lat(rng), any(rng));
    h.ObjRA = any(rng);
    h.ObjDec = lat(rng);
    h.EqToHor();
    EXPECT_GE(h.ObjAz, 0);
    EXPECT_LT(h.ObjAz, 360);
    EXPECT_GE(h.ObjAlt, -90);
    EXPECT_LE(h.ObjAlt, 90);
  }
}

// On the equator, an object on the celestial equator has an exactly zero
// north component: it stands due east before transit, due west after it,
// and at the zenith in transit.
TEST(EqToHor, ZeroNorthComponentGivesEastOrWest) {
  Horizontal h = Site(0, 0, 0);
  h.ObjDec = 0;
  h.ObjRA = 3;  // hour angle -45: east
  h.EqToHor();
  EXPECT_EQ(h.ObjAz, 90);
  EXPECT_NEAR(h.ObjAlt, 45, 1e-9);
  h.ObjRA = -21;  // hour angle 315: also east
  h.EqToHor();
  EXPECT_EQ(h.ObjAz, 90);
  h.ObjRA = -4;  // hour angle 60: west
  h.EqToHor();
  EXPECT_EQ(h.ObjAz, 270);
  EXPECT_NEAR(h.ObjAlt, 30, 1e-9);
  h.ObjRA = 0;  // in transit: the zenith
  h.EqToHor();
  EXPECT_EQ(h.ObjAlt, 90);
  EXPECT_EQ(h.ObjAz, 0);
}

// An object at the declination of the latitude passes the zenith; rounding may
// carry the sine of its altitude to or past 1, which must give 90, never NaN.
// Just below 1 the last bit of the sine is worth about 1e-6 degrees.
TEST(EqToHor, ZenithPassageIsNeverNaN) {
  for (double lat = -90; lat <= 90; lat += 0.125) {
    SCOPED_TRACE(testing::Message() << "lat " << lat);
    Horizontal h = Site(6, lat, 0);
    h.ObjRA = 6;
    h.ObjDec = lat;
    h.EqToHor();
    EXPECT_FALSE(std::isnan(h.ObjAlt));
    EXPECT_FALSE(std::isnan(h.ObjAz));
    EXPECT_NEAR(h.ObjAlt, 90, 2e-6);
    // The nadir: the antipode of the zenith.
    h.ObjRA = 18;
    h.ObjDec = -lat;
    h.EqToHor();
    EXPECT_FALSE(std::isnan(h.ObjAlt));
    EXPECT_FALSE(std::isnan(h.ObjAz));
    EXPECT_NEAR(h.ObjAlt, -90, 2e-6);
  }
}

}  // namespace
