#pragma once

#include <cstddef>

namespace astro {

// Given: a polynomial's coefficients from the constant term up, and x.
// Returned: c[0] + c[1] x + c[2] x^2 + ..., by Horner's rule.
template <std::size_t N>
constexpr double Polynomial(const double (&c)[N], double x) {
  double sum = 0;
  for (std::size_t i = N; i > 0; --i) sum = sum * x + c[i - 1];
  return sum;
}

}  // namespace astro
