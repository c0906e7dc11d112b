#include "astro/angles.h"

#include <cmath>

namespace astro {

double NormaliseLongitude(double degrees) {
  double u = degrees / 360;
  u = (u - Fix(u)) + 1;
  return (u - Fix(u)) * 360;
}

double AngleFromRatio(double y, double x) {
  if (x == 0) return y > 0 ? 90 : (y < 0 ? -90 : 0);
  const double angle = std::atan(y / x) * kDeg;
  return x < 0 ? angle + 180 : angle;
}

}  // namespace astro
