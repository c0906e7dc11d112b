#include "astro/horizontal.h"

#include <cmath>

#include "astro/angles.h"

namespace astro {

void Horizontal::EqToHor() {
  // Hour angle [degrees], positive west of the meridian; left unreduced.
  const double H = (SidTime - ObjRA) * 15 + SiteLon;
  const double sinH = std::sin(H * kRad);
  const double cosH = std::cos(H * kRad);
  const double sinDec = std::sin(ObjDec * kRad);
  const double cosDec = std::cos(ObjDec * kRad);
  const double sinLat = std::sin(SiteLat * kRad);
  const double cosLat = std::cos(SiteLat * kRad);

  // n: east component, d: north component (both times cos altitude), s: sin altitude.
  const double n = -cosDec * sinH;
  const double d = sinDec * cosLat - (cosH * cosDec) * sinLat;
  const double s = sinDec * sinLat + (cosH * cosDec) * cosLat;

  // Azimuth [degrees]: due east or west where d is 0; with n also 0 the object
  // stands at the zenith or nadir, where every azimuth is right and north (0) is taken.
  double A = AngleFromRatio(n, d);
  if (A < 0) A = A + 360;
  const double v = (A + 360) / 360;
  ObjAz = (v - Fix(v)) * 360;

  // At the zenith or nadir s*s reaches 1, or passes it by rounding: the
  // quotient would divide by zero or take the root of a negative number.
  if (s * s >= 1) {
    ObjAlt = s > 0 ? 90 : -90;
  } else {
    ObjAlt = std::atan(s / std::sqrt(1 - s * s)) * kDeg;
  }
}

HorizontalPlace Horizontal::PlaceOf(double ra_hours, double dec_degrees) const {
  Horizontal object = *this;
  object.ObjRA = ra_hours;
  object.ObjDec = dec_degrees;
  object.EqToHor();
  return {object.ObjAlt, object.ObjAz};
}

}  // namespace astro
