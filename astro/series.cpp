#include "astro/series.h"

#include <cmath>

#include "astro/angles.h"

namespace astro {

double SumSeries(std::span<const SeriesRow> rows, double T, double sum) {
  for (const SeriesRow& row : rows) {
    double term = row.A;
    if (row.factor != kTimes1) {
      term = term * T;
    }
    if (row.factor == kTimesTT) {
      term = term * T;
    }
    if (row.hasCosine) {
      const double x = (row.k * T + row.p) * kRad;
      term = term * std::cos(x);
    }
    sum = sum + term;
  }
  return sum;
}

}  // namespace astro
