// How the loaders share the one star table: which cells each writes.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "catalog/star_tables.h"

namespace catalog {
namespace {

constexpr double kUnset = -7.0;  // a value no loader writes
const std::string kUnsetName = "unset";

void FillWithUnset(StarTables& tables) {
  for (int row = 0; row < kStarRows; ++row) {
    for (int column = 0; column < 4; ++column) tables.StarTable(column, row) = kUnset;
    tables.StarName[static_cast<std::size_t>(row)] = kUnsetName;
  }
}

struct Loader {
  const char* label;
  void (StarTables::*load)();
  int column;  // numeric column written, 0 for the name
};

constexpr std::array<Loader, 4> kLoaders{{
    {"SetStars1", &StarTables::SetStars1, 1},
    {"SetStars2", &StarTables::SetStars2, 2},
    {"SetStars3", &StarTables::SetStars3, 3},
    {"SetStars4", &StarTables::SetStars4, 0},
}};

TEST(ChartLoading, EachLoaderWritesItsOneFieldOfRowsOneTo496Only) {
  for (const Loader& loader : kLoaders) {
    SCOPED_TRACE(loader.label);
    StarTables tables;
    FillWithUnset(tables);
    (tables.*loader.load)();
    for (int row = 0; row < kStarRows; ++row) {
      SCOPED_TRACE(testing::Message() << "row " << row);
      const bool in_chart = row >= 1 && row <= kChartStarCount;
      for (int column = 0; column < 4; ++column) {
        const bool written = in_chart && column == loader.column && column != 0;
        EXPECT_EQ(tables.StarTable(column, row) != kUnset, written) << "column " << column;
      }
      const bool name_written = in_chart && loader.column == 0;
      EXPECT_EQ(tables.StarName[static_cast<std::size_t>(row)] != kUnsetName, name_written);
    }
  }
}

TEST(ChartLoading, RowsOutsideTheChartKeepTheirValues) {
  StarTables tables;
  FillWithUnset(tables);
  tables.StarTable(1, 497) = 12.5;
  tables.StarName[497] = "kept";
  tables.SetStars1();
  tables.SetStars2();
  tables.SetStars3();
  tables.SetStars4();
  EXPECT_EQ(tables.StarTable(1, 497), 12.5);
  EXPECT_EQ(tables.StarName[497], "kept");
  EXPECT_EQ(tables.StarTable(1, 0), kUnset);
  EXPECT_EQ(tables.StarName[0], kUnsetName);
  EXPECT_EQ(tables.StarTable(1, 1000), kUnset);
}

TEST(ChartLoading, ChartOverwritesTheNamedRowsAndTheBrightStarsRestoreThem) {
  StarTables tables;
  tables.SetBrightStars();
  EXPECT_EQ(tables.StarName[2], "ｱﾙﾃﾞﾊﾞﾗﾝ");

  tables.SetStars1();
  tables.SetStars2();
  tables.SetStars3();
  tables.SetStars4();
  EXPECT_EQ(tables.StarTable(1, 2), 2.12286);
  EXPECT_EQ(tables.StarName[2], "");

  tables.SetBrightStars();
  EXPECT_EQ(tables.StarName[2], "ｱﾙﾃﾞﾊﾞﾗﾝ");
  EXPECT_EQ(tables.StarTable(1, 2), 4.60203);
  EXPECT_EQ(tables.StarTable(2, 2), 16.5161);
  EXPECT_EQ(tables.StarTable(3, 2), 0.85);
  // Rows past the named stars still hold the chart.
  EXPECT_EQ(tables.StarTable(1, 46), 0.14283);
  EXPECT_EQ(tables.StarName[56], "北極星");
  EXPECT_EQ(tables.StarName[21], "");
}

TEST(ChartLoading, BrightStarsLeaveChartRowsPastTwentyUntouched) {
  StarTables chart;
  chart.SetStars1();
  chart.SetStars2();
  chart.SetStars3();
  chart.SetStars4();
  StarTables both = chart;
  both.SetBrightStars();
  for (int row = kBrightStarCount + 1; row < kStarRows; ++row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(both.StarTable(column, row), chart.StarTable(column, row));
    }
    EXPECT_EQ(both.StarName[static_cast<std::size_t>(row)],
              chart.StarName[static_cast<std::size_t>(row)]);
  }
}

}  // namespace
}  // namespace catalog
