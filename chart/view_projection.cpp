#include "chart/view_projection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace chart {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kStandardParallelCos = 0.5;  // cos 60 degrees
constexpr double kViewHalfWidthGuard =
    0.0001;  // taken off |azimuth offset| by PlotInView [degrees]

// A direction on the horizontal sphere: x toward the east, y toward the north,
// z toward the zenith.
struct Direction {
  double x, y, z;
};

Direction DirectionOf(const astro::HorizontalPlace& place) {
  const double alt = place.altitude * kRadiansPerDegree;
  const double az = place.azimuth * kRadiansPerDegree;
  return {std::cos(alt) * std::sin(az), std::cos(alt) * std::cos(az), std::sin(alt)};
}

astro::HorizontalPlace PlaceOf(const Direction& d) {
  double azimuth = std::atan2(d.x, d.y) / kRadiansPerDegree;
  if (azimuth < 0) azimuth += 360;
  return {std::atan2(d.z, std::hypot(d.x, d.y)) / kRadiansPerDegree, azimuth};
}

double Dot(const Direction& a, const Direction& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The great circle from a to b: the direction a fraction t of the way along.
class Arc {
 public:
  Arc(const Direction& a, const Direction& b)
      : a_(a), b_(b), angle_(std::acos(std::fmin(1.0, std::fmax(-1.0, Dot(a, b))))) {}

  double Angle() const { return angle_; }  // [radians]
  Direction At(double t) const {
    const double s = std::sin(angle_);
    const double wa = std::sin((1 - t) * angle_) / s;
    const double wb = std::sin(t * angle_) / s;
    return {wa * a_.x + wb * b_.x, wa * a_.y + wb * b_.y, wa * a_.z + wb * b_.z};
  }
  // Given: a component of direction along `axis`, of opposite signs at the two
  // ends. Returned: where along the arc it is 0. Along an arc shorter than a
  // half circle it is a sinusoid that passes 0 once.
  double Crossing(const Direction& axis) const {
    double low = 0, high = 1;
    const bool rising = Dot(a_, axis) < 0;
    for (int step = 0; step < 50; ++step) {
      const double middle = (low + high) / 2;
      ((Dot(At(middle), axis) < 0) == rising ? low : high) = middle;
    }
    return (low + high) / 2;
  }

 private:
  Direction a_, b_;
  double angle_;
};

// The unguarded Winkel tripel projection in degrees of chart, for the inverse.
ChartPoint WinkelForward(double altitude_rad, double delta_rad) {
  const double alpha = std::acos(std::cos(altitude_rad) * std::cos(delta_rad / 2));
  const double ratio = alpha < 1e-12 ? 1 : alpha / std::sin(alpha);  // alpha / sin(alpha)
  const double x = (delta_rad * kStandardParallelCos +
                    2 * std::cos(altitude_rad) * std::sin(delta_rad / 2) * ratio) /
                   2;
  const double y = (altitude_rad + std::sin(altitude_rad) * ratio) / 2;
  return {x / kRadiansPerDegree, y / kRadiansPerDegree};
}

// A piece closer to its curve than this is drawn straight [twips]: half a
// window pixel.
constexpr double kFlatness = 7.5;
constexpr int kDeepestSplit = 8;  // at most 256 pieces for one segment

}  // namespace

std::optional<WindowPoint> ViewProjection::ToWindow(const astro::HorizontalPlace& place) const {
  const std::optional<ChartPoint> point =
      PlotInView(place.altitude, place.azimuth, centre_azimuth_);
  if (!point) return std::nullopt;
  return ToWindow(*point);
}

WindowPoint ViewProjection::ToWindow(const ChartPoint& point) const {
  return {mapping_.CentreX + mapping_.ScaleX * point.x,
          mapping_.HorizonY - mapping_.ScaleY * point.y};
}

