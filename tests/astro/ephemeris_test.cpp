// Apparent places of the Sun, Moon and planets from the series at two worked
// instants, and the ranges of the places over two thousand years.

#include "astro/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/series.h"
#include "astro/series_tables.h"

namespace {

using astro::Ephemeris;

constexpr double k4Decimals = 0.5e-4;
constexpr const char* kBodyNames[] = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"};

struct Place {
  double ra;   // [hours]
  double dec;  // [degrees]
};

void ExpectPlaces(double T, const Place (&expected)[astro::kBodyCount]) {
  Ephemeris e;
  e.T = T;
  e.CalcPlanets();
  for (int i = 0; i < astro::kBodyCount; ++i) {
    const std::size_t b = static_cast<std::size_t>(i);
    SCOPED_TRACE(testing::Message() << kBodyNames[b] << " at T = " << T);
    EXPECT_NEAR(e.BodyRA[b], expected[b].ra, k4Decimals);
    EXPECT_NEAR(e.BodyDec[b], expected[b].dec, k4Decimals);
  }
}

// 2000 January 1, 12:00 UT.
TEST(CalcPlanets, PlacesAtJ2000) {
  ExpectPlaces(0, {{18.7522, -23.0339},
                   {14.8300, -10.8941},
                   {15.9929, -18.4511},
                   {22.0346, -13.1846},
                   {1.5912, 8.5981},
                   {2.5843, 12.6118}});
}

// 2024 December 31, 18:00 UT.
TEST(CalcPlanets, PlacesAtTheEndOf2024) {
  ExpectPlaces(0.25, {{18.7658, -23.0159},
                      {19.5358, -26.5154},
                      {22.0095, -13.6936},
                      {8.3466, 23.5151},
                      {4.7942, 21.7819},
                      {23.1000, -7.9273}});
}

TEST(CalcPlanets, IntermediateValuesAtJ2000) {
  Ephemeris e;
  e.T = 0;
  e.CalcPlanets();
  EXPECT_NEAR(astro::NormaliseLongitude(astro::SumSeries(astro::kSunLongitude, 0)), 280.3830,
              k4Decimals);  // geometric
  EXPECT_NEAR(e.SunDist, 0.983311, 0.5e-6);
  EXPECT_NEAR(e.NutLon, -0.0037815, 0.5e-7);
  EXPECT_EQ(e.Obl, 23.43929);
  EXPECT_NEAR(e.SunLon, 280.3735, k4Decimals);  // apparent
  EXPECT_NEAR(e.MoonLon, 223.3200, k4Decimals);
  EXPECT_NEAR(e.MoonLat, 5.1776, k4Decimals);

  struct Helio {
    int body;
    double l, b, r;
  };
  const Helio planets[] = {
      {astro::kVenus, 182.6030, 3.2643, 0.720226},
      {astro::kMars, 359.4472, -1.4221, 1.391143},
      {astro::kJupiter, 36.2953, -1.1718, 4.965451},
      {astro::kSaturn, 45.7208, -2.3068, 9.183707},
  };
  for (const Helio& p : planets) {
    const std::size_t b = static_cast<std::size_t>(p.body);
    SCOPED_TRACE(kBodyNames[b]);
    EXPECT_NEAR(e.Helio[b].l, p.l, k4Decimals);
    EXPECT_NEAR(e.Helio[b].b, p.b, k4Decimals);
    EXPECT_NEAR(e.Helio[b].r, p.r, 0.5e-6);
  }
}

// Every instant from 1000 to 3000 gives right ascensions within one day and
// declinations within the poles.
TEST(CalcPlanets, PlacesStayInRange) {
  for (double T = -10; T <= 10; T += 0.0137) {
    Ephemeris e;
    e.T = T;
    e.CalcPlanets();
    for (std::size_t b = 0; b < astro::kBodyCount; ++b) {
      SCOPED_TRACE(testing::Message() << kBodyNames[b] << " at T = " << T);
      EXPECT_GE(e.BodyRA[b], 0);
      EXPECT_LT(e.BodyRA[b], 24);
      EXPECT_LE(std::abs(e.BodyDec[b]), 90);
      EXPECT_FALSE(std::isnan(e.BodyDec[b]));
    }
    for (int p = astro::kVenus; p <= astro::kSaturn; ++p) {
      const double l = e.Helio[static_cast<std::size_t>(p)].l;
      EXPECT_GE(l, 0);
      EXPECT_LT(l, 360);
    }
  }
}

TEST(CalcPlanets, EachCallDependsOnTAlone) {
  Ephemeris fresh;
  fresh.T = 0.25;
  fresh.CalcPlanets();
  Ephemeris reused;
  reused.T = -3.7;
  reused.CalcPlanets();
  reused.T = 0.25;
  reused.CalcPlanets();
  for (std::size_t b = 0; b < astro::kBodyCount; ++b) {
    EXPECT_EQ(fresh.BodyRA[b], reused.BodyRA[b]);
    EXPECT_EQ(fresh.BodyDec[b], reused.BodyDec[b]);
  }
  EXPECT_EQ(fresh.NutLon, reused.NutLon);
  EXPECT_EQ(fresh.Obl, reused.Obl);
}

}  // namespace
