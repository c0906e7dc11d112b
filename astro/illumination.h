#pragma once

#include "astro/ephemeris.h"

namespace astro {

// The Moon's phase at one instant, as seen from the Earth's centre: what a
// drawing of the lit part of the Moon needs.
struct MoonIllumination {
  double elongation_longitude = 0;  // Moon's minus Sun's apparent ecliptic longitude
                                    // [degrees, 0..360): 0 new, 90 first quarter,
                                    // 180 full, 270 last quarter
  double elongation = 0;            // angle Sun-Earth-Moon [degrees, 0..180]
  double phase_angle = 0;           // angle Sun-Moon-Earth [degrees, 0..180]
  double illuminated_fraction = 0;  // lit part of the disc's diameter [0..1]
  double bright_limb_angle = 0;     // position angle of the midpoint of the lit limb
                                    // [degrees, 0..360, from north through east]
};

// The Moon's phase from the places of a computed ephemeris.
// Given:    ephemeris  after CalcPlanets() (its T, SunLon, MoonLon, MoonLat, SunDist,
//           BodyRA and BodyDec)
// Returned: the elongations, phase angle, illuminated fraction and bright limb
// Notes:    Meeus, Astronomical Algorithms (2nd ed.), ch. 48: (48.2), (48.3), (48.1)
//           and (48.5), with the Moon's distance from MoonDistanceEarthRadii.
MoonIllumination MoonIlluminationOf(const Ephemeris& ephemeris);

// Venus's disc as seen from the Earth's centre.
struct VenusDisc {
  double illuminated_fraction = 0;  // [0..1]
  double diameter = 0;              // apparent diameter [arcseconds]
};

// Venus's phase and size from the series' distances.
// Given:    ephemeris  after CalcPlanets() (Venus's heliocentric distance r, the
//           Sun's distance R and Venus's geocentric distance)
// Returned: the fraction (1 + cos i) / 2 for the phase angle i Sun-Venus-Earth,
//           cos i = (r^2 + Delta^2 - R^2) / (2 r Delta) (Meeus 41.2 and 48.1),
//           and the diameter 16.68" at 1 au divided by Delta [au] (Meeus table 55.A).
VenusDisc VenusDiscOf(const Ephemeris& ephemeris);

}  // namespace astro
