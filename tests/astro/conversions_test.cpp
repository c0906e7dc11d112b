// The coordinate conversions of the series, the longitude reduction and the
// series sum itself.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/angles.h"
#include "astro/ephemeris.h"
#include "astro/series.h"

namespace {

using astro::Ephemeris;
using astro::NormaliseLongitude;

TEST(NormaliseLongitude, WorkedValues) {
  EXPECT_NEAR(NormaliseLongitude(-30), 330, 1e-9);
  EXPECT_EQ(NormaliseLongitude(-720), 0);
  EXPECT_EQ(NormaliseLongitude(720), 0);
  EXPECT_EQ(NormaliseLongitude(360), 0);  // a whole turn is 0, never 360
  EXPECT_EQ(NormaliseLongitude(0), 0);
  EXPECT_EQ(NormaliseLongitude(45), 45);
}

TEST(NormaliseLongitude, LandsInRangeOnTheSameDirection) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> any(-1e6, 1e6);
  for (int i = 0; i < 10000; ++i) {
    const double x = any(rng);
    const double n = NormaliseLongitude(x);
    SCOPED_TRACE(testing::Message() << "x " << x);
    EXPECT_GE(n, 0);
    EXPECT_LT(n, 360);
    EXPECT_NEAR(std::remainder(n - x, 360), 0, 1e-6);
  }
}

TEST(SumSeries, RowsAddInOrderWithTheirFactors) {
  using astro::SeriesRow;
  const SeriesRow rows[] = {
      {10, astro::kTimes1},             // 10
      {3, astro::kTimesT},              // 3 T
      {-2, astro::kTimesTT},            // -2 T^2
      {4, astro::kTimes1, 30, 60},      // 4 cos(30 T + 60)
      {0.5, astro::kTimesT, -60, 180},  // 0.5 T cos(180 - 60 T)
  };
  const double T = 2;  // cosines of 120 and 60 degrees
  EXPECT_NEAR(astro::SumSeries(rows, T), 10 + 6 - 8 + 4 * -0.5 + 0.5 * 2 * 0.5, 1e-12);
  EXPECT_NEAR(astro::SumSeries(rows, T, 100), 100 + 10 + 6 - 8 + 4 * -0.5 + 0.5 * 2 * 0.5, 1e-12);
  EXPECT_EQ(astro::SumSeries({}, T, 7), 7);
}

struct RectCase {
  double x, y, z;
  double lon, lat, tolerance;
};

TEST(RectToSph, WorkedValues) {
  const RectCase cases[] = {
      {1, 0, 0, 0, 0, 1e-12},
      {-1, 0, 0, 180, 0, 1e-12},
      {0.0001, -1, 0, 270.0057, 0, 0.5e-4},
      {1, 1, 1, 45, 35.2644, 0.5e-4},
      {-1, -1, -1, 225, -35.2644, 0.5e-4},
  };
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ", " << c.z << ")");
    Ephemeris e;
    e.RectX = c.x;
    e.RectY = c.y;
    e.RectZ = c.z;
    e.RectToSph();
    EXPECT_NEAR(e.EclLon, c.lon, c.tolerance);
    EXPECT_NEAR(e.EclLat, c.lat, c.tolerance);
  }
}

// On the y and z axes the quotients divide by zero; the limits are exact.
TEST(RectToSph, AxesGiveTheirLimits) {
  const RectCase cases[] = {
      {0, 2, 0, 90, 0, 0},       {0, -2, 0, 270, 0, 0},        {-0.0, 1, 1, 90, 45, 1e-12},
      {0, 0, 3, 0, 90, 0},       {0, 0, -3, 0, -90, 0},        {0, 0, 0, 0, 0, 0},
      {-0.0, -0.0, 1, 0, 90, 0}, {0, -1, -1, 270, -45, 1e-12},
  };
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ", " << c.z << ")");
    Ephemeris e;
    e.RectX = c.x;
    e.RectY = c.y;
    e.RectZ = c.z;
    e.RectToSph();
    EXPECT_NEAR(e.EclLon, c.lon, c.tolerance);
    EXPECT_NEAR(e.EclLat, c.lat, c.tolerance);
  }
}

