#include "astro/topocentric.h"

#include <cmath>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/series.h"
#include "astro/series_tables.h"

namespace astro {

namespace {

// One periodic term of the Moon's distance: the multiples of the mean
// elongation D, the Sun's mean anomaly M, the Moon's mean anomaly M' and its
// argument of latitude F, and the coefficient of the cosine.
struct DistanceTerm {
  int D, M, Mp, F;
  double coefficient;  // [0.001 km]
};

// Meeus, Astronomical Algorithms (2nd ed.), table 47.A, column Sigma r: the rows
// of 10 km or more, in the table's order.
constexpr DistanceTerm kMoonDistanceTerms[] = {
    {0, 0, 1, 0, -20905355}, {2, 0, -1, 0, -3699111}, {2, 0, 0, 0, -2955968},
    {0, 0, 2, 0, -569925},   {0, 1, 0, 0, 48888},     {2, 0, -2, 0, 246158},
    {2, -1, -1, 0, -152138}, {2, 0, 1, 0, -170733},   {2, -1, 0, 0, -204586},
    {0, 1, -1, 0, -129620},  {1, 0, 0, 0, 108743},    {0, 1, 1, 0, 104755},
    {2, 0, 0, -2, 10321},    {0, 0, 1, -2, 79661},    {4, 0, -1, 0, -34782},
    {0, 0, 3, 0, -23210},    {4, 0, -2, 0, -21636},   {2, 1, -1, 0, 24208},
    {2, 1, 0, 0, 30824},     {1, 1, 0, 0, -16675},    {2, -1, 1, 0, -12831},
    {2, 0, 2, 0, -10445},    {4, 0, 0, 0, -11650},    {2, 0, -3, 0, 14403},
    {2, -1, -2, 0, 10056},
};

constexpr double kMoonMeanDistanceKm = 385000.56;  // the series' constant term (Meeus ch. 47) [km]

// Flattening of the Earth as the ratio of the polar to the equatorial radius
// (Meeus ch. 11, f = 1/298.257).
constexpr double kPolarToEquatorial = 0.99664719;

}  // namespace

double MoonDistanceEarthRadii(double T) {
  // Meeus (47.2) to (47.6), without the cubic and quartic terms (below
  // 0.00002 degrees from 1900 to 2100) [degrees].
  const double D = 297.8501921 + 445267.1114034 * T - 0.0018819 * T * T;
  const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T * T;
  const double Mp = 134.9633964 + 477198.8675055 * T + 0.0087414 * T * T;
  const double F = 93.2720950 + 483202.0175233 * T - 0.0036539 * T * T;
  // The decreasing eccentricity of the Earth's orbit scales the terms in M (47.6).
  const double E = 1 - 0.002516 * T - 0.0000074 * T * T;
  double sum = 0;  // [0.001 km]
  for (const DistanceTerm& term : kMoonDistanceTerms) {
    const double argument = term.D * D + term.M * M + term.Mp * Mp + term.F * F;
    double value = term.coefficient * std::cos(argument * kRad);
    for (int i = 0; i < std::abs(term.M); ++i) value = value * E;
    sum = sum + value;
  }
  return (kMoonMeanDistanceKm + sum / 1000) / kEarthRadiusKm;
}

double GeocentricDistanceEarthRadii(const Ephemeris& ephemeris, Body body) {
  if (body == kSun) return ephemeris.SunDist * kEarthRadiiPerAu;
  if (body == kMoon) return MoonDistanceEarthRadii(ephemeris.T);
  // The planet is put where CalcPlanets puts it: from the Sun's geometric longitude.
  const double sun_lon = NormaliseLongitude(SumSeries(kSunLongitude, ephemeris.T));
  const EclipticRect geo = HelioToGeo(ephemeris.Helio[body], sun_lon, ephemeris.SunDist);
  return std::sqrt(geo.x * geo.x + geo.y * geo.y + geo.z * geo.z) * kEarthRadiiPerAu;
}

TopocentricPlace ToTopocentric(const EquatorialPlace& geocentric, double distance, double latitude,
                               double longitude, double sidereal_time) {
  // The site's geocentric place in Earth radii (Meeus 11): rho cos phi', rho sin phi'.
  const double u = std::atan(kPolarToEquatorial * std::tan(latitude * kRad));
  const double rho_cos = std::cos(u);
  const double rho_sin = kPolarToEquatorial * std::sin(u);

  // Both vectors in the frame of the site's meridian: x toward hour angle 0 on the
  // equator, y toward hour angle 90 degrees (west), z toward the north pole.
  const double H = ((sidereal_time - geocentric.ra) * 15 + longitude) * kRad;  // [radians]
  const double dec = geocentric.dec * kRad;
  const double x = distance * std::cos(dec) * std::cos(H) - rho_cos;
  const double y = distance * std::cos(dec) * std::sin(H);
  const double z = distance * std::sin(dec) - rho_sin;

  TopocentricPlace place;
  const double shift_hours = (std::atan2(y, x) - H) * kDeg / 15;  // H' - H
  const double ra = (geocentric.ra - shift_hours) / 24;
  place.ra = (ra - std::floor(ra)) * 24;
  place.dec = std::atan2(z, std::sqrt(x * x + y * y)) * kDeg;
  place.distance = std::sqrt(x * x + y * y + z * z);
  return place;
}

double SemidiameterDegrees(double radius, double distance) {
  return std::asin(radius / distance) * kDeg;
}

}  // namespace astro
