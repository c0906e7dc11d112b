// The named bright stars and the 496-row chart catalogue, and the star table that holds them.

#include "catalog/star_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

namespace catalog {
namespace {

constexpr double kRadPerDeg = 0.017453292519943;
constexpr double kDegPerRad = 57.295779513082;
constexpr double kUnset = -7.0;  // a value no loader writes

const std::string& Name(const StarTables& t, int row) {
  return t.StarName[static_cast<std::size_t>(row)];
}

struct Row {
  int row;  // chart row; the bright-star row is the position in the table below
  const char* name;
  double ra_hours, dec_deg, magnitude;
};

// The published named bright stars, in their bright-star order, with their chart rows.
constexpr std::array<Row, 20> kNamed{{
    {1, "ｱｶｰﾅｰ", 1.63072, -57.2192, 0.46},      {4, "ｱﾙﾃﾞﾊﾞﾗﾝ", 4.60203, 16.5161, 0.85},
    {5, "ﾘｹﾞﾙ", 5.24511, -8.1978, 0.12},        {6, "ｶﾍﾟﾗ", 5.28247, 46.0011, 0.08},
    {10, "ﾍﾞﾃﾙｷﾞｳｽ", 5.92269, 7.4075, 0.5},     {13, "ｶﾉｰﾌﾟｽ", 6.40558, -52.6978, -0.72},
    {15, "ｼﾘｳｽ", 6.75503, -16.7208, -1.46},     {18, "ｶｽﾄﾙ", 7.58031, 31.88, 1.98},
    {19, "ﾌﾟﾛｷｵﾝ", 7.65806, 5.21583, 0.38},     {20, "ﾎﾟﾙｯｸｽ", 7.75883, 28.0175, 1.14},
    {26, "ﾚｸﾞﾙｽ", 10.14264, 11.95, 1.35},       {32, "ｽﾋﾟｶ", 13.42297, -11.1794, 0.98},
    {35, "ｱｰｸﾄｩﾙｽ", 14.26369, 19.1642, -0.04},  {37, "ｱﾙﾌｧｾﾝﾀｳﾘ", 14.66428, -60.8475, -0.01},
    {38, "ｱﾝﾀﾚｽ", 16.49372, -26.4394, 0.96},    {42, "ﾍﾞｶﾞ", 18.61761, 38.78722, 0.03},
    {43, "ｱﾙﾀｲﾙ", 19.84922, 8.8778, 0.77},      {44, "ﾃﾞﾈﾌﾞ", 20.69253, 45.2931, 1.25},
    {45, "ﾌｫｰﾏﾙﾊｳﾄ", 22.96406, -29.6036, 1.16}, {56, "北極星", 2.59708, 89.2794, 2.02},
}};

// Published example rows of the chart catalogue (besides the named ones above).
constexpr std::array<Row, 5> kChartExamples{{
    {2, "", 2.12286, 23.4789, 2},
    {46, "", 0.14283, 29.1097, 2.06},
    {163, "", 0.15978, -45.7281, 3.88},
    {362, "", 14.80517, -79.0592, 3.83},
    {496, "", 23.6582, 77.6519, 3.21},
}};

void ExpectRow(const StarTables& t, int row, const Row& expected) {
  SCOPED_TRACE(testing::Message() << "row " << row << " " << expected.name);
  EXPECT_EQ(Name(t, row), expected.name);
  EXPECT_EQ(t.StarTable(1, row), expected.ra_hours);
  EXPECT_EQ(t.StarTable(2, row), expected.dec_deg);
  EXPECT_EQ(t.StarTable(3, row), expected.magnitude);
}

TEST(StarTables, PublishedRowsHoldExactlyTheirValues) {
  const StarTables bright = BrightStarTable();
  const StarTables chart = ChartCatalogue();
  for (std::size_t k = 0; k < kNamed.size(); ++k) {
    ExpectRow(bright, static_cast<int>(k) + 1, kNamed[k]);
    ExpectRow(chart, kNamed[k].row, kNamed[k]);  // a name means the same place in both
  }
  for (const Row& example : kChartExamples) ExpectRow(chart, example.row, example);
  int named = 0;
  for (int row = 1; row <= kChartStarCount; ++row) named += !Name(chart, row).empty();
  EXPECT_EQ(named, kBrightStarCount);
  // Rows 1 to 19 run eastward; the pole star comes last.
  for (int row = 2; row <= 19; ++row) {
    EXPECT_LT(bright.StarTable(1, row - 1), bright.StarTable(1, row)) << "row " << row;
  }
}

struct Loader {
  const char* label;
  void (StarTables::*load)();
  int last_row, first_column, last_column;  // numeric cells written
  bool names;
};

constexpr std::array<Loader, 5> kLoaders{{
    {"SetStars1", &StarTables::SetStars1, kChartStarCount, 1, 1, false},
    {"SetStars2", &StarTables::SetStars2, kChartStarCount, 2, 2, false},
    {"SetStars3", &StarTables::SetStars3, kChartStarCount, 3, 3, false},
    {"SetStars4", &StarTables::SetStars4, kChartStarCount, 0, -1, true},
    {"SetBrightStars", &StarTables::SetBrightStars, kBrightStarCount, 1, 3, true},
}};

TEST(StarTables, EachLoaderWritesItsOwnCellsOnly) {
  for (const Loader& loader : kLoaders) {
    SCOPED_TRACE(loader.label);
    StarTables t;
    for (int row = 0; row < kStarRows; ++row) {
      for (int column = 0; column < 4; ++column) t.StarTable(column, row) = kUnset;
      t.StarName[static_cast<std::size_t>(row)] = "unset";
    }
    (t.*loader.load)();
    for (int row = 0; row < kStarRows; ++row) {
      SCOPED_TRACE(testing::Message() << "row " << row);
      const bool in_rows = row >= 1 && row <= loader.last_row;
      for (int column = 0; column < 4; ++column) {
        const bool written =
            in_rows && column >= loader.first_column && column <= loader.last_column;
        EXPECT_EQ(t.StarTable(column, row) != kUnset, written) << "column " << column;
      }
      EXPECT_EQ(Name(t, row) != "unset", in_rows && loader.names);
    }
  }
}

TEST(StarTables, ChartValuesKeepTheirRangesAndOrder) {
  const StarTables t = ChartCatalogue();
  double ra_min = 24, ra_max = 0, dec_min = 90, dec_max = -90, mag_min = 99, mag_max = -99;
  for (int row = 1; row <= kChartStarCount; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    const double ra = t.StarTable(1, row), dec = t.StarTable(2, row), mag = t.StarTable(3, row);
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 24.0);
    EXPECT_GE(dec, -90.0);
    EXPECT_LE(dec, 90.0);
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
  EXPECT_EQ(t.StarTable(kMagnitude, 15), -1.46);  // Sirius, the brightest
  EXPECT_EQ(t.StarTable(kMagnitude, 493), 3.99);  // Gamma Tucanae, the faintest

  // Brightness groups, each run by increasing right ascension.
  const struct {
    int first_row, last_row;
    double brightest, faintest;  // magnitude range of the run
  } runs[] = {{1, 45, -1.46, 2.0},
              {46, 162, 1.74, 2.99},
              {163, 191, 1.74, 3.99},
              {192, 341, 1.74, 3.99},
              {342, 496, 1.74, 3.99}};
  for (const auto& run : runs) {
    for (int row = run.first_row; row <= run.last_row; ++row) {
      SCOPED_TRACE(testing::Message() << "row " << row);
      if (row > run.first_row) {
        EXPECT_LE(t.StarTable(1, row - 1), t.StarTable(1, row));
      }
      EXPECT_GE(t.StarTable(3, row), run.brightest);
      EXPECT_LE(t.StarTable(3, row), run.faintest);
    }
  }
  int third_magnitude = 0;  // the faintest group is mostly magnitudes 3 to 4
  for (int row = 163; row <= kChartStarCount; ++row) third_magnitude += t.StarTable(3, row) >= 3.0;
  EXPECT_GT(third_magnitude, (kChartStarCount - 162) * 9 / 10);
}

// Angle between two rows' places [degrees] (haversine form, exact for small angles).
double SeparationDeg(const StarTables& t, int a, int b) {
  const double dec_a = t.StarTable(2, a) * kRadPerDeg, dec_b = t.StarTable(2, b) * kRadPerDeg;
  const double dra = (t.StarTable(1, a) - t.StarTable(1, b)) * 15.0 * kRadPerDeg;
  const double s_dec = std::sin((dec_a - dec_b) / 2.0), s_ra = std::sin(dra / 2.0);
  const double h = s_dec * s_dec + std::cos(dec_a) * std::cos(dec_b) * s_ra * s_ra;
  return 2.0 * std::asin(std::sqrt(h)) * kDegPerRad;
}

// Alpha Centauri A (row 37) and B (row 36) are the one pair of stars closer than
// an arcminute; every other pair of rows is a distinct place on the sky.
TEST(StarTables, NoChartStarAppearsTwice) {
  const StarTables t = ChartCatalogue();
  for (int a = 1; a <= kChartStarCount; ++a) {
    for (int b = a + 1; b <= kChartStarCount; ++b) {
      if ((a != 36 || b != 37) && SeparationDeg(t, a, b) < 1.0 / 60.0) {
        ADD_FAILURE() << "rows " << a << " and " << b << " are " << SeparationDeg(t, a, b) * 3600.0
                      << " arcsec apart";
      }
    }
  }
  EXPECT_NE(t.StarTable(3, 36), t.StarTable(3, 37));
  EXPECT_EQ(Name(t, 37), "ｱﾙﾌｧｾﾝﾀｳﾘ");
}

}  // namespace
}  // namespace catalog
