#pragma once

#include <array>

namespace astro {

// Body index of every per-body table.
enum Body { kSun = 0, kMoon = 1, kVenus = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };
inline constexpr int kBodyCount = 6;

// Apparent geocentric places of the Sun, Moon, Venus, Mars, Jupiter and Saturn
// from short trigonometric series, with the three coordinate conversions they
// use. All members are shared between the procedures: a caller sets the inputs,
// calls the procedure and copies the outputs before the next call.
struct Ephemeris {
  double T = 0;  // in: Julian centuries (UT) from JD 2451545.0

  std::array<double, kBodyCount> BodyRA{};   // apparent right ascension [hours, 0..24)
  std::array<double, kBodyCount> BodyDec{};  // apparent declination [degrees]
  double NutLon = 0;                         // nutation in longitude [degrees]
  double Obl = 0;                            // obliquity of the ecliptic [degrees]
  double SinObl = 0;                         // sin(Obl)
  double CosObl = 0;                         // cos(Obl)
  double SunLon = 0;   // Sun's ecliptic longitude [degrees]: geometric, apparent after aberration
  double SunDist = 0;  // Sun's distance from the Earth [au]
  double MoonLon = 0;  // Moon's apparent ecliptic longitude [degrees, about 0..360]
  double MoonLat = 0;  // Moon's ecliptic latitude [degrees]

  // Heliocentric place of a planet from its series.
  struct HelioPlace {
    double l = 0;  // ecliptic longitude [degrees, 0..360)
    double b = 0;  // ecliptic latitude [degrees]
    double r = 0;  // distance from the Sun [au]
  };
  std::array<HelioPlace, kBodyCount> Helio{};  // by body index; Sun and Moon stay 0

  // Working variables of the conversions.
  double HelioL = 0;                       // heliocentric ecliptic longitude [degrees]
  double HelioB = 0;                       // heliocentric ecliptic latitude [degrees]
  double HelioR = 0;                       // distance from the Sun [au]
  double GeoX = 0, GeoY = 0, GeoZ = 0;     // geocentric ecliptic rectangular [au]
  double RectX = 0, RectY = 0, RectZ = 0;  // rectangular input of RectToSph [any unit]
  double EclLon = 0;                       // ecliptic longitude [degrees]
  double EclLat = 0;                       // ecliptic latitude [degrees]
  double EqRA = 0;                         // right ascension [hours, 0..24)
  double EqDec = 0;                        // declination [degrees]

  // Given T; returns BodyRA, BodyDec, NutLon, Obl (and SinObl, CosObl, SunLon, SunDist,
  // MoonLon, MoonLat, Helio).
  // No parallax, no UT-to-TT correction: the places are geocentric for the instant T.
  // The corrected longitudes are not normalised again (they may lie just outside
  // 0..360); EclToEq accepts any longitude.
  void CalcPlanets();
  // Given HelioL, HelioB, HelioR, SunLon, SunDist; returns GeoX, GeoY, GeoZ.
  void HelioToGeo();
  // Given RectX, RectY, RectZ; returns EclLon in [0, 360) and EclLat.
  // Notes: RectX = 0 gives 90 or 270 by the sign of RectY; a point on the
  // z axis gives longitude 0 and latitude +-90 by the sign of RectZ (0 at the
  // origin). Finite inputs never give NaN.
  void RectToSph();
  // Given EclLon (any value), EclLat, SinObl, CosObl; returns EqRA in [0, 24) and EqDec.
  // Notes: its divisor, a product of two cosines of finite angles, is never
  // exactly 0 in double precision, so no guard is needed.
  void EclToEq();
};

}  // namespace astro
