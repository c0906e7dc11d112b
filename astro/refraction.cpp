#include "astro/refraction.h"

#include <cmath>

#include "astro/vector3.h"

namespace astro {

namespace {

constexpr double kFormulaLowestDeg = -1;  // Saemundsson's formula is used down to here

// Saemundsson's refraction for a true altitude [degrees]. Returned: [degrees].
double Saemundsson(double h) {
  return 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kRadiansPerDegree) / 60;
}

}  // namespace

double RefractionDeg(double true_altitude_deg) {
  if (true_altitude_deg >= kFormulaLowestDeg) {
    return std::fmax(0.0, Saemundsson(std::fmin(true_altitude_deg, 90.0)));
  }
  if (true_altitude_deg <= kRefractionEndDeg) return 0;
  return Saemundsson(kFormulaLowestDeg) * (true_altitude_deg - kRefractionEndDeg) /
         (kFormulaLowestDeg - kRefractionEndDeg);
}

}  // namespace astro
