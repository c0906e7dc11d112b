#include "astro/star_place.h"

#include <cmath>

#include "astro/nutation.h"
#include "astro/polynomial.h"
#include "astro/precession.h"
#include "astro/vector3.h"

namespace astro {

namespace {

constexpr double kRadiansPerMas = kRadiansPerArcsec / 1000;
constexpr double kAberrationConstant = 20.49552 * kRadiansPerArcsec;  // kappa, v/c [radians]

// The star's direction at the epoch, J2000 frame: the catalogue direction plus
// the proper motion's displacement along the east and north unit vectors.
Vector3 DirectionAtEpoch(const CatalogueStar& star, double T) {
  const double a = star.ra_hours * 15 * kRadiansPerDegree, d = star.dec_deg * kRadiansPerDegree;
  const Vector3 p = UnitVector(star.ra_hours, star.dec_deg);
  const Vector3 east{-std::sin(a), std::cos(a), 0};
  const Vector3 north{-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};
  const double years = T * 100;
  const double east_rad = star.pm_ra_mas_per_year * kRadiansPerMas * years;
  const double north_rad = star.pm_dec_mas_per_year * kRadiansPerMas * years;
  return {p[0] + east_rad * east[0] + north_rad * north[0],
          p[1] + east_rad * east[1] + north_rad * north[1],
          p[2] + east_rad * east[2] + north_rad * north[2]};
}

// The Earth's heliocentric velocity over the speed of light, in the mean
// ecliptic and equinox of date (Meeus, Astronomical Algorithms, ch. 23 and 25).
Vector3 EarthVelocityOverLightSpeed(double T) {
  constexpr double kMeanLongitude[] = {280.46646, 36000.76983, 0.0003032};  // [degrees]
  constexpr double kMeanAnomaly[] = {357.52911, 35999.05029, -0.0001537};   // [degrees]
  constexpr double kEccentricity[] = {0.016708634, -0.000042037, -0.0000001267};
  constexpr double kPerihelion[] = {102.93735, 1.71946, 0.00046};  // Earth's [degrees]
  const double m = Polynomial(kMeanAnomaly, T) * kRadiansPerDegree;
  const double centre = (1.914602 - 0.004817 * T - 0.000014 * T * T) * std::sin(m) +
                        (0.019993 - 0.000101 * T) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  const double sun = (Polynomial(kMeanLongitude, T) + centre) * kRadiansPerDegree;
  const double e = Polynomial(kEccentricity, T);
  const double perihelion = Polynomial(kPerihelion, T) * kRadiansPerDegree;
  return {kAberrationConstant * (std::sin(sun) - e * std::sin(perihelion)),
          kAberrationConstant * (-std::cos(sun) + e * std::cos(perihelion)), 0};
}

}  // namespace

EquatorialPlace StarPlaceAtEpoch(const CatalogueStar& star, double T) {
  return PlaceOfVector(DirectionAtEpoch(star, T));
}

StarReduction::StarReduction(double T)
    : T_(T),
      precession_(PrecessionMatrix(T)),
      nutation_(NutationMatrix(T)),
      velocity_(Rotate(RotationAboutX(-MeanObliquityArcsec(T) * kRadiansPerArcsec),
                       EarthVelocityOverLightSpeed(T))) {}

EquatorialPlace StarReduction::Apparent(const CatalogueStar& star) const {
  const Vector3 moved = DirectionAtEpoch(star, T_);
  const double norm = std::sqrt(moved[0] * moved[0] + moved[1] * moved[1] + moved[2] * moved[2]);
  const Vector3 mean = Rotate(precession_, {moved[0] / norm, moved[1] / norm, moved[2] / norm});
  const Vector3 aberrated{mean[0] + velocity_[0], mean[1] + velocity_[1], mean[2] + velocity_[2]};
  return PlaceOfVector(Rotate(nutation_, aberrated));
}

EquatorialPlace ApparentStarPlace(const CatalogueStar& star, double T) {
  return StarReduction(T).Apparent(star);
}

}  // namespace astro
