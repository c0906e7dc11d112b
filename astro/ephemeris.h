#pragma once

#include <array>

namespace astro {

// Body index of every per-body table.
enum Body { kSun = 0, kMoon = 1, kVenus = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };
inline constexpr int kBodyCount = 6;

// Heliocentric ecliptic place of a planet.
struct HelioPlace {
  double l = 0;  // ecliptic longitude [degrees, 0..360)
  double b = 0;  // ecliptic latitude [degrees]
  double r = 0;  // distance from the Sun [au]
};

// Ecliptic rectangular coordinates: x toward the equinox, z toward the ecliptic's north pole.
struct EclipticRect {
  double x = 0, y = 0, z = 0;  // [au, or any unit]
};

// Ecliptic longitude and latitude.
struct EclipticPlace {
  double lon = 0;  // [degrees]
  double lat = 0;  // [degrees]
};

// Right ascension and declination.
struct EquatorialPlace {
  double ra = 0;   // [hours, 0..24)
  double dec = 0;  // [degrees]
};

// Apparent geocentric places of the Sun, Moon, Venus, Mars, Jupiter and Saturn
// from short trigonometric series.
struct Ephemeris {
  double T = 0;  // in: Julian centuries (UT) from JD 2451545.0

  std::array<double, kBodyCount> BodyRA{};   // apparent right ascension [hours, 0..24)
  std::array<double, kBodyCount> BodyDec{};  // apparent declination [degrees]
  double NutLon = 0;                         // nutation in longitude [degrees]
  double Obl = 0;                            // obliquity of the ecliptic [degrees]
  double SinObl = 0;                         // sin(Obl)
  double CosObl = 0;                         // cos(Obl)
  double SunLon = 0;                         // Sun's apparent ecliptic longitude [degrees]
  double SunDist = 0;                        // Sun's distance from the Earth [au]
  double MoonLon = 0;  // Moon's apparent ecliptic longitude [degrees, about 0..360]
  double MoonLat = 0;  // Moon's ecliptic latitude [degrees]
  std::array<HelioPlace, kBodyCount> Helio{};  // by body index; Sun and Moon stay 0

  // Given T; returns BodyRA, BodyDec, NutLon, Obl (and SinObl, CosObl, SunLon, SunDist,
  // MoonLon, MoonLat, Helio).
  // No parallax, no UT-to-TT correction: the places are geocentric for the instant T.
  // The corrected longitudes are not normalised again (they may lie just outside
  // 0..360); EclToEq accepts any longitude.
  void CalcPlanets();
};

// Given: a planet's heliocentric place, the Sun's geometric ecliptic longitude
// [degrees] and distance from the Earth [au]. Returned: the planet's geocentric
// ecliptic rectangular coordinates [au].
EclipticRect HelioToGeo(const HelioPlace& planet, double sun_lon, double sun_dist);

// Given: rectangular coordinates (any unit). Returned: longitude in [0, 360) and latitude.
// Notes: x = 0 gives 90 or 270 by the sign of y; a point on the z axis gives
// longitude 0 and latitude +-90 by the sign of z (0 at the origin). Finite
// inputs never give NaN.
EclipticPlace RectToSph(const EclipticRect& rect);

// Given: ecliptic longitude (any value) and latitude [degrees], and the sine and
// cosine of the obliquity. Returned: right ascension in [0, 24) and declination.
// Notes: its divisor, a product of two cosines of finite angles, is never
// exactly 0 in double precision, so no guard is needed.
EquatorialPlace EclToEq(const EclipticPlace& ecliptic, double sin_obl, double cos_obl);

}  // namespace astro
