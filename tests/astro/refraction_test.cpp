// Refraction against Astronomy Engine's "normal" refraction (tests/astro/data/
// refraction_reference.csv) from 2 degrees below the horizon to the zenith, and
// its behaviour far below the horizon.

#include "astro/refraction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/astro/reference_csv.h"

namespace {

TEST(Refraction, AgreesWithAstronomyEngineAboveMinusOneDegree) {
  constexpr double kToleranceArcsec = 0.2;  // the zenith's -0.1" is taken as 0 here
  const auto rows = astro_test::ReadReferenceRows(REFRACTION_REFERENCE_CSV, 2);
  ASSERT_EQ(rows.size(), 369u);
  for (const auto& r : rows) {
    if (r[0] < -1) continue;  // below, the two fade to 0 differently
    EXPECT_NEAR(astro::RefractionDeg(r[0]) * 3600, r[1] * 3600, kToleranceArcsec)
        << "true altitude " << r[0];
  }
}

TEST(Refraction, FadesBelowTheHorizonAndNeverReversesTheAltitude) {
  double previous_apparent = -91;  // [degrees]
  for (double h = -90; h <= 90; h += 0.01) {
    const double r = astro::RefractionDeg(h);
    SCOPED_TRACE(::testing::Message() << "true altitude " << h);
    ASSERT_TRUE(std::isfinite(r));
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 0.65);
    if (h <= astro::kRefractionEndDeg) {
      ASSERT_EQ(r, 0);
    }
    ASSERT_GT(h + r, previous_apparent);
    previous_apparent = h + r;
  }
}

}  // namespace
