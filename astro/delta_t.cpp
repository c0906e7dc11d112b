#include "astro/delta_t.h"

#include "astro/polynomial.h"

namespace astro {

namespace {

// One span of the Espenak and Meeus polynomials: from its first year (the
// previous span's end) up to `end_year`, Delta T = sum of c[i] u^i with
// u = (y - origin) / scale [seconds].
struct DeltaTSpan {
  double end_year;
  double origin, scale;
  double c[8];
};

// The published table, span by span; after 2150 the long-term parabola.
constexpr DeltaTSpan kSpans[] = {
    {500, 0, 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521}},
    {1600,
     1000,
     100,
     {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073}},
    {1700, 1600, 1, {120, -0.9808, -0.01532, 1.0 / 7129}},
    {1800, 1700, 1, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000}},
    {1860,
     1800,
     1,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
      0.000000000875}},
    {1900, 1860, 1, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174}},
    {1920, 1900, 1, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1941, 1920, 1, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1961, 1950, 1, {29.07, 0.407, -1.0 / 233, 1.0 / 2547}},
    {1986, 1975, 1, {45.45, 1.067, -1.0 / 260, -1.0 / 718}},
    {2005, 2000, 1, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2050, 2000, 1, {62.92, 0.32217, 0.005589}},
};

constexpr double kFirstSpanYear = -500;  // the table's start
constexpr double kBridgeEndYear = 2150;  // end of the bridge from 2050 to the parabola

// The long-term parabola (Morrison and Stephenson 2004) [seconds].
double LongTerm(double year) {
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

}  // namespace

double DeltaTSeconds(double year) {
  if (year < kFirstSpanYear) return LongTerm(year);
  for (const DeltaTSpan& span : kSpans) {
    if (year < span.end_year) return Polynomial(span.c, (year - span.origin) / span.scale);
  }
  if (year < kBridgeEndYear) return LongTerm(year) - 0.5628 * (kBridgeEndYear - year);
  return LongTerm(year);
}

double DecimalYear(double jd_ut) {
  return 2000 + (jd_ut - 2451544.5) / 365.25;
}

double TerrestrialCenturies(double jd_ut) {
  return (jd_ut + DeltaTSeconds(DecimalYear(jd_ut)) / 86400 - 2451545) / 36525;
}

}  // namespace astro
