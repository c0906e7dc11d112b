#include "astro/illumination.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/topocentric.h"

namespace astro {

namespace {

constexpr double kVenusDiameterAt1Au = 2 * 8.34;  // Meeus table 55.A [arcseconds]

}  // namespace

MoonIllumination MoonIlluminationOf(const Ephemeris& e) {
  MoonIllumination m;
  m.elongation_longitude = NormaliseLongitude(e.MoonLon - e.SunLon);
  // (48.2): cos psi = cos beta cos(lambda - lambda0).
  const double cos_psi = std::cos(e.MoonLat * kRad) * std::cos(m.elongation_longitude * kRad);
  const double psi = std::acos(cos_psi);  // [radians]
  m.elongation = psi * kDeg;
  // (48.3), both distances in Earth radii.
  const double sun = e.SunDist * kEarthRadiiPerAu;
  const double moon = MoonDistanceEarthRadii(e.T);
  const double i = std::atan2(sun * std::sin(psi), moon - sun * cos_psi);  // [radians]
  m.phase_angle = i * kDeg;
  m.illuminated_fraction = (1 + std::cos(i)) / 2;  // (48.1)
  // (48.5): the Sun's place seen from the Moon's, as a position angle.
  const double sun_ra = e.BodyRA[kSun] * 15 * kRad, sun_dec = e.BodyDec[kSun] * kRad;
  const double moon_ra = e.BodyRA[kMoon] * 15 * kRad, moon_dec = e.BodyDec[kMoon] * kRad;
  const double chi =
      std::atan2(std::cos(sun_dec) * std::sin(sun_ra - moon_ra),
                 std::sin(sun_dec) * std::cos(moon_dec) -
                     std::cos(sun_dec) * std::sin(moon_dec) * std::cos(sun_ra - moon_ra)) *
      kDeg;
  m.bright_limb_angle = NormaliseLongitude(chi);
  return m;
}

VenusDisc VenusDiscOf(const Ephemeris& e) {
  const double r = e.Helio[kVenus].r;                                               // [au]
  const double delta = GeocentricDistanceEarthRadii(e, kVenus) / kEarthRadiiPerAu;  // [au]
  const double R = e.SunDist;                                                       // [au]
  const double cos_i = (r * r + delta * delta - R * R) / (2 * r * delta);
  return {(1 + cos_i) / 2, kVenusDiameterAt1Au / delta};
}

}  // namespace astro
