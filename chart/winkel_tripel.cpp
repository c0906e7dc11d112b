#include "chart/winkel_tripel.h"

#include <cmath>

#include "astro/angles.h"

namespace chart {

namespace {

// pi/2 to 14 significant digits, like the angle factors of astro/angles.h: the
// drawn places depend on it to the last bit, so full precision must not replace it.
constexpr double kHalfPi = 1.5707963267949;
constexpr double kStandardParallel = 1.04719755119658;  // 60 degrees [radians]

// Guards of the view projection. Where the cosine of the distance is exactly 1
// the distance is 0 and the minimum-distance guard gives up as well, so the
// extra check on it changes nothing here.
constexpr WinkelGuards kViewGuards{0.0001, 0.000001, false};

}  // namespace

double ArcCosDegrees(double v) {
  if (v >= 1) return 0;
  return (kHalfPi - std::atan(v / std::sqrt(1 - v * v))) * astro::kDeg;
}

std::optional<ChartPoint> WinkelTripel(double altitude, double delta, const WinkelGuards& guards) {
  // Half-width: the offset keeps the square roots below from vanishing at the centre.
  const double w = std::fabs(delta) - guards.half_width_offset;
  const double b = std::cos(altitude * astro::kRad) * std::cos(w / 2 * astro::kRad);
  if (1 - b * b == 0) return std::nullopt;
  // Angular distance from the centre point with the azimuth difference halved [degrees].
  const double c = ArcCosDegrees(b);
  if (std::fabs(c) < guards.min_distance) return std::nullopt;
  const double d = std::sin(altitude * astro::kRad) / std::sin(c * astro::kRad);
  if (1 - d * d == 0 || std::fabs(d) > 1) return std::nullopt;
  if (guards.skip_level_point && d == 0) return std::nullopt;
  const double e = ArcCosDegrees(d);
  ChartPoint point;
  point.x = (std::cos(kStandardParallel) * w + 2 * c * std::sin(e * astro::kRad)) / 2;
  if (delta < 0) point.x = -point.x;
  point.y = (altitude + c * d) / 2;
  // A place that is not a number (from an input that is not) must never reach
  // the drawing surface: treat it like the other places without a result.
  if (!std::isfinite(point.x) || !std::isfinite(point.y)) return std::nullopt;
  return point;
}

std::optional<ChartPoint> PlotInView(double altitude, double azimuth, double centre_azimuth) {
  // Azimuth difference from the view centre, brought into -180..180 [degrees].
  double delta = azimuth - centre_azimuth;
  if (delta > 180) delta -= 360;
  if (delta < -180) delta += 360;
  return WinkelTripel(altitude, delta, kViewGuards);
}

}  // namespace chart
