#include "astro/nutation.h"

#include <cmath>

#include "astro/polynomial.h"
#include "astro/vector3.h"

namespace astro {
namespace {

// One term of the IAU 1980 nutation: the multiples of the Moon's mean
// elongation D, the Sun's mean anomaly M, the Moon's mean anomaly M', its
// argument of latitude F and the longitude of its ascending node Omega, and
// the coefficients of sin (longitude) and cos (obliquity) [0.0001 arcsec, and
// per Julian century].
struct NutationTerm {
  int d, m, m_moon, f, omega;
  double psi, psi_t;
  double eps, eps_t;
};

// The terms of 0.01" or more in longitude, in the order of the published
// table (Seidelmann 1982; Meeus, Astronomical Algorithms, table 22.A).
constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
};

}  // namespace

Nutation NutationIau1980(double T) {
  // Fundamental arguments [degrees] (Meeus, Astronomical Algorithms, ch. 22).
  constexpr double kD[] = {297.85036, 445267.111480, -0.0019142, 1.0 / 189474};
  constexpr double kM[] = {357.52772, 35999.050340, -0.0001603, -1.0 / 300000};
  constexpr double kMMoon[] = {134.96298, 477198.867398, 0.0086972, 1.0 / 56250};
  constexpr double kF[] = {93.27191, 483202.017538, -0.0036825, 1.0 / 327270};
  constexpr double kOmega[] = {125.04452, -1934.136261, 0.0020708, 1.0 / 450000};
  const double d = Polynomial(kD, T), m = Polynomial(kM, T), m_moon = Polynomial(kMMoon, T);
  const double f = Polynomial(kF, T), omega = Polynomial(kOmega, T);

  Nutation nutation{0, 0};
  for (const NutationTerm& term : kTerms) {
    const double argument =
        (term.d * d + term.m * m + term.m_moon * m_moon + term.f * f + term.omega * omega) *
        kRadiansPerDegree;
    nutation.longitude_arcsec += (term.psi + term.psi_t * T) * 1e-4 * std::sin(argument);
    nutation.obliquity_arcsec += (term.eps + term.eps_t * T) * 1e-4 * std::cos(argument);
  }
  return nutation;
}

double MeanObliquityArcsec(double T) {
  constexpr double kObliquity[] = {84381.406,  -46.836769,   -0.0001831,
                                   0.00200340, -0.000000576, -0.0000000434};
  return Polynomial(kObliquity, T);
}

}  // namespace astro
