#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/horizontal.h"

namespace app {

// The chart's zoom as the command line's options and the page's address
// write it: --zoom 3 --center 180,45 and zoom=3&center=180,45.

// Given: a text. Returned: the magnification it writes, a decimal number from
// 1 to chart::kLargestZoom, or nothing.
std::optional<double> ZoomOfText(std::string_view text);

// Given: "AZIMUTH,ALTITUDE" [degrees], azimuth 0 to 360 (north 0, east 90),
// altitude -90 to 90. Returned: the place, or nothing.
std::optional<astro::HorizontalPlace> CentreOfText(std::string_view text);

// Returned: the texts the two read back, to a hundredth: "2.5", "180.25,45.5".
std::string ZoomText(double factor);
std::string CentreText(const astro::HorizontalPlace& place);

}  // namespace app
