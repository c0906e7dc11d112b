#pragma once

namespace astro {

// Given: the true (airless) altitude of an object [degrees, -90..90].
// Returned: the atmospheric refraction to add to it for the apparent altitude
// [degrees, 0 or more], for a standard atmosphere (1010 hPa, 10 degrees C).
// Notes: Saemundsson's formula (Sky and Telescope 72, 70, 1986; Meeus,
// Astronomical Algorithms, eq. 16.4), R = 1.02' / tan(h + 10.3 / (h + 5.11)),
// down to a true altitude of -1 degree, where it reaches 0.65 degree; below
// that it falls linearly to 0 at kRefractionEndDeg and stays 0, so that the
// apparent altitude keeps rising with the true one and never blows up.
double RefractionDeg(double true_altitude_deg);

inline constexpr double kRefractionEndDeg = -5;  // true altitude below which refraction is 0
}  // namespace astro
