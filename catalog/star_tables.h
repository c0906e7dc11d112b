#pragma once

#include <array>
#include <string>

namespace catalog {

inline constexpr int kStarRows = 1001;       // rows 0..1000; row 0 is never used
inline constexpr int kBrightStarCount = 20;  // named bright stars, rows 1..20
inline constexpr int kChartStarCount = 496;  // chart catalogue, rows 1..496

// The columns of StarTable; column 0 is never used.
inline constexpr int kRightAscension = 1;  // [hours]
inline constexpr int kDeclination = 2;     // [degrees]
inline constexpr int kMagnitude = 3;       // visual magnitude

// A star table, for the named bright stars or the chart catalogue. Each loader
// overwrites its rows; the other rows are left as they are.
struct StarTables {
  // A cell by column (kRightAscension, kDeclination, kMagnitude) and row.
  // Indexes are not checked beyond an assertion.
  double& StarTable(int column, int row);
  double StarTable(int column, int row) const;
  std::array<std::string, kStarRows> StarName{};  // UTF-8, empty for unnamed stars

  // Rows 1..20: the twenty named bright stars, all four fields; the other rows
  // are left as they are.
  void SetBrightStars();
  // Rows 1..496 of the chart catalogue, one field each: right ascension,
  // declination, magnitude, name; nothing else changes.
  void SetStars1();
  void SetStars2();
  void SetStars3();
  void SetStars4();

 private:
  std::array<std::array<double, kStarRows>, 4> columns_{};
};

// Given: a row 1..496 of the chart catalogue, or 1..20 of the named bright
// stars. Returned: the star's Bright Star Catalogue (HR) number, its identity.
int ChartStarHr(int row);
int BrightStarHr(int row);

// Returned: a table holding the twenty named bright stars in rows 1..20
// (SetBrightStars); the other rows are 0 and empty.
StarTables BrightStarTable();

// Returned: a table holding the chart catalogue in rows 1..496 (SetStars1 to
// SetStars4 in turn); the other rows are 0 and empty.
StarTables ChartCatalogue();

}  // namespace catalog
