// The Sun, Moon and planet series, and the conversions, reduction and sum beneath.

#include "astro/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "astro/angles.h"
#include "astro/series.h"
#include "astro/series_tables.h"

namespace {

using astro::Ephemeris;

constexpr double k4Decimals = 0.5e-4;
constexpr const char* kBodyNames[] = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"};

// The places at 2000-01-01 12:00 UT and 2024-12-31 18:00 UT, each computed by
// an object last used for another instant: a call depends on T alone.
TEST(CalcPlanets, WorkedPlaces) {
  const struct {
    double T;
    double ra[astro::kBodyCount], dec[astro::kBodyCount];  // [hours], [degrees]
  } cases[] = {
      {0,
       {18.7522, 14.8300, 15.9929, 22.0346, 1.5912, 2.5843},
       {-23.0339, -10.8941, -18.4511, -13.1846, 8.5981, 12.6118}},
      {0.25,
       {18.7658, 19.5358, 22.0095, 8.3466, 4.7942, 23.1000},
       {-23.0159, -26.5154, -13.6936, 23.5151, 21.7819, -7.9273}},
  };
  Ephemeris reused;
  reused.T = -3.7;
  reused.CalcPlanets();
  for (const auto& c : cases) {
    Ephemeris fresh;
    fresh.T = reused.T = c.T;
    fresh.CalcPlanets();
    reused.CalcPlanets();
    EXPECT_EQ(std::tie(reused.BodyRA, reused.BodyDec), std::tie(fresh.BodyRA, fresh.BodyDec));
    for (std::size_t b = 0; b < astro::kBodyCount; ++b) {
      SCOPED_TRACE(testing::Message() << kBodyNames[b] << " at T = " << c.T);
      EXPECT_NEAR(reused.BodyRA[b], c.ra[b], k4Decimals);
      EXPECT_NEAR(reused.BodyDec[b], c.dec[b], k4Decimals);
    }
  }
}

TEST(CalcPlanets, IntermediateValuesAtJ2000) {
  Ephemeris e;
  e.CalcPlanets();
  EXPECT_NEAR(astro::NormaliseLongitude(astro::SumSeries(astro::kSunLongitude, 0)), 280.3830,
              k4Decimals);  // geometric
  EXPECT_NEAR(e.SunDist, 0.983311, 0.5e-6);
  EXPECT_NEAR(e.NutLon, -0.0037815, 0.5e-7);
  EXPECT_EQ(e.Obl, 23.43929);
  EXPECT_NEAR(e.SunLon, 280.3735, k4Decimals);  // apparent
  EXPECT_NEAR(e.MoonLon, 223.3200, k4Decimals);
  EXPECT_NEAR(e.MoonLat, 5.1776, k4Decimals);
  const double helio[][3] = {{182.6030, 3.2643, 0.720226},   // Venus: l, b, r
                             {359.4472, -1.4221, 1.391143},  // Mars
                             {36.2953, -1.1718, 4.965451},   // Jupiter
                             {45.7208, -2.3068, 9.183707}};  // Saturn
  for (std::size_t b = astro::kVenus; b <= astro::kSaturn; ++b) {
    SCOPED_TRACE(kBodyNames[b]);
    EXPECT_NEAR(e.Helio[b].l, helio[b - astro::kVenus][0], k4Decimals);
    EXPECT_NEAR(e.Helio[b].b, helio[b - astro::kVenus][1], k4Decimals);
    EXPECT_NEAR(e.Helio[b].r, helio[b - astro::kVenus][2], 0.5e-6);
  }
}

TEST(NormaliseLongitude, LandsInRangeOnTheSameDirection) {
  EXPECT_NEAR(astro::NormaliseLongitude(-30), 330, 1e-9);
  EXPECT_EQ(astro::NormaliseLongitude(360), 0);  // 0, never 360
  EXPECT_EQ(astro::NormaliseLongitude(-720), 0);
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> any(-1e6, 1e6);
  for (int i = 0; i < 10000; ++i) {
    const double x = any(rng), n = astro::NormaliseLongitude(x);
    ASSERT_TRUE(n >= 0 && n < 360) << x << " gave " << n;
    ASSERT_NEAR(std::remainder(n - x, 360), 0, 1e-6) << x;
  }
}

// The direction of (x, y) agrees with the two-argument arc tangent, turned into
// -90..270; on the y axis the limits are exact, at the origin 0.
TEST(AngleFromRatio, QuadrantsAxesAndOrigin) {
  const struct {
    double y, x, angle;
  } axes[] = {{1, 0, 90}, {-2, 0, -90}, {3, -0.0, 90}, {0, 0, 0}, {-0.0, -0.0, 0}, {0, -1, 180}};
  for (const auto& c : axes) EXPECT_EQ(astro::AngleFromRatio(c.y, c.x), c.angle) << c.y << c.x;
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> any(-10, 10);
  for (int i = 0; i < 10000; ++i) {
    const double y = any(rng), x = any(rng), angle = astro::AngleFromRatio(y, x);
    const double atan2_degrees = std::atan2(y, x) * 180 / 3.14159265358979323846;
    ASSERT_TRUE(angle >= -90 && angle < 270) << y << ", " << x << ": " << angle;
    ASSERT_NEAR(std::remainder(angle - atan2_degrees, 360), 0, 1e-9) << y << ", " << x;
  }
}

TEST(SumSeries, RowsAddInOrderWithTheirFactors) {
  using enum astro::SeriesFactor;
  const astro::SeriesRow rows[] = {
      {10, kTimes1}, {3, kTimesT}, {-2, kTimesTT}, {4, kTimes1, 30, 60}, {0.5, kTimesT, -60, 180}};
  // 100 + 10 + 3 T - 2 T^2 + 4 cos(30 T + 60) + 0.5 T cos(180 - 60 T), T = 2.
  EXPECT_NEAR(astro::SumSeries(rows, 2, 100), 100 + 10 + 6 - 8 + 4 * -0.5 + 0.5 * 2 * 0.5, 1e-12);
}

// Worked values, and the y and z axes, where a quotient would divide by zero: exact limits.
TEST(RectToSph, WorkedValuesAndAxes) {
  const struct {
    double x, y, z, lon, lat, tolerance;
  } cases[] = {
      {1, 0, 0, 0, 0, 1e-12},
      {-1, 0, 0, 180, 0, 1e-12},
      {0.0001, -1, 0, 270.0057, 0, 0.5e-4},
      {1, 1, 1, 45, 35.2644, 0.5e-4},
      {-1, -1, -1, 225, -35.2644, 0.5e-4},
      {0, 2, 0, 90, 0, 0},
      {0, -2, 0, 270, 0, 0},
      {-0.0, 1, 1, 90, 45, 1e-12},
      {0, 0, 3, 0, 90, 0},
      {-0.0, -0.0, -1, 0, -90, 0},
      {0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ", " << c.z << ")");
    const astro::EclipticPlace place = astro::RectToSph({c.x, c.y, c.z});
    EXPECT_NEAR(place.lon, c.lon, c.tolerance);
    EXPECT_NEAR(place.lat, c.lat, c.tolerance);
  }
}

astro::EquatorialPlace EquatorialOf(double lon, double lat) {
  return astro::EclToEq({lon, lat}, std::sin(23.43929 * astro::kRad),
                        std::cos(23.43929 * astro::kRad));
}

// A turn less or more gives the same place (0 h being 24 h), and 0 <= RA < 24 still:
// -0.001 gives the place of 359.999 and 360.001 that of 0.001.
TEST(EclToEq, WorkedValuesAndWholeTurns) {
  const struct {
    double lon, lat, ra, dec, tolerance;
  } cases[] = {
      {0, 0, 0, 0, 1e-11},             // vernal equinox
      {90, 0, 6, 23.43929, 1e-11},     // summer solstice
      {180, 0, 12, 0, 1e-11},          // autumnal equinox
      {270, 0, 18, -23.43929, 1e-11},  // winter solstice
      {0, 90, 18, 66.56071, 1e-11},    // north ecliptic pole
      {45, 10, 2.619543, 25.869118, 0.5e-6},
      {359.999, 0, 23.99994, -0.0003978, 0.5e-5},
      {0.001, 0, 0.00006, 0.0003978, 0.5e-5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "lon " << c.lon << " lat " << c.lat);
    const astro::EquatorialPlace base = EquatorialOf(c.lon, c.lat);
    EXPECT_NEAR(base.ra, c.ra, c.tolerance);
    EXPECT_NEAR(base.dec, c.dec, c.tolerance);
    for (const double turn : {-360.0, 360.0}) {
      const astro::EquatorialPlace e = EquatorialOf(c.lon + turn, c.lat);
      EXPECT_NEAR(std::remainder(e.ra - base.ra, 24), 0, 1e-11) << "turned by " << turn;
      EXPECT_NEAR(e.dec, base.dec, 1e-11) << "turned by " << turn;
      EXPECT_TRUE(e.ra >= 0 && e.ra < 24) << e.ra << " h turned by " << turn;
    }
  }
}

TEST(HelioToGeo, AddsTheSunsVector) {
  const astro::EclipticRect geo = astro::HelioToGeo({.l = 90, .b = 0, .r = 1}, 0, 1);
  EXPECT_NEAR(geo.x, 1, 1e-11);
  EXPECT_NEAR(geo.y, 1, 1e-11);
  EXPECT_NEAR(geo.z, 0, 1e-11);
}

}  // namespace