Ephemeris WithObliquity(double obliquity) {
  Ephemeris e;
  e.SinObl = std::sin(obliquity * astro::kRad);
  e.CosObl = std::cos(obliquity * astro::kRad);
  return e;
}

struct EclCase {
  double lon, lat;
  double ra, dec, tolerance;
};

TEST(EclToEq, WorkedValues) {
  const EclCase cases[] = {
      {0, 0, 0, 0, 1e-11},             // vernal equinox
      {90, 0, 6, 23.43929, 1e-11},     // summer solstice
      {180, 0, 12, 0, 1e-11},          // autumnal equinox
      {270, 0, 18, -23.43929, 1e-11},  // winter solstice
      {0, 90, 18, 66.56071, 1e-11},    // north ecliptic pole
      {45, 10, 2.619543, 25.869118, 0.5e-6},
  };
  for (const EclCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "lon " << c.lon << " lat " << c.lat);
    Ephemeris e = WithObliquity(23.43929);
    e.EclLon = c.lon;
    e.EclLat = c.lat;
    e.EclToEq();
    EXPECT_NEAR(e.EqRA, c.ra, c.tolerance);
    EXPECT_NEAR(e.EqDec, c.dec, c.tolerance);
  }
}

TEST(EclToEq, RightAscensionJustEitherSideOfTheEquinox) {
  const double cases[][2] = {
      {-0.001, 23.99994}, {359.999, 23.99994}, {360.001, 0.00006}, {0.001, 0.00006}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "lon " << c[0]);
    Ephemeris e = WithObliquity(23.43929);
    e.EclLon = c[0];
    e.EclToEq();
    EXPECT_NEAR(e.EqRA, c[1], 0.5e-5);
  }
}

TEST(EclToEq, LongitudesOutsideOneTurnGiveTheSamePlace) {
  const double pairs[][2] = {{-0.001, 359.999}, {360.001, 0.001}, {-90, 270}, {725, 5}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(testing::Message() << pair[0] << " and " << pair[1]);
    Ephemeris a = WithObliquity(23.43929);
    a.EclLon = pair[0];
    a.EclToEq();
    Ephemeris b = WithObliquity(23.43929);
    b.EclLon = pair[1];
    b.EclToEq();
    EXPECT_NEAR(a.EqRA, b.EqRA, 1e-11);
    EXPECT_NEAR(a.EqDec, b.EqDec, 1e-11);
  }
}

TEST(EclToEq, RightAscensionStaysInOneDay) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> lon(-720, 720);
  std::uniform_real_distribution<double> lat(-90, 90);
  for (int i = 0; i < 10000; ++i) {
    Ephemeris e = WithObliquity(23.43929);
    e.EclLon = lon(rng);
    e.EclLat = lat(rng);
    e.EclToEq();
    SCOPED_TRACE(testing::Message() << "lon " << e.EclLon << " lat " << e.EclLat);
    EXPECT_GE(e.EqRA, 0);
    EXPECT_LT(e.EqRA, 24);
    EXPECT_LE(std::abs(e.EqDec), 90);
  }
}

TEST(HelioToGeo, AddsTheSunsVector) {
  Ephemeris e;
  e.HelioL = 90;
  e.HelioB = 0;
  e.HelioR = 1;
  e.SunLon = 0;
  e.SunDist = 1;
  e.HelioToGeo();
  EXPECT_NEAR(e.GeoX, 1, 1e-11);
  EXPECT_NEAR(e.GeoY, 1, 1e-11);
  EXPECT_NEAR(e.GeoZ, 0, 1e-11);
}

}  // namespace
