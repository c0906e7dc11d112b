// The chart catalogue of 496 stars down to about magnitude 4, loaded into a
// star table one field at a time.

#include <array>
#include <cstddef>

#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct ChartStar {
  double ra_hours;   // right ascension [hours], 0 to 24
  double dec_deg;    // declination [degrees]
  double magnitude;  // visual magnitude, -1.46 to 3.99
  const char* name;  // UTF-8; empty except for the twenty named bright stars
};

// Row r of the table is element r - 1.
constexpr std::array<ChartStar, kChartStarCount> kChartStars{{
#include "catalog/chart_stars_data.inc"
}};

const ChartStar& Row(int row) {
  return kChartStars[static_cast<std::size_t>(row - 1)];
}

}  // namespace

// Given: nothing. Returned: StarTable(1, r) = right ascension [hours] of chart
// rows r = 1..496, written in increasing row order. Notes: nothing else changes.
void StarTables::SetStars1() {
  for (int row = 1; row <= kChartStarCount; ++row) StarTable(1, row) = Row(row).ra_hours;
}

// Given: nothing. Returned: StarTable(2, r) = declination [degrees] of chart
// rows r = 1..496, written in increasing row order. Notes: nothing else changes.
void StarTables::SetStars2() {
  for (int row = 1; row <= kChartStarCount; ++row) StarTable(2, row) = Row(row).dec_deg;
}

// Given: nothing. Returned: StarTable(3, r) = visual magnitude of chart rows
// r = 1..496, written in increasing row order. Notes: nothing else changes.
void StarTables::SetStars3() {
  for (int row = 1; row <= kChartStarCount; ++row) StarTable(3, row) = Row(row).magnitude;
}

// Given: nothing. Returned: StarName(r) of chart rows r = 1..496, written in
// increasing row order; empty except for the twenty named stars. Notes:
// nothing else changes.
void StarTables::SetStars4() {
  for (int row = 1; row <= kChartStarCount; ++row) {
    StarName[static_cast<std::size_t>(row)] = Row(row).name;
  }
}

StarTables ChartCatalogue() {
  StarTables table;
  table.SetStars1();
  table.SetStars2();
  table.SetStars3();
  table.SetStars4();
  return table;
}

}  // namespace catalog
