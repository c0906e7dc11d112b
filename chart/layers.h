#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace chart {

// The parts of the chart, in the order they lie from the bottom up: the
// groups of a picture that keeps them apart. Where a view draws two of them
// in one pass (the ecliptic's and the equator's dots, each disc and its
// name), they lie in this order.
enum class Layer : std::size_t {
  kHorizon,
  kGrid,
  kEcliptic,
  kEquator,
  kConstellations,  // the figures' lines and their fainter stars
  kAsterisms,
  kBodies,
  kPhases,  // the dark part of the Moon
  kStars,
  kNames,
  kConstellationNames,  // the constellations' and the asterisms' names
  kDirections,          // the three words under the horizon
};

inline constexpr std::array<std::string_view, 12> kLayerNames = {
    "horizon", "grid",   "ecliptic", "equator", "constellations",      "asterisms",
    "bodies",  "phases", "stars",    "names",   "constellation-names", "directions"};
inline constexpr std::size_t kLayerCount = kLayerNames.size();

// Returned: the layer's name, ASCII: the id of its group in an SVG picture.
constexpr std::string_view LayerName(Layer layer) {
  return kLayerNames[static_cast<std::size_t>(layer)];
}

}  // namespace chart
