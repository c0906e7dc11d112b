#pragma once

// The designation of every star the chart can draw, the chart catalogue's and
// SkyStars(): its constellation, Bayer letter and Flamsteed number, by HR number
// (the Bright Star Catalogue's).

#include <cstdint>
#include <string_view>

namespace catalog {

struct StarDesignation {
  int hr;                      // Bright Star Catalogue number
  std::uint8_t constellation;  // index into Constellations(); where the catalogue gives no
                               // designation, the one its place lies in by the IAU boundaries
  std::string_view bayer;  // Greek letter and component number, UTF-8, "β", "α1"; "" when none
  std::uint8_t flamsteed;  // Flamsteed number, 0 when none
};

// Given: an HR number. Returned: the star's designation, or nullptr when the
// star is neither a row of the chart catalogue nor one of SkyStars().
const StarDesignation* FindStarDesignation(int hr);

}  // namespace catalog
