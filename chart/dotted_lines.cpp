// The dotted ecliptic and celestial equator.

#include <cmath>

#include "astro/angles.h"
#include "chart/sky_chart.h"

namespace chart {
namespace {

// Obliquity of the ecliptic fixed for the dotted line: sine and cosine of 23.44 degrees.
constexpr double kCosObliquity = 0.91748;
constexpr double kSinObliquity = 0.39777;

}  // namespace

void SkyChart::DrawEclipticAndEquator(const ViewProjection& projection) {
  const Colour ecliptic_colour = SunNow().EclipticColour();
  const auto dot = [&](Layer layer, bool wanted, const astro::HorizontalPlace& place,
                       Colour colour) {
    if (!wanted || !(place.altitude >= 0)) return;
    if (const auto point = projection.ToWindow(place)) {
      surface_.CurrentLayer = layer;
      surface_.PSet(static_cast<float>(point->x), static_cast<float>(point->y), colour);
    }
  };
  // One dot per degree of ecliptic longitude (more when magnified); the last
  // repeats the first.
  const int per_degree = DotsPerDegree();
  for (int i = 0; i <= 360 * per_degree; ++i) {
    const double longitude = static_cast<double>(i) / per_degree;  // [degrees]
    const double s = std::sin(longitude * astro::kRad);
    const double c = std::cos(longitude * astro::kRad);
    // The ecliptic point as an equatorial unit vector.
    const double y = s * kCosObliquity;
    const double x = c;
    const double z = s * kSinObliquity;
    double a = astro::AngleFromRatio(y, x);  // right ascension [degrees]
    if (a < 0) a += 360;
    const double ra = a / 15;  // [hours]
    const double dec = std::atan(z / std::sqrt(1 - z * z)) * astro::kDeg;
    dot(Layer::kEcliptic, Options.Has(Option::kEcliptic), SkyPlace(ra, dec), ecliptic_colour);
    // The equator point at the same right ascension.
    dot(Layer::kEquator, Options.Has(Option::kEquator), SkyPlace(ra, 0), DayNight::kEquatorColour);
  }
}

}  // namespace chart
