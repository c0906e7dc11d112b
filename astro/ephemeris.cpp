#include "astro/ephemeris.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/series.h"
#include "astro/series_tables.h"

namespace astro {

namespace {

// Constant of annual aberration [degrees], divided by the Sun's distance [au].
constexpr double kAberration = 0.005693;

}  // namespace

void Ephemeris::CalcPlanets() {
  // The Sun: geometric longitude and distance; its latitude is 0.
  SunLon = NormaliseLongitude(SumSeries(kSunLongitude, T));
  SunDist = SumSeries(kSunDistance, T);

  // The Moon: the mean longitude is reduced before the periodic terms are added.
  double moonLon = NormaliseLongitude(SumSeries(kMoonMeanLongitude, T));
  moonLon = NormaliseLongitude(SumSeries(kMoonLongitudeTerms, T, moonLon));
  const double moonLat = SumSeries(kMoonLatitude, T);

  for (int i = 0; i < 4; ++i) {
    const PlanetSeries& series = kPlanetSeries[static_cast<std::size_t>(i)];
    HelioPlace& place = Helio[static_cast<std::size_t>(kVenus + i)];
    place.l = NormaliseLongitude(SumSeries(series.longitude, T));
    place.b = SumSeries(series.latitude, T);
    place.r = SumSeries(series.radius, T);
  }

  // Mean obliquity; the nutation in obliquity is left out.
  Obl = 23.43929 - 0.01300417 * T;
  SinObl = std::sin(Obl * kRad);
  CosObl = std::cos(Obl * kRad);

  // Geocentric places of the planets, with the geometric Sun.
  std::array<double, kBodyCount> geoX{}, geoY{}, geoZ{};  // [au]
  for (int body = kVenus; body <= kSaturn; ++body) {
    const std::size_t b = static_cast<std::size_t>(body);
    HelioL = Helio[b].l;
    HelioB = Helio[b].b;
    HelioR = Helio[b].r;
    HelioToGeo();
    geoX[b] = GeoX;
    geoY[b] = GeoY;
    geoZ[b] = GeoZ;
  }
  std::array<double, kBodyCount> lon{}, lat{};  // ecliptic [degrees], by body index
  for (int body = kVenus; body <= kSaturn; ++body) {
    const std::size_t b = static_cast<std::size_t>(body);
    RectX = geoX[b];
    RectY = geoY[b];
    RectZ = geoZ[b];
    RectToSph();
    lon[b] = EclLon;
    lat[b] = EclLat;
  }

  // Nutation in longitude [degrees]: the terms of the Moon's node and of twice
  // the Sun's mean longitude.
  NutLon = -0.00478 * std::sin(kRad * (125.04 - 1934.1361 * T)) -
           0.00037 * std::sin(kRad * (200.93 + 72001.539 * T));

  // Aberration (with the planets' light-time through K / r) and nutation.
  for (int body = kVenus; body <= kSaturn; ++body) {
    const std::size_t b = static_cast<std::size_t>(body);
    const double K = kPlanetSeries[b - kVenus].K;
    lon[b] = lon[b] - kAberration * std::cos(kRad * (lon[b] - SunLon)) -
             K * std::cos(kRad * (lon[b] - Helio[b].l)) / Helio[b].r + NutLon;
  }
  SunLon = SunLon - kAberration / SunDist + NutLon;
  MoonLon = moonLon + NutLon;
  MoonLat = moonLat;
  lon[kSun] = SunLon;
  lat[kSun] = 0;
  lon[kMoon] = MoonLon;
  lat[kMoon] = MoonLat;

  for (std::size_t b = 0; b < kBodyCount; ++b) {
    EclLon = lon[b];
    EclLat = lat[b];
    EclToEq();
    BodyRA[b] = EqRA;
    BodyDec[b] = EqDec;
  }
}

void Ephemeris::HelioToGeo() {
  GeoX = HelioR * std::cos(kRad * HelioB) * std::cos(kRad * HelioL) +
         SunDist * std::cos(kRad * SunLon);
  GeoY = HelioR * std::cos(kRad * HelioB) * std::sin(kRad * HelioL) +
         SunDist * std::sin(kRad * SunLon);
  GeoZ = HelioR * std::sin(kRad * HelioB);
}

void Ephemeris::RectToSph() {
  double a = 0;  // longitude [degrees, -90..270]
  if (RectX == 0) {
    // On the y axis (or the z axis, where the longitude is undefined and 0 is taken).
    a = RectY > 0 ? 90 : (RectY < 0 ? -90 : 0);
  } else {
    a = std::atan(RectY / RectX) * kDeg;
    if (RectX < 0) {
      a = a + 180;
    }
  }
  const double u = a / 360 + 1;
  EclLon = (u - Fix(u)) * 360;

  const double q = std::sqrt(RectX * RectX + RectY * RectY);
  if (q == 0) {
    EclLat = RectZ > 0 ? 90 : (RectZ < 0 ? -90 : 0);
  } else {
    EclLat = std::atan(RectZ / q) * kDeg;
  }
}

void Ephemeris::EclToEq() {
  const double cosLat = std::cos(kRad * EclLat);
  const double sinLat = std::sin(kRad * EclLat);
  const double cosLon = std::cos(kRad * EclLon);
  const double sinLon = std::sin(kRad * EclLon);
  const double x = cosLat * cosLon;
  const double y = cosLat * sinLon * CosObl - sinLat * SinObl;
  const double z = cosLat * sinLon * SinObl + sinLat * CosObl;

  double a = std::atan(y / x) * kDeg;  // [degrees, -90..270]
  if (x < 0) {
    a = a + 180;
  }
  const double u = a / 360 + 1;
  EqRA = (u - Fix(u)) * 24;

  const double q = std::sqrt(x * x + y * y);
  EqDec = std::atan(z / q) * kDeg;
}

}  // namespace astro
