#pragma once

#include <cmath>

namespace astro {

// The angle factors every computation uses exactly as written; results are
// checked to the last digit, so full-precision pi/180 must not be substituted.
inline constexpr double kRad = 0.017453292519943;  // degrees -> radians
inline constexpr double kDeg = 57.295779513082;    // radians -> degrees

// Truncation toward zero (not floor): matters for negative values.
inline double Fix(double x) {
  return std::trunc(x);
}

// Longitude brought into [0, 360) by the three-step reduction
// u = x/360; u = (u - Fix(u)) + 1; x = (u - Fix(u)) * 360.
double NormaliseLongitude(double degrees);

// The direction of the point (x, y) from the one-argument arc tangent.
// Given: the two components (y the one whose ratio to x is the tangent).
// Returned: atan(y / x) in degrees, with 180 added where x is negative, so
// -90..270 [degrees]. Where x is 0 (either sign): 90 or -90 by the sign of y,
// and 0 at the origin.
double AngleFromRatio(double y, double x);

}  // namespace astro
