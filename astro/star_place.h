#pragma once

#include "astro/ephemeris.h"
#include "astro/vector3.h"

namespace astro {

// A star's catalogue place at epoch J2000.0 in the ICRS and its proper motion.
struct CatalogueStar {
  double ra_hours;             // right ascension [hours]
  double dec_deg;              // declination [degrees]
  double pm_ra_mas_per_year;   // proper motion in right ascension times cos(dec) [mas/yr]
  double pm_dec_mas_per_year;  // proper motion in declination [mas/yr]
};

// Given: a catalogue star and T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: its place at that epoch, still referred to the J2000 equator and
// equinox [hours, 0..24; degrees]: the star moved in a straight line through
// space at constant distance (the space motion without radial velocity),
// which keeps the pole and high declinations exact.
// Notes: the radial velocity's effect, perspective acceleration, stays below
// 1" in a century even for alpha Centauri.
EquatorialPlace StarPlaceAtEpoch(const CatalogueStar& star, double T);

// Given: a catalogue star and T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: its apparent geocentric place, true equator and equinox of date
// [hours, 0..24; degrees]: proper motion, IAU 2006 precession, annual
// aberration (Earth's heliocentric velocity from the Sun's longitude and the
// orbit's eccentricity, Meeus ch. 23) and IAU 1980 nutation.
// Notes: annual parallax (under 0.8") is left out; agrees with a full
// reduction to about 0.1" from 1900 to 2100.
EquatorialPlace ApparentStarPlace(const CatalogueStar& star, double T);

// The same reduction for many stars of one date: its rotations and the
// Earth's velocity computed once.
class StarReduction {
 public:
  // Given: T, Julian centuries of Terrestrial Time from J2000.0.
  explicit StarReduction(double T);
  // Returned: the star's apparent place, as ApparentStarPlace gives it.
  EquatorialPlace Apparent(const CatalogueStar& star) const;

 private:
  double T_;
  Matrix3 precession_;  // J2000 to the mean equator of date
  Matrix3 nutation_;    // mean to true equator of date
  Vector3 velocity_;    // the Earth's, over the speed of light, equatorial of date
};

}  // namespace astro
