// The Moon in its phase: the unlit part of its disc laid over it in dark grey,
// the lit part toward the Sun, the terminator an ellipse from the phase angle.

#include <array>
#include <cmath>
#include <numbers>

#include "astro/illumination.h"
#include "chart/sky_chart.h"

namespace chart {
namespace {

constexpr Colour kUnlitColour = RGB(70, 70, 70);  // neither the sky's nor the discs' colour
constexpr int kQuarterSteps = 12;                 // points of a quarter of the outline
constexpr double kTowardTheSun = 0.5;             // [degrees along the sky], to find its way

// The place a little way from `from` along the great circle toward `to`.
astro::HorizontalPlace Toward(const astro::HorizontalPlace& from,
                              const astro::HorizontalPlace& to) {
  constexpr double kRad = std::numbers::pi / 180;
  const auto unit = [&](const astro::HorizontalPlace& p) {
    return std::array<double, 3>{std::cos(p.altitude * kRad) * std::sin(p.azimuth * kRad),
                                 std::cos(p.altitude * kRad) * std::cos(p.azimuth * kRad),
                                 std::sin(p.altitude * kRad)};
  };
  const auto a = unit(from), b = unit(to);
  const double cosine = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  const double angle = std::acos(std::fmin(1.0, std::fmax(-1.0, cosine)));
  const double step = std::fmin(kTowardTheSun * kRad, angle / 2);
  std::array<double, 3> p{};
  for (std::size_t i = 0; i < 3; ++i) {
    p[i] = (std::sin(angle - step) * a[i] + std::sin(step) * b[i]) / std::sin(angle);
  }
  double azimuth = std::atan2(p[0], p[1]) / kRad;
  if (azimuth < 0) azimuth += 360;
  return {std::atan2(p[2], std::hypot(p[0], p[1])) / kRad, azimuth};
}

}  // namespace

void SkyChart::DrawPhase(const ViewProjection& projection, const astro::HorizontalPlace& moon,
                         const WindowPoint& centre, double radius) {
  const astro::HorizontalPlace sun{observation_.BodyAlt[astro::kSun],
                                   observation_.BodyAz[astro::kSun]};
  const auto toward = projection.ToWindow(Toward(moon, sun));
  if (!toward) return;
  double ux = toward->x - centre.x, uy = toward->y - centre.y;  // toward the Sun on the chart
  const double length = std::hypot(ux, uy);
  if (!(length > 0)) return;
  ux /= length;
  uy /= length;
  // Disc coordinates: x toward the Sun, y square to it; the limb away from
  // the Sun, then back along the terminator, x = -cos(i) * r * cos(phi).
  const double cos_phase = std::cos(astro::MoonIlluminationOf(observation_.ephemeris).phase_angle *
                                    std::numbers::pi / 180);
  std::array<PointF, 4 * kQuarterSteps + 2> outline{};
  std::size_t n = 0;
  const auto add = [&](double x, double y) {
    outline[n++] = {static_cast<float>(centre.x + radius * (x * ux - y * uy)),
                    static_cast<float>(centre.y + radius * (x * uy + y * ux))};
  };
  for (int k = 0; k <= 2 * kQuarterSteps; ++k) {  // phi from 90 to 270 degrees: the dark limb
    const double phi = std::numbers::pi / 2 * (1 + static_cast<double>(k) / kQuarterSteps);
    add(std::cos(phi), std::sin(phi));
  }
  for (int k = 0; k <= 2 * kQuarterSteps; ++k) {  // phi from -90 to 90 degrees: the terminator
    const double phi = std::numbers::pi / 2 * (static_cast<double>(k) / kQuarterSteps - 1);
    add(-cos_phase * std::cos(phi), std::sin(phi));
  }
  surface_.CurrentLayer = Layer::kPhases;
  surface_.FillColor = kUnlitColour;
  surface_.Polygon(outline);
}

}  // namespace chart
