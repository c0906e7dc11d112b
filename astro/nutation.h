#pragma once

namespace astro {

// Nutation in longitude and in obliquity.
struct Nutation {
  double longitude_arcsec;  // delta psi [arcseconds]
  double obliquity_arcsec;  // delta epsilon [arcseconds]
};

// Given: T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: the nutation from the IAU 1980 theory (Seidelmann 1982), its
// thirteen terms of 0.01" or more in longitude.
// Notes: the terms left out add up to less than 0.1"; the IAU 2000 theory
// differs from the full 1980 series by a few milliarcseconds here.
Nutation NutationIau1980(double T);

// Given: T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: the mean obliquity of the ecliptic of IAU 2006 (Hilton et al.
// 2006) [arcseconds], for the precession of precession.h.
double MeanObliquityArcsec(double T);

}  // namespace astro
