#include "app/zoom_steps.h"

#include <cmath>

namespace app {
namespace {

constexpr double kNotchesPerDoubling = 4;
constexpr double kKeyFactor = 1.4142135623730951;  // √2: two presses magnify twice

// Magnifies to a factor; one that steps have brought back to within rounding
// of 1 is the whole view again, not a view magnified by a hair.
void ZoomTo(chart::ChartZoom& zoom, double factor, const chart::WindowPoint& fixed) {
  constexpr double kRounding = 1e-9;
  zoom.ZoomAbout(std::abs(factor - 1) < kRounding ? 1 : factor, fixed);
}

}  // namespace

void ZoomByWheel(chart::ChartZoom& zoom, double angle, const chart::WindowPoint& under_pointer) {
  const double notches = angle / kWheelNotch;
  ZoomTo(zoom, zoom.Factor() * std::exp2(notches / kNotchesPerDoubling), under_pointer);
}

void ZoomByKey(chart::ChartZoom& zoom, ZoomKey key) {
  const chart::WindowPoint middle{chart::kChartWidth / 2, chart::kChartHeight / 2};
  switch (key) {
    case ZoomKey::kIn:
      ZoomTo(zoom, zoom.Factor() * kKeyFactor, middle);
      break;
    case ZoomKey::kOut:
      ZoomTo(zoom, zoom.Factor() / kKeyFactor, middle);
      break;
    case ZoomKey::kWhole:
      zoom.Reset();
      break;
  }
}

void ZoomByGesture(chart::ChartZoom& zoom, double dx, double dy, double magnified,
                   const chart::WindowPoint& at) {
  zoom.PanBy(dx, dy);
  if (magnified != 1) ZoomTo(zoom, zoom.Factor() * magnified, at);
}

}  // namespace app
