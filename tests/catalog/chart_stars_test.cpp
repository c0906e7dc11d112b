// Contents of the 496-row chart catalogue: fixed rows, names, ranges, order.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "catalog/star_tables.h"

namespace catalog {
namespace {

constexpr double kRadPerDeg = 0.017453292519943;
constexpr double kDegPerRad = 57.295779513082;

StarTables LoadedChart() {
  StarTables tables;
  tables.SetStars1();
  tables.SetStars2();
  tables.SetStars3();
  tables.SetStars4();
  return tables;
}

const std::string& Name(const StarTables& tables, int row) {
  return tables.StarName[static_cast<std::size_t>(row)];
}

// Angle between two rows' places [degrees] (haversine form, exact for small angles).
double SeparationDeg(const StarTables& t, int a, int b) {
  const double dec_a = t.StarTable(2, a) * kRadPerDeg;
  const double dec_b = t.StarTable(2, b) * kRadPerDeg;
  const double dra = (t.StarTable(1, a) - t.StarTable(1, b)) * 15.0 * kRadPerDeg;
  const double s_dec = std::sin((dec_a - dec_b) / 2.0);
  const double s_ra = std::sin(dra / 2.0);
  const double h = s_dec * s_dec + std::cos(dec_a) * std::cos(dec_b) * s_ra * s_ra;
  return 2.0 * std::asin(std::sqrt(h)) * kDegPerRad;
}

struct ExampleRow {
  int row;
  double ra_hours;
  double dec_deg;
  double magnitude;
  const char* name;
};

// Rows published as examples of the chart catalogue.
constexpr std::array<ExampleRow, 8> kExamples{{
    {1, 1.63072, -57.2192, 0.46, "ｱｶｰﾅｰ"},
    {2, 2.12286, 23.4789, 2, ""},
    {15, 6.75503, -16.7208, -1.46, "ｼﾘｳｽ"},
    {46, 0.14283, 29.1097, 2.06, ""},
    {56, 2.59708, 89.2794, 2.02, "北極星"},
    {163, 0.15978, -45.7281, 3.88, ""},
    {362, 14.80517, -79.0592, 3.83, ""},
    {496, 23.6582, 77.6519, 3.21, ""},
}};

TEST(ChartStars, PublishedExampleRowsHoldExactlyTheirValues) {
  const StarTables tables = LoadedChart();
  for (const ExampleRow& expected : kExamples) {
    SCOPED_TRACE(testing::Message() << "row " << expected.row);
    EXPECT_EQ(tables.StarTable(1, expected.row), expected.ra_hours);
    EXPECT_EQ(tables.StarTable(2, expected.row), expected.dec_deg);
    EXPECT_EQ(tables.StarTable(3, expected.row), expected.magnitude);
    EXPECT_EQ(Name(tables, expected.row), expected.name);
  }
}

struct NamedChartRow {
  int row;
  const char* name;
};

constexpr std::array<NamedChartRow, 20> kNamedRows{{
    {1, "ｱｶｰﾅｰ"},   {4, "ｱﾙﾃﾞﾊﾞﾗﾝ"}, {5, "ﾘｹﾞﾙ"},     {6, "ｶﾍﾟﾗ"},       {10, "ﾍﾞﾃﾙｷﾞｳｽ"},
    {13, "ｶﾉｰﾌﾟｽ"}, {15, "ｼﾘｳｽ"},    {18, "ｶｽﾄﾙ"},    {19, "ﾌﾟﾛｷｵﾝ"},    {20, "ﾎﾟﾙｯｸｽ"},
    {26, "ﾚｸﾞﾙｽ"},  {32, "ｽﾋﾟｶ"},    {35, "ｱｰｸﾄｩﾙｽ"}, {37, "ｱﾙﾌｧｾﾝﾀｳﾘ"}, {38, "ｱﾝﾀﾚｽ"},
    {42, "ﾍﾞｶﾞ"},   {43, "ｱﾙﾀｲﾙ"},   {44, "ﾃﾞﾈﾌﾞ"},   {45, "ﾌｫｰﾏﾙﾊｳﾄ"},  {56, "北極星"},
}};

TEST(ChartStars, NamedRowsMatchTheNamedBrightStarsExactly) {
  const StarTables chart = LoadedChart();
  StarTables bright;
  bright.SetBrightStars();
  for (const NamedChartRow& named : kNamedRows) {
    SCOPED_TRACE(testing::Message() << "chart row " << named.row << " " << named.name);
    ASSERT_EQ(Name(chart, named.row), named.name);
    int bright_row = 0;
    for (int row = 1; row <= kBrightStarCount; ++row) {
      if (Name(bright, row) == named.name) bright_row = row;
    }
    ASSERT_NE(bright_row, 0);
    for (int column = 1; column < 4; ++column) {
      EXPECT_EQ(chart.StarTable(column, named.row), bright.StarTable(column, bright_row))
          << "column " << column;
    }
  }
}

TEST(ChartStars, OnlyTheTwentyNamedRowsCarryNames) {
  const StarTables tables = LoadedChart();
  int named = 0;
  for (int row = 1; row <= kChartStarCount; ++row) {
    if (!Name(tables, row).empty()) ++named;
  }
  EXPECT_EQ(named, kBrightStarCount);
}

TEST(ChartStars, ValuesStayWithinTheCatalogueRanges) {
  const StarTables tables = LoadedChart();
  double ra_min = 24.0, ra_max = 0.0, dec_min = 90.0, dec_max = -90.0;
  double mag_min = 99.0, mag_max = -99.0;
  for (int row = 1; row <= kChartStarCount; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    const double ra = tables.StarTable(1, row);
    const double dec = tables.StarTable(2, row);
    const double mag = tables.StarTable(3, row);
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 24.0);
    EXPECT_GE(dec, -90.0);
    EXPECT_LE(dec, 90.0);
    EXPECT_GE(mag, -1.46);
    EXPECT_LT(mag, 4.0);
    ra_min = std::fmin(ra_min, ra);
    ra_max = std::fmax(ra_max, ra);
    dec_min = std::fmin(dec_min, dec);
    dec_max = std::fmax(dec_max, dec);
    mag_min = std::fmin(mag_min, mag);
    mag_max = std::fmax(mag_max, mag);
  }
  EXPECT_EQ(ra_min, 0.14283);
  EXPECT_EQ(ra_max, 23.6582);
  EXPECT_EQ(dec_min, -79.0592);
  EXPECT_EQ(dec_max, 89.2794);
  EXPECT_EQ(mag_min, -1.46);
  EXPECT_EQ(mag_max, 3.99);
}

struct RowRun {
  int first_row;
  int last_row;
  double brightest;  // smallest magnitude allowed in the run
  double faintest;   // largest magnitude allowed in the run
};

// The brightness groups; the faintest group is laid out in three runs.
constexpr std::array<RowRun, 5> kRowRuns{{
    {1, 45, -1.46, 2.0},
    {46, 162, 1.74, 2.99},
    {163, 191, 1.74, 3.99},
    {192, 341, 1.74, 3.99},
    {342, 496, 1.74, 3.99},
}};

TEST(ChartStars, EachRunIncreasesInRightAscension) {
  const StarTables tables = LoadedChart();
  for (const RowRun& run : kRowRuns) {
    for (int row = run.first_row + 1; row <= run.last_row; ++row) {
      SCOPED_TRACE(testing::Message() << "row " << row);
      EXPECT_LE(tables.StarTable(1, row - 1), tables.StarTable(1, row));
    }
  }
}

TEST(ChartStars, EachGroupKeepsItsBrightnessRange) {
  const StarTables tables = LoadedChart();
  for (const RowRun& run : kRowRuns) {
    for (int row = run.first_row; row <= run.last_row; ++row) {
      SCOPED_TRACE(testing::Message() << "row " << row);
      EXPECT_GE(tables.StarTable(3, row), run.brightest);
      EXPECT_LE(tables.StarTable(3, row), run.faintest);
    }
  }
}

TEST(ChartStars, MostOfTheFaintestGroupLiesBetweenThirdAndFourthMagnitude) {
  const StarTables tables = LoadedChart();
  int third_magnitude = 0;
  for (int row = 163; row <= kChartStarCount; ++row) {
    if (tables.StarTable(3, row) >= 3.0) ++third_magnitude;
  }
  EXPECT_GT(third_magnitude, (kChartStarCount - 162) * 9 / 10);
}

// Alpha Centauri A (row 37) and B (row 36) are the one pair of stars closer than
// an arcminute; every other pair of rows is a distinct place on the sky.
TEST(ChartStars, NoStarAppearsTwice) {
  const StarTables tables = LoadedChart();
  constexpr double kOneArcminDeg = 1.0 / 60.0;
  for (int a = 1; a <= kChartStarCount; ++a) {
    for (int b = a + 1; b <= kChartStarCount; ++b) {
      if (a == 36 && b == 37) continue;
      if (SeparationDeg(tables, a, b) < kOneArcminDeg) {
        ADD_FAILURE() << "rows " << a << " and " << b << " are "
                      << SeparationDeg(tables, a, b) * 3600.0 << " arcsec apart";
      }
    }
  }
  EXPECT_NE(tables.StarTable(3, 36), tables.StarTable(3, 37));
  EXPECT_EQ(Name(tables, 37), "ｱﾙﾌｧｾﾝﾀｳﾘ");
}

TEST(ChartStars, EveryStarGetsAPositiveDiscAndSiriusTheLargest) {
  const StarTables tables = LoadedChart();
  int largest_row = 0;
  double largest_radius = 0.0;
  for (int row = 1; row <= kChartStarCount; ++row) {
    const double radius = (5.0 - tables.StarTable(3, row)) * 10.0;  // window units
    EXPECT_GT(radius, 10.0) << "row " << row;
    if (radius > largest_radius) {
      largest_radius = radius;
      largest_row = row;
    }
  }
  EXPECT_EQ(largest_row, 15);
  EXPECT_NEAR(largest_radius, 64.6, 1e-12);
}

TEST(ChartStars, SouthernmostRowNeverRisesNorthOfItsColatitude) {
  const StarTables tables = LoadedChart();
  // Upper culmination altitude of a southern star: 90 - (latitude - declination).
  const double latitude_deg = 10.9408;
  EXPECT_NEAR(90.0 - (latitude_deg - tables.StarTable(2, 362)), 0.0, 1e-12);
}

}  // namespace
}  // namespace catalog
