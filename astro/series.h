#pragma once

#include <span>

namespace astro {

// The power of T that multiplies a series row's coefficient.
enum SeriesFactor { kTimes1, kTimesT, kTimesTT };

// One row of a trigonometric series in T (Julian centuries from J2000.0).
// A row with a cosine adds A*cos(x) or A*T*cos(x), x = (k*T + p) in degrees;
// a row without adds A, A*T or A*T*T. A is in the series' unit.
struct SeriesRow {
  double A;             // coefficient [degrees or au]
  SeriesFactor factor;  // 1, T or T*T
  bool hasCosine;
  double k;  // rate [degrees per century]
  double p;  // phase [degrees]

  constexpr SeriesRow(double a, SeriesFactor f) : A(a), factor(f), hasCosine(false), k(0), p(0) {}
  constexpr SeriesRow(double a, SeriesFactor f, double rate, double phase)
      : A(a), factor(f), hasCosine(true), k(rate), p(phase) {}
};

// Sum of a series.
// Given:    rows  the series, summed in the order given
//           T     Julian centuries from JD 2451545.0
//           sum   the value the rows are added to (0 for a series of its own)
// Returned: sum + row 1 + row 2 + ..., added one row at a time left to right.
// Notes:    products are formed left to right ((A*T)*T, (A*T)*cos(x)) and x is
//           turned into radians with the factor 0.017453292519943.
double SumSeries(std::span<const SeriesRow> rows, double T, double sum = 0);

}  // namespace astro
