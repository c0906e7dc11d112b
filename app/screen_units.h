#pragma once

#include <cmath>

namespace app {

// The window is laid out in twips (1/1440 inch) for a screen of 96 pixels an
// inch, and its type is sized in points (1/72 inch); every front end shows it
// by these units.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPixelsPerInch = 96;
inline constexpr int kPointsPerInch = 72;
inline constexpr double kTwipsPerPixel = static_cast<double>(kTwipsPerInch) / kPixelsPerInch;

// Given: a length in twips. Returned: the same length in logical pixels.
inline double PixelsFromTwips(double twips) {
  return twips / kTwipsPerPixel;
}

// Given: a position or size in twips. Returned: whole logical pixels, the unit
// of the controls' places.
inline int WholePixelsFromTwips(int twips) {
  return static_cast<int>(std::lround(PixelsFromTwips(twips)));
}

// Given: a type size in points. Returned: whole pixels at 96 an inch.
inline int PixelsFromPoints(double points) {
  return static_cast<int>(std::lround(points * kPixelsPerInch / kPointsPerInch));
}

}  // namespace app
