#pragma once

namespace astro {

// Given: a year with its fraction, y = year + (month - 0.5) / 12 for the middle
// of a month (2000.0 is the start of 2000), any value.
// Returned: Delta T = TT - UT [seconds], from the polynomials of Espenak and
// Meeus (Five Millennium Canon of Solar Eclipses, NASA TP-2006-214141, 2006),
// the same that Astronomy Engine uses: observed values from 1600 to 2005,
// extrapolations before and after; the parabola -20 + 32 u^2, u = (y - 1820)/100,
// outside -500..2150.
double DeltaTSeconds(double year);

// Given: a Julian day in Universal Time.
// Returned: the year with its fraction of that instant, for DeltaTSeconds:
// 2000 + (jd_ut - 2451544.5) / 365.25.
double DecimalYear(double jd_ut);

// Given: a Julian day in Universal Time.
// Returned: T, Julian centuries of Terrestrial Time from J2000.0:
// (jd_ut + Delta T / 86400 - 2451545) / 36525.
double TerrestrialCenturies(double jd_ut);

}  // namespace astro