// Newton's method on the forward projection, from the place the chart
// coordinates would name on an equirectangular chart.
std::optional<astro::HorizontalPlace> ViewProjection::FromWindow(const WindowPoint& point) const {
  const ChartPoint target{(point.x - mapping_.CentreX) / mapping_.ScaleX,
                          (mapping_.HorizonY - point.y) / mapping_.ScaleY};
  double altitude = target.y * kRadiansPerDegree;
  double delta = target.x * kRadiansPerDegree / (kStandardParallelCos + 0.5);
  constexpr double kStep = 1e-7;    // for the derivatives [radians]
  constexpr double kClose = 1e-10;  // converged [degrees of chart]
  for (int iteration = 0; iteration < 40; ++iteration) {
    const ChartPoint at = WinkelForward(altitude, delta);
    const double ex = at.x - target.x, ey = at.y - target.y;
    if (std::fabs(ex) < kClose && std::fabs(ey) < kClose) {
      if (std::fabs(altitude) > std::numbers::pi / 2 || std::fabs(delta) > std::numbers::pi) {
        return std::nullopt;
      }
      // The views draw at the half-width less its guard (PlotInView).
      const double offset = delta / kRadiansPerDegree;
      double azimuth = centre_azimuth_ + offset + std::copysign(kViewHalfWidthGuard, offset);
      azimuth -= 360 * std::floor(azimuth / 360);
      return astro::HorizontalPlace{altitude / kRadiansPerDegree, azimuth};
    }
    const ChartPoint by_altitude = WinkelForward(altitude + kStep, delta);
    const ChartPoint by_delta = WinkelForward(altitude, delta + kStep);
    const double xa = (by_altitude.x - at.x) / kStep, ya = (by_altitude.y - at.y) / kStep;
    const double xd = (by_delta.x - at.x) / kStep, yd = (by_delta.y - at.y) / kStep;
    const double determinant = xa * yd - xd * ya;
    if (std::fabs(determinant) < 1e-12) return std::nullopt;
    altitude -= (yd * ex - xd * ey) / determinant;
    delta -= (xa * ey - ya * ex) / determinant;
    // Far outside the sphere the iteration runs away: no place is drawn there.
    if (std::fabs(altitude) > 2 || std::fabs(delta) > 4) return std::nullopt;
  }
  return std::nullopt;
}

void ViewProjection::Segment(const astro::HorizontalPlace& from, const astro::HorizontalPlace& to,
                             const Piece& piece) const {
  const Arc arc(DirectionOf(from), DirectionOf(to));
  if (!(arc.Angle() > 0) || !(arc.Angle() < std::numbers::pi)) return;

  // The parts of the arc above the horizon and not across the seam behind
  // the viewer, as fractions of the arc.
  const double centre = centre_azimuth_ * kRadiansPerDegree;
  const Direction ahead{std::sin(centre), std::cos(centre), 0};
  const Direction right{std::cos(centre), -std::sin(centre), 0};
  constexpr Direction kZenith{0, 0, 1};
  // Where the arc crosses the plane square to `axis`, if it does.
  const auto crossing = [&arc](const Direction& axis) -> std::optional<double> {
    if ((Dot(arc.At(0), axis) < 0) == (Dot(arc.At(1), axis) < 0)) return std::nullopt;
    return arc.Crossing(axis);
  };
  std::array<double, 4> cuts{};  // the arc's ends and where it meets the horizon or the seam
  std::size_t cut_count = 0;
  cuts[cut_count++] = 0;
  if (const auto horizon = crossing(kZenith)) cuts[cut_count++] = *horizon;
  // The vertical through the view's centre: behind the viewer it is the seam.
  if (const auto vertical = crossing(right); vertical && Dot(arc.At(*vertical), ahead) < 0) {
    cuts[cut_count++] = *vertical;
  }
  cuts[cut_count++] = 1;
  std::sort(cuts.begin(), cuts.begin() + static_cast<std::ptrdiff_t>(cut_count));

  // Each stretch between cuts: drawn when above the horizon, split until flat.
  const std::function<void(double, double, const WindowPoint&, const WindowPoint&, int)> draw =
      [&](double t0, double t1, const WindowPoint& p0, const WindowPoint& p1, int depth) {
        const double tm = (t0 + t1) / 2;
        const std::optional<WindowPoint> pm = ToWindow(PlaceOf(arc.At(tm)));
        if (!pm) return;
        const double off = std::hypot(pm->x - (p0.x + p1.x) / 2, pm->y - (p0.y + p1.y) / 2);
        if (off <= kFlatness || depth >= kDeepestSplit) {
          piece(p0, p1);
          return;
        }
        draw(t0, tm, p0, *pm, depth + 1);
        draw(tm, t1, *pm, p1, depth + 1);
      };
  constexpr double kBeside = 1e-9;  // keeps the ends off the seam and the horizon themselves
  for (std::size_t i = 0; i + 1 < cut_count; ++i) {
    const bool first = i == 0, last = i + 2 == cut_count;
    const double t0 = cuts[i] + (first ? 0 : kBeside);
    const double t1 = cuts[i + 1] - (last ? 0 : kBeside);
    if (!(t1 > t0) || arc.At((t0 + t1) / 2).z < 0) continue;
    // The line's own ends exactly where their places are drawn.
    const auto p0 = ToWindow(first ? from : PlaceOf(arc.At(t0)));
    const auto p1 = ToWindow(last ? to : PlaceOf(arc.At(t1)));
    if (p0 && p1) draw(t0, t1, *p0, *p1, 0);
  }
}

bool ViewProjection::OnChart(const WindowPoint& centre, double radius) {
  return centre.x + radius >= 0 && centre.x - radius <= kChartWidth && centre.y + radius >= 0 &&
         centre.y - radius <= kChartHeight;
}

}  // namespace chart
