// The star designations against the Bright Star Catalogue's and the IAU's
// constellations of well-known stars.

#include "catalog/star_designations.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "catalog/constellations.h"
#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct KnownDesignation {
  int hr;
  std::string_view constellation;  // IAU abbreviation
  std::string_view bayer;
  int flamsteed;
};

// Designations as the Bright Star Catalogue (5th revised edition) prints them;
// the last three stars have none there, and their constellations are those the
// IAU boundaries give: G Sco, N Vel and 10 UMa, which lies in Lynx.
constexpr std::array<KnownDesignation, 12> kKnown{{
    {1713, "Ori", "β", 19},  // Rigel
    {2061, "Ori", "α", 58},  // Betelgeuse
    {1903, "Ori", "ε", 46},  // Alnilam
    {4301, "UMa", "α", 50},  // Dubhe
    {7001, "Lyr", "α", 3},   // Vega
    {5459, "Cen", "α1", 0},  // alpha Centauri A
    {2326, "Car", "α", 0},   // Canopus
    {838, "Ari", "", 41},    // 41 Ari
    {5511, "Vir", "", 109},  // 109 Vir
    {6630, "Sco", "", 0},    // G Sco
    {3803, "Vel", "", 0},    // N Vel
    {3579, "Lyn", "", 0},    // 10 UMa
}};

TEST(StarDesignations, WellKnownStarsHaveTheirDesignations) {
  for (const KnownDesignation& known : kKnown) {
    SCOPED_TRACE(testing::Message() << "HR " << known.hr);
    const StarDesignation* found = FindStarDesignation(known.hr);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->hr, known.hr);
    EXPECT_EQ(Constellations()[found->constellation].abbreviation, known.constellation);
    EXPECT_EQ(found->bayer, known.bayer);
    EXPECT_EQ(int{found->flamsteed}, known.flamsteed);
  }
}

void ExpectDesignated(int hr) {
  const StarDesignation* found = FindStarDesignation(hr);
  ASSERT_NE(found, nullptr) << "HR " << hr;
  EXPECT_EQ(found->hr, hr);
  EXPECT_LT(found->constellation, kConstellationCount) << "HR " << hr;
}

TEST(StarDesignations, EveryStarTheChartDrawsHasOne) {
  for (int row = 1; row <= kChartStarCount; ++row) ExpectDesignated(ChartStarHr(row));
  for (const SkyStar& star : SkyStars()) ExpectDesignated(star.hr);
  EXPECT_EQ(FindStarDesignation(5958), nullptr);  // T CrB, left out of the chart
  EXPECT_EQ(FindStarDesignation(0), nullptr);
}

}  // namespace
}  // namespace catalog
