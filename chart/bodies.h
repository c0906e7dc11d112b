#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "astro/ephemeris.h"

namespace chart {

// One of the six bodies the series compute, as the chart, the readout and
// machine output show it.
struct BodyRow {
  astro::Body index;       // into the per-body tables (BodyAlt, BodyRA, ...)
  std::string_view id;     // identity, ASCII: "sun"
  std::string_view label;  // UTF-8: beside its disc, in the readout and the chart's words
  double radius;           // of its disc [twips]
  bool byDay;              // bright enough to be drawn while the Sun is up
};

// The bodies in body order; a view draws those seen by day first, in this
// order, then at night the others.
inline constexpr std::array<BodyRow, astro::kBodyCount> kBodyRows{{
    {astro::kSun, "sun", "太陽", 100, true},
    {astro::kMoon, "moon", "月", 120, true},
    {astro::kVenus, "venus", "金星", 50, true},
    {astro::kMars, "mars", "火星", 50, false},
    {astro::kJupiter, "jupiter", "木星", 50, false},
    {astro::kSaturn, "saturn", "土星", 40, false},
}};

constexpr bool BodyRowsInOrder() {
  for (std::size_t i = 0; i < kBodyRows.size(); ++i) {
    if (static_cast<std::size_t>(kBodyRows[i].index) != i) return false;
  }
  return true;
}
static_assert(BodyRowsInOrder());

}  // namespace chart
