#pragma once

// Reading the reference tables of tests/astro/data: comma-separated numbers,
// lines beginning with '#' and the column header skipped.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace astro_test {

// Given: a table's path and its column count. Returned: its numeric rows; a
// missing file or a row of another width fails the calling test.
inline std::vector<std::vector<double>> ReadReferenceRows(const std::string& path,
                                                          std::size_t columns) {
  std::vector<std::vector<double>> rows;
  std::ifstream in(path);
  EXPECT_TRUE(in.is_open()) << "cannot open " << path;
  std::string line;
  bool header_seen = false;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (!header_seen) {
      header_seen = true;
      continue;
    }
    std::vector<double> row;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) row.push_back(std::stod(field));
    EXPECT_EQ(row.size(), columns) << line;
    if (row.size() == columns) rows.push_back(row);
  }
  return rows;
}

// Given: two places (right ascension [hours], declination [degrees]).
// Returned: the angle between them [arcseconds], from the haversine of the
// differences, which stays accurate for small angles.
inline double SeparationArcsec(double ra1_hours, double dec1_deg, double ra2_hours,
                               double dec2_deg) {
  constexpr double kRad = 3.14159265358979323846 / 180;
  const double d1 = dec1_deg * kRad, d2 = dec2_deg * kRad;
  const double half_da = (ra1_hours - ra2_hours) * 15 * kRad / 2, half_dd = (d1 - d2) / 2;
  const double h = std::sin(half_dd) * std::sin(half_dd) +
                   std::cos(d1) * std::cos(d2) * std::sin(half_da) * std::sin(half_da);
  return 2 * std::asin(std::sqrt(h)) / kRad * 3600;
}

}  // namespace astro_test
