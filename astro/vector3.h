#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "astro/ephemeris.h"

namespace astro {

// A direction or displacement in rectangular equatorial (or ecliptic)
// coordinates: x toward the equinox, z toward the north pole.
using Vector3 = std::array<double, 3>;

// A rotation between two such frames; row i gives the new axis i in the old frame.
using Matrix3 = std::array<Vector3, 3>;

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
inline constexpr double kRadiansPerArcsec = kRadiansPerDegree / 3600;

// Given: a rotation and a vector. Returned: the vector in the rotated frame.
inline Vector3 Rotate(const Matrix3& m, const Vector3& v) {
  Vector3 out{};
  for (std::size_t i = 0; i < 3; ++i) out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  return out;
}

// Given: two rotations. Returned: the rotation that applies b first, then a.
inline Matrix3 Compose(const Matrix3& a, const Matrix3& b) {
  Matrix3 out{};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j)
      out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
  }
  return out;
}

// Given: an angle [radians]. Returned: the rotation of the frame by that angle
// about its x axis (R1 of the IAU conventions) or its z axis (R3).
inline Matrix3 RotationAboutX(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {{{1, 0, 0}, {0, c, s}, {0, -s, c}}};
}
inline Matrix3 RotationAboutZ(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}};
}

// Given: right ascension [hours] and declination [degrees]. Returned: the unit vector.
inline Vector3 UnitVector(double ra_hours, double dec_deg) {
  const double a = ra_hours * 15 * kRadiansPerDegree, d = dec_deg * kRadiansPerDegree;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// Given: a non-zero vector. Returned: its direction as right ascension in
// [0, 24) [hours] and declination [degrees]; at a pole the right ascension is 0.
inline EquatorialPlace PlaceOfVector(const Vector3& v) {
  double ra_hours = std::atan2(v[1], v[0]) / kRadiansPerDegree / 15;
  if (ra_hours < 0) ra_hours += 24;
  if (ra_hours >= 24) ra_hours = 0;
  const double dec_deg = std::atan2(v[2], std::hypot(v[0], v[1])) / kRadiansPerDegree;
  return {ra_hours, dec_deg};
}

}  // namespace astro
