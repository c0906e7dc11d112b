#include "astro/angles.h"

namespace astro {

double NormaliseLongitude(double degrees) {
  double u = degrees / 360;
  u = (u - Fix(u)) + 1;
  return (u - Fix(u)) * 360;
}

}  // namespace astro
