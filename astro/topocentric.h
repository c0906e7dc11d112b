#pragma once

#include "astro/ephemeris.h"

namespace astro {

// Lengths shared by the parallax and the apparent sizes of the bodies.
inline constexpr double kEarthRadiusKm = 6378.14;  // equatorial radius (IAU 1976) [km]
inline constexpr double kAuKm = 149597870.7;       // astronomical unit (IAU 2012) [km]
inline constexpr double kEarthRadiiPerAu = kAuKm / kEarthRadiusKm;       // [Earth radii]
inline constexpr double kSunRadiusEarthRadii = 696000 / kEarthRadiusKm;  // [Earth radii]
inline constexpr double kMoonRadiusEarthRadii = 0.2725076;  // k of the IAU 1982 [Earth radii]

// Geocentric distance of the Moon from the principal terms of its distance series.
// Given:    T  Julian centuries from JD 2451545.0, as the program's series take it
// Returned: the distance between the centres of the Earth and the Moon [Earth radii]
// Notes:    Meeus, Astronomical Algorithms (2nd ed.), ch. 47: the 25 terms of
//           table 47.A of 10 km or more; the terms left out stay below 90 km
//           together, 0.8" of horizontal parallax.
double MoonDistanceEarthRadii(double T);

// Geocentric distance of one of the six bodies at the instant of a computed ephemeris.
// Given:    ephemeris  after CalcPlanets(); body  kSun .. kSaturn
// Returned: the distance from the Earth's centre [Earth radii]
// Notes:    the Sun from SunDist, the Moon from MoonDistanceEarthRadii, a planet
//           from its heliocentric place and the Sun's geometric longitude.
double GeocentricDistanceEarthRadii(const Ephemeris& ephemeris, Body body);

// A place seen from a site on the Earth's surface.
struct TopocentricPlace {
  double ra = 0;        // right ascension [hours, 0..24)
  double dec = 0;       // declination [degrees]
  double distance = 0;  // from the site [Earth radii]
};

// Geocentric to topocentric right ascension and declination (parallax).
// Given:    geocentric  apparent place [hours, degrees]; distance  from the Earth's
//           centre [Earth radii; kEarthRadiiPerAu times au for the Sun and planets];
//           latitude [degrees, north positive], longitude [degrees, EAST positive]
//           of a site at sea level; sidereal_time  apparent sidereal time at
//           Greenwich [hours], as Horizontal::SidTime
// Returned: the place and distance seen from the site
// Notes:    Meeus ch. 40, with rho sin phi' and rho cos phi' of ch. 11 (flattening
//           1/298.257); done as the difference of the two vectors, so exact at
//           any distance above the Earth's surface.
TopocentricPlace ToTopocentric(const EquatorialPlace& geocentric, double distance, double latitude,
                               double longitude, double sidereal_time);

// Angular radius of a sphere.
// Given:    radius and distance of the sphere [Earth radii, or any one unit]
// Returned: the semidiameter [degrees]; with the topocentric distance of the
//           Moon and kMoonRadiusEarthRadii, the Moon's topocentric semidiameter.
double SemidiameterDegrees(double radius, double distance);

}  // namespace astro
