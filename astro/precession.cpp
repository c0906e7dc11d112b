#include "astro/precession.h"

#include "astro/nutation.h"
#include "astro/polynomial.h"

namespace astro {

Matrix3 PrecessionMatrix(double T) {
  // Capitaine et al. 2003, eq. 37 [arcseconds, powers of T from 0 to 5].
  constexpr double kEps0 = 84381.406;
  constexpr double kPsiA[] = {0, 5038.481507, -1.0790069, -0.00114045, 0.000132851, -0.0000000951};
  constexpr double kOmegaA[] = {kEps0,       -0.025754,    0.0512623,
                                -0.00772503, -0.000000467, 0.0000003337};
  constexpr double kChiA[] = {0, 10.556403, -2.3814292, -0.00121197, 0.000170663, -0.0000000560};
  const Matrix3 ecliptic_j2000 = RotationAboutX(kEps0 * kRadiansPerArcsec);
  const Matrix3 along_ecliptic = RotationAboutZ(-Polynomial(kPsiA, T) * kRadiansPerArcsec);
  const Matrix3 to_equator = RotationAboutX(-Polynomial(kOmegaA, T) * kRadiansPerArcsec);
  const Matrix3 along_equator = RotationAboutZ(Polynomial(kChiA, T) * kRadiansPerArcsec);
  return Compose(along_equator, Compose(to_equator, Compose(along_ecliptic, ecliptic_j2000)));
}

Matrix3 NutationMatrix(double T) {
  const Nutation nutation = NutationIau1980(T);
  const double mean_obliquity = MeanObliquityArcsec(T) * kRadiansPerArcsec;
  const double true_obliquity = mean_obliquity + nutation.obliquity_arcsec * kRadiansPerArcsec;
  return Compose(RotationAboutX(-true_obliquity),
                 Compose(RotationAboutZ(-nutation.longitude_arcsec * kRadiansPerArcsec),
                         RotationAboutX(mean_obliquity)));
}

}  // namespace astro
