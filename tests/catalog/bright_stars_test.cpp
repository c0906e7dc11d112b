// The twenty named bright stars of the numeric readout.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct NamedRow {
  int row;
  const char* name;
  double ra_hours;
  double dec_deg;
  double magnitude;
};

// The published table of the named bright stars.
constexpr std::array<NamedRow, 20> kExpected{{
    {1, "ｱｶｰﾅｰ", 1.63072, -57.2192, 0.46},      {2, "ｱﾙﾃﾞﾊﾞﾗﾝ", 4.60203, 16.5161, 0.85},
    {3, "ﾘｹﾞﾙ", 5.24511, -8.1978, 0.12},        {4, "ｶﾍﾟﾗ", 5.28247, 46.0011, 0.08},
    {5, "ﾍﾞﾃﾙｷﾞｳｽ", 5.92269, 7.4075, 0.5},      {6, "ｶﾉｰﾌﾟｽ", 6.40558, -52.6978, -0.72},
    {7, "ｼﾘｳｽ", 6.75503, -16.7208, -1.46},      {8, "ｶｽﾄﾙ", 7.58031, 31.88, 1.98},
    {9, "ﾌﾟﾛｷｵﾝ", 7.65806, 5.21583, 0.38},      {10, "ﾎﾟﾙｯｸｽ", 7.75883, 28.0175, 1.14},
    {11, "ﾚｸﾞﾙｽ", 10.14264, 11.95, 1.35},       {12, "ｽﾋﾟｶ", 13.42297, -11.1794, 0.98},
    {13, "ｱｰｸﾄｩﾙｽ", 14.26369, 19.1642, -0.04},  {14, "ｱﾙﾌｧｾﾝﾀｳﾘ", 14.66428, -60.8475, -0.01},
    {15, "ｱﾝﾀﾚｽ", 16.49372, -26.4394, 0.96},    {16, "ﾍﾞｶﾞ", 18.61761, 38.78722, 0.03},
    {17, "ｱﾙﾀｲﾙ", 19.84922, 8.8778, 0.77},      {18, "ﾃﾞﾈﾌﾞ", 20.69253, 45.2931, 1.25},
    {19, "ﾌｫｰﾏﾙﾊｳﾄ", 22.96406, -29.6036, 1.16}, {20, "北極星", 2.59708, 89.2794, 2.02},
}};

constexpr double kUnset = -7.0;  // a value no loader writes

void FillWithUnset(StarTables& tables) {
  for (int row = 0; row < kStarRows; ++row) {
    for (int column = 0; column < 4; ++column) tables.StarTable(column, row) = kUnset;
    tables.StarName[static_cast<std::size_t>(row)] = "unset";
  }
}

TEST(BrightStars, EveryRowHoldsThePublishedValues) {
  StarTables tables;
  tables.SetBrightStars();
  for (const NamedRow& expected : kExpected) {
    SCOPED_TRACE(testing::Message() << "row " << expected.row << " " << expected.name);
    EXPECT_EQ(tables.StarName[static_cast<std::size_t>(expected.row)], expected.name);
    EXPECT_EQ(tables.StarTable(1, expected.row), expected.ra_hours);
    EXPECT_EQ(tables.StarTable(2, expected.row), expected.dec_deg);
    EXPECT_EQ(tables.StarTable(3, expected.row), expected.magnitude);
  }
}

TEST(BrightStars, TouchesOnlyRowsOneToTwentyAndColumnsOneToThree) {
  StarTables tables;
  FillWithUnset(tables);
  tables.SetBrightStars();
  for (int row = 0; row < kStarRows; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    const bool written = row >= 1 && row <= kBrightStarCount;
    EXPECT_EQ(tables.StarTable(0, row), kUnset);
    for (int column = 1; column < 4; ++column) {
      EXPECT_EQ(tables.StarTable(column, row) == kUnset, !written) << "column " << column;
    }
    EXPECT_EQ(tables.StarName[static_cast<std::size_t>(row)] == "unset", !written);
  }
}

TEST(BrightStars, FirstNineteenRowsRunEastwardAndThePoleStarComesLast) {
  StarTables tables;
  tables.SetBrightStars();
  for (int row = 2; row <= 19; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    EXPECT_LT(tables.StarTable(1, row - 1), tables.StarTable(1, row));
  }
  EXPECT_EQ(tables.StarName[20], "北極星");
  EXPECT_LT(tables.StarTable(1, 20), tables.StarTable(1, 19));
}

TEST(BrightStars, PoleStarStaysWithinItsPolarDistanceOfTheSiteLatitude) {
  StarTables tables;
  tables.SetBrightStars();
  // The altitude of a star at declination d swings between lat - (90 - d) and
  // lat + (90 - d) over a day, so the pole star's polar distance bounds it.
  EXPECT_NEAR(90.0 - tables.StarTable(2, 20), 0.7206, 1e-12);
}

TEST(BrightStars, RepeatedLoadingGivesTheSameTable) {
  StarTables once;
  once.SetBrightStars();
  StarTables twice;
  twice.SetBrightStars();
  twice.SetBrightStars();
  for (int row = 0; row < kStarRows; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(once.StarTable(column, row), twice.StarTable(column, row));
    }
    EXPECT_EQ(once.StarName[static_cast<std::size_t>(row)],
              twice.StarName[static_cast<std::size_t>(row)]);
  }
}

}  // namespace
}  // namespace catalog
