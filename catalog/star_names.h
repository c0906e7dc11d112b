#pragma once

// The names of the stars: one table for every name a person reads, by HR
// number (the Bright Star Catalogue's), with each star's Latin identity. Their
// constellations and Bayer letters are in star_designations.h.

#include <cstdint>
#include <span>
#include <string_view>

namespace catalog {

inline constexpr int kStarNameCount = 273;

struct StarNameRow {
  std::uint16_t star;         // index into SkyStars(), which holds its HR number and place
  std::string_view id;        // Latin, lower case with hyphens, "sirius"
  std::string_view japanese;  // UTF-8, in full, "シリウス"
  std::string_view label;     // what the chart and the readout print, "ｼﾘｳｽ"; empty for the
                              // stars beyond the twenty named ones
};

// Returned: the named stars, by increasing HR.
std::span<const StarNameRow, kStarNameCount> StarNames();

// Given: an HR number. Returned: the star's name, or nullptr when it has none.
const StarNameRow* FindStarName(int hr);

// Given: an HR number. Returned: the label the chart and the readout print
// for that star; empty for a star without one.
std::string_view StarLabel(int hr);

}  // namespace catalog
