// The chart catalogue of 496 stars down to about magnitude 4, loaded into a
// star table one field at a time.

#include <array>
#include <cstddef>

#include "catalog/star_names.h"
#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct ChartStar {
  double ra_hours;   // right ascension [hours], 0 to 24
  double dec_deg;    // declination [degrees]
  double magnitude;  // visual magnitude, -1.46 to 3.99
  int hr;            // Bright Star Catalogue number, which names it (StarLabel)
};

// Row r of the table is element r - 1.
constexpr std::array<ChartStar, kChartStarCount> kChartStars{{
#include "catalog/chart_stars_data.inc"
}};

const ChartStar& Row(int row) {
  return kChartStars[static_cast<std::size_t>(row - 1)];
}

}  // namespace

// Each loader writes its one field of chart rows 1..496, in increasing row
// order, and nothing else.
void StarTables::SetStars1() {
  for (int row = 1; row <= kChartStarCount; ++row) {
    StarTable(kRightAscension, row) = Row(row).ra_hours;
  }
}

void StarTables::SetStars2() {
  for (int row = 1; row <= kChartStarCount; ++row) StarTable(kDeclination, row) = Row(row).dec_deg;
}

void StarTables::SetStars3() {
  for (int row = 1; row <= kChartStarCount; ++row) StarTable(kMagnitude, row) = Row(row).magnitude;
}

void StarTables::SetStars4() {
  for (int row = 1; row <= kChartStarCount; ++row) {
    StarName[static_cast<std::size_t>(row)] = StarLabel(Row(row).hr);
  }
}

int ChartStarHr(int row) {
  return Row(row).hr;
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
