#include "chart/chart_zoom.h"

#include <algorithm>
#include <cmath>

#include "chart/sky_chart.h"

namespace chart {
namespace {

constexpr WindowMapping kWholeView{kScaleX, kScaleY, kCentreX, kHorizonY};
constexpr WindowPoint kMiddle{kChartWidth / 2, kChartHeight / 2};
// Where the unmagnified view draws the zenith line: nothing lies above it [twips].
constexpr double kZenithY = kHorizonY - 90 * kScaleY;

bool OnSphere(const WindowPoint& point) {
  return ViewProjection(0, kWholeView).FromWindow(point).has_value();
}

}  // namespace

WindowMapping ChartZoom::Mapping() const {
  return {kScaleX * factor_, kScaleY * factor_, kMiddle.x + (kCentreX - centre_.x) * factor_,
          kMiddle.y + (kHorizonY - centre_.y) * factor_};
}

void ChartZoom::ZoomAbout(double factor, const WindowPoint& fixed) {
  if (!std::isfinite(factor)) return;
  const double new_factor = std::clamp(factor, 1.0, kLargestZoom);
  if (new_factor == 1) {
    Reset();
    return;
  }
  // The unmagnified point under `fixed`, which is to stay under it.
  const WindowPoint under{centre_.x + (fixed.x - kMiddle.x) / factor_,
                          centre_.y + (fixed.y - kMiddle.y) / factor_};
  factor_ = new_factor;
  centre_ = {under.x - (fixed.x - kMiddle.x) / factor_, under.y - (fixed.y - kMiddle.y) / factor_};
  HoldCentre();
}

void ChartZoom::PanBy(double dx, double dy) {
  if (!std::isfinite(dx) || !std::isfinite(dy)) return;
  centre_.x -= dx / factor_;
  centre_.y -= dy / factor_;
  HoldCentre();
}

std::optional<astro::HorizontalPlace> ChartZoom::CentrePlace(double view_azimuth) const {
  return ViewProjection(view_azimuth, kWholeView).FromWindow(centre_);
}

std::optional<ChartZoom> ChartZoom::Toward(double factor, const astro::HorizontalPlace& centre,
                                           double view_azimuth) {
  if (!(factor >= 1 && factor <= kLargestZoom)) return std::nullopt;
  const auto point = ViewProjection(view_azimuth, kWholeView).ToWindow(centre);
  if (!point || !ViewProjection::OnChart(*point, 0)) return std::nullopt;
  ChartZoom zoom;
  if (factor == 1) return zoom;
  zoom.factor_ = factor;
  zoom.centre_ = *point;
  zoom.HoldCentre();
  return zoom;
}

void ChartZoom::HoldCentre() {
  const double half_width = kChartWidth / 2 / factor_, half_height = kChartHeight / 2 / factor_;
  centre_.x = std::clamp(centre_.x, half_width, kChartWidth - half_width);
  centre_.y = std::clamp(centre_.y, std::max(half_height, kZenithY), kChartHeight - half_height);
  if (OnSphere(centre_)) return;
  // Beside the zenith line toward the view's edge the sphere curves away:
  // come down toward the horizon, which lies on it, to its outline.
  double off = centre_.y, on = kHorizonY;
  for (int step = 0; step < 30; ++step) {
    const double middle = (off + on) / 2;
    (OnSphere({centre_.x, middle}) ? on : off) = middle;
  }
  centre_.y = on;
}

}  // namespace chart
