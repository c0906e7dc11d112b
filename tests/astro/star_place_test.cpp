// Apparent places of stars against Astronomy Engine (tests/astro/data/
// star_place_reference.csv, written by tools/accuracy/make-realsky-reference.js):
// eight stars, among them the fastest movers, the pole star and the far south,
// every five years from 1900 to 2100.

#include "astro/star_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "tests/astro/reference_csv.h"

namespace {

constexpr double kJ2000 = 2451545.0;         // [days]
constexpr double kDaysPerCentury = 36525.0;  // Julian century [days]

TEST(StarPlace, AgreesWithAstronomyEngine1900To2100) {
  // The proper motion alone and the whole reduction; Astronomy Engine's
  // nutation is IAU 2000B and its aberration uses the full Earth velocity.
  constexpr double kMovedArcsec = 0.001;
  constexpr double kApparentArcsec = 0.25;
  const auto rows = astro_test::ReadReferenceRows(STAR_PLACE_REFERENCE_CSV, 10);
  ASSERT_EQ(rows.size(), 41u * 8);
  double largest_moved = 0, largest_apparent = 0;  // [arcseconds]
  for (const auto& r : rows) {
    const astro::CatalogueStar star{r[2], r[3], r[4], r[5]};
    const double T = (r[1] - kJ2000) / kDaysPerCentury;
    SCOPED_TRACE(::testing::Message() << "HR " << r[0] << " JD(TT) " << r[1]);
    const astro::EquatorialPlace moved = astro::StarPlaceAtEpoch(star, T);
    const astro::EquatorialPlace apparent = astro::ApparentStarPlace(star, T);
    const double moved_error = astro_test::SeparationArcsec(moved.ra, moved.dec, r[6], r[7]);
    const double apparent_error =
        astro_test::SeparationArcsec(apparent.ra, apparent.dec, r[8], r[9]);
    EXPECT_LE(moved_error, kMovedArcsec)
        << "expected " << r[6] << "h " << r[7] << ", got " << moved.ra << "h " << moved.dec;
    EXPECT_LE(apparent_error, kApparentArcsec)
        << "expected " << r[8] << "h " << r[9] << ", got " << apparent.ra << "h " << apparent.dec;
    largest_moved = std::max(largest_moved, moved_error);
    largest_apparent = std::max(largest_apparent, apparent_error);
  }
  std::cout << "largest error: moved " << largest_moved << "\", apparent " << largest_apparent
            << "\"\n";
}

}  // namespace
