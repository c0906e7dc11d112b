// Delta T against Astronomy Engine's Espenak and Meeus polynomials (tests/astro/
// data/delta_t_reference.csv, every 12.5 years from -2000 to 4000) and against
// observed values.

#include "astro/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/astro/reference_csv.h"

namespace {

TEST(DeltaT, AgreesWithAstronomyEngine) {
  const auto rows = astro_test::ReadReferenceRows(DELTA_T_REFERENCE_CSV, 2);
  ASSERT_EQ(rows.size(), 481u);
  for (const auto& r : rows) {
    EXPECT_NEAR(astro::DeltaTSeconds(r[0]), r[1], 1e-5 * std::fmax(1.0, std::fabs(r[1])))
        << "year " << r[0];
  }
}

TEST(DeltaT, NearObservedValues) {
  // Delta T at the start of the year, from the Astronomical Almanac and the IERS.
  const struct {
    double year, seconds, tolerance;
  } observed[] = {{1900, -2.72, 0.3}, {1950, 29.15, 0.3}, {1980, 50.54, 0.3},
                  {2000, 63.83, 0.3}, {2010, 66.07, 1.0}, {2020, 69.36, 2.5}};
  for (const auto& o : observed) {
    EXPECT_NEAR(astro::DeltaTSeconds(o.year), o.seconds, o.tolerance) << "year " << o.year;
  }
}

TEST(DeltaT, TerrestrialCenturiesAddDeltaT) {
  // J2000.0 in UT is 63.8 s before J2000.0 in TT.
  EXPECT_NEAR(astro::TerrestrialCenturies(2451545.0) * 36525 * 86400, 63.83, 0.05);
  EXPECT_DOUBLE_EQ(astro::DecimalYear(2451544.5), 2000.0);
}

}  // namespace
