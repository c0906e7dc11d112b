#pragma once

// Constellation figures, the 88 constellation names and teaching asterisms,
// and the stars they and the star names use, as constant tables. Places are at epoch 2003.5 like
// the chart catalogue's; a star that is a chart catalogue row has exactly that row's place.

#include <cstdint>
#include <span>
#include <string_view>

namespace catalog {

inline constexpr int kConstellationCount = 88;
inline constexpr int kSkyStarCount = 810;
inline constexpr int kConstellationLineCount = 743;
inline constexpr int kAsterismCount = 6;
inline constexpr int kAsterismLineCount = 24;

struct Constellation {
  std::string_view abbreviation;  // IAU, "Ori"
  std::string_view latin;         // IAU name, "Orion"
  std::string_view japanese;      // official Japanese name, UTF-8, "オリオン座"
  double name_ra_hours;           // where the name is written: right ascension [hours]
  double name_dec_deg;            // and declination [degrees]
};

// A star that a figure, an asterism or a star name uses.
struct SkyStar {
  int hr;            // Bright Star Catalogue number
  int chart_row;     // its chart catalogue row 1..496, 0 when it is not one
  double ra_hours;   // right ascension [hours], 0 to 24
  double dec_deg;    // declination [degrees]
  double magnitude;  // visual magnitude
};

// A straight line between two stars of a figure.
struct FigureLine {
  std::uint8_t figure;     // index into Constellations() or Asterisms()
  std::uint16_t from, to;  // indexes into SkyStars()
};

struct Asterism {
  std::string_view id;        // "summer-triangle"
  std::string_view japanese;  // UTF-8, "夏の大三角"
  double name_ra_hours;       // where the name is written: right ascension [hours]
  double name_dec_deg;        // and declination [degrees]
};

// Returned: the 88 constellations in the IAU's order (alphabetical by Latin
// name), Serpens as one.
std::span<const Constellation, kConstellationCount> Constellations();

// Returned: the stars of the figures, asterisms and names, by increasing HR.
std::span<const SkyStar, kSkyStarCount> SkyStars();

// Returned: the constellation figures' lines, grouped by constellation in the
// order of Constellations(); each pair of stars appears once per figure.
std::span<const FigureLine, kConstellationLineCount> ConstellationLines();

// Returned: 夏の大三角, 冬の大三角, 春の大三角, 秋の四辺形, 北斗七星 and 春の大曲線.
std::span<const Asterism, kAsterismCount> Asterisms();

// Returned: the asterisms' lines, grouped by asterism in the order of Asterisms().
std::span<const FigureLine, kAsterismLineCount> AsterismLines();

}  // namespace catalog
