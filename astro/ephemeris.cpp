#include "astro/ephemeris.h"

#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/series.h"
#include "astro/series_tables.h"

namespace astro {

namespace {

// Constant of annual aberration [degrees], divided by the Sun's distance [au].
constexpr double kAberration = 0.005693;

HelioPlace HeliocentricPlace(const PlanetSeries& series, double T) {
  return {NormaliseLongitude(SumSeries(series.longitude, T)), SumSeries(series.latitude, T),
          SumSeries(series.radius, T)};
}

// The apparent geocentric ecliptic place of a planet: seen from the Earth
// (with the Sun's geometric place), then moved by the aberration, the
// planet's light-time through K / r, and the nutation in longitude.
EclipticPlace ApparentPlace(const HelioPlace& planet, double K, double sun_lon, double sun_dist,
                            double nut_lon) {
  EclipticPlace place = RectToSph(HelioToGeo(planet, sun_lon, sun_dist));
  place.lon = place.lon - kAberration * std::cos(kRad * (place.lon - sun_lon)) -
              K * std::cos(kRad * (place.lon - planet.l)) / planet.r + nut_lon;
  return place;
}

}  // namespace

void Ephemeris::CalcPlanets() {
  // The Sun: geometric longitude and distance; its latitude is 0.
  const double sun_lon = NormaliseLongitude(SumSeries(kSunLongitude, T));  // [degrees]
  SunDist = SumSeries(kSunDistance, T);

  // The Moon: the mean longitude is reduced before the periodic terms are added.
  double moon_lon = NormaliseLongitude(SumSeries(kMoonMeanLongitude, T));
  moon_lon = NormaliseLongitude(SumSeries(kMoonLongitudeTerms, T, moon_lon));

  for (std::size_t i = 0; i < kPlanetSeries.size(); ++i) {
    Helio[kVenus + i] = HeliocentricPlace(kPlanetSeries[i], T);
  }

  // Mean obliquity; the nutation in obliquity is left out.
  Obl = 23.43929 - 0.01300417 * T;
  SinObl = std::sin(Obl * kRad);
  CosObl = std::cos(Obl * kRad);

  // Nutation in longitude [degrees]: the terms of the Moon's node and of twice
  // the Sun's mean longitude.
  NutLon = -0.00478 * std::sin(kRad * (125.04 - 1934.1361 * T)) -
           0.00037 * std::sin(kRad * (200.93 + 72001.539 * T));

  std::array<EclipticPlace, kBodyCount> ecliptic{};  // apparent, by body index
  for (std::size_t i = 0; i < kPlanetSeries.size(); ++i) {
    ecliptic[kVenus + i] =
        ApparentPlace(Helio[kVenus + i], kPlanetSeries[i].K, sun_lon, SunDist, NutLon);
  }
  SunLon = sun_lon - kAberration / SunDist + NutLon;
  MoonLon = moon_lon + NutLon;
  MoonLat = SumSeries(kMoonLatitude, T);
  ecliptic[kSun] = {SunLon, 0};
  ecliptic[kMoon] = {MoonLon, MoonLat};

  for (std::size_t b = 0; b < kBodyCount; ++b) {
    const EquatorialPlace place = EclToEq(ecliptic[b], SinObl, CosObl);
    BodyRA[b] = place.ra;
    BodyDec[b] = place.dec;
  }
}

EclipticRect HelioToGeo(const HelioPlace& planet, double sun_lon, double sun_dist) {
  return {planet.r * std::cos(kRad * planet.b) * std::cos(kRad * planet.l) +
              sun_dist * std::cos(kRad * sun_lon),
          planet.r * std::cos(kRad * planet.b) * std::sin(kRad * planet.l) +
              sun_dist * std::sin(kRad * sun_lon),
          planet.r * std::sin(kRad * planet.b)};
}

EclipticPlace RectToSph(const EclipticRect& rect) {
  // The longitude from -90 to 270, brought into [0, 360).
  const double u = AngleFromRatio(rect.y, rect.x) / 360 + 1;
  EclipticPlace place;
  place.lon = (u - Fix(u)) * 360;
  const double q = std::sqrt(rect.x * rect.x + rect.y * rect.y);
  if (q == 0) {
    place.lat = rect.z > 0 ? 90 : (rect.z < 0 ? -90 : 0);
  } else {
    place.lat = std::atan(rect.z / q) * kDeg;
  }
  return place;
}

EquatorialPlace EclToEq(const EclipticPlace& ecliptic, double sin_obl, double cos_obl) {
  const double cosLat = std::cos(kRad * ecliptic.lat);
  const double sinLat = std::sin(kRad * ecliptic.lat);
  const double cosLon = std::cos(kRad * ecliptic.lon);
  const double sinLon = std::sin(kRad * ecliptic.lon);
  const double x = cosLat * cosLon;
  const double y = cosLat * sinLon * cos_obl - sinLat * sin_obl;
  const double z = cosLat * sinLon * sin_obl + sinLat * cos_obl;

  // The right ascension from -90 to 270 degrees, brought into [0, 24) hours.
  const double u = AngleFromRatio(y, x) / 360 + 1;
  EquatorialPlace place;
  place.ra = (u - Fix(u)) * 24;
  const double q = std::sqrt(x * x + y * y);
  place.dec = std::atan(z / q) * kDeg;
  return place;
}

}  // namespace astro
