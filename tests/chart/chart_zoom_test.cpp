// Zoom and pan: what is under the pointer stays there, the whole view is
// never left, and a place asked for is drawn at the middle.

#include "chart/chart_zoom.h"

#include <gtest/gtest.h>

#include "chart/sky_chart.h"

namespace chart {
namespace {

constexpr WindowMapping kWholeView{kScaleX, kScaleY, kCentreX, kHorizonY};

TEST(ChartZoom, KeepsTheSkyUnderThePointer) {
  const struct {
    double factor;
    WindowPoint pointer;  // [twips]
  } steps[] = {{1.5, {7800, 4800}}, {3, {2000, 8000}}, {8, {9000, 4000}}, {2, {5000, 6000}}};
  ChartZoom zoom;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.factor);
    const auto before = ViewProjection(180, zoom.Mapping()).FromWindow(step.pointer);
    zoom.ZoomAbout(step.factor, step.pointer);
    const auto after = ViewProjection(180, zoom.Mapping()).FromWindow(step.pointer);
    ASSERT_TRUE(before && after);
    EXPECT_NEAR(after->altitude, before->altitude, 1e-6);
    EXPECT_NEAR(after->azimuth, before->azimuth, 1e-6);
  }
  zoom.ZoomAbout(1, {100, 100});
  EXPECT_EQ(zoom.Mapping(), kWholeView);
}

TEST(ChartZoom, PansNoFurtherThanTheWholeView) {
  const WindowPoint drags[] = {{1e6, 0}, {-1e6, 0}, {0, 1e6}, {0, -1e6}};
  for (const WindowPoint& drag : drags) {
    ChartZoom zoom;
    zoom.ZoomAbout(4, {7800, 4800});
    zoom.PanBy(drag.x, drag.y);
    const WindowMapping m = zoom.Mapping();
    // The drawing area's corners, as degrees of chart, inside the whole view's.
    EXPECT_GE((0 - m.CentreX) / m.ScaleX, (0 - kCentreX) / kScaleX - 1e-9);
    EXPECT_LE((kChartWidth - m.CentreX) / m.ScaleX, (kChartWidth - kCentreX) / kScaleX + 1e-9);
    EXPECT_GE((m.HorizonY - kChartHeight) / m.ScaleY, (kHorizonY - kChartHeight) / kScaleY - 1e-9);
    EXPECT_LE(m.HorizonY / m.ScaleY, kHorizonY / kScaleY + 1e-9);
    EXPECT_TRUE(zoom.CentrePlace(90).has_value());  // on the sphere, below the zenith
  }
}

TEST(ChartZoom, DrawsTheCentreAskedForAtTheMiddle) {
  const astro::HorizontalPlace places[] = {{40, 170}, {20, 200}, {70, 95}};
  const double views[] = {180, 180, 90};
  for (std::size_t i = 0; i < std::size(places); ++i) {
    const auto zoom = ChartZoom::Toward(3, places[i], views[i]);
    ASSERT_TRUE(zoom);
    const auto at = ViewProjection(views[i], zoom->Mapping()).ToWindow(places[i]);
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->x, kChartWidth / 2, 1e-6);
    EXPECT_NEAR(at->y, kChartHeight / 2, 1e-6);
  }
  EXPECT_FALSE(ChartZoom::Toward(3, {40, 0}, 180));  // behind the viewer
  EXPECT_FALSE(ChartZoom::Toward(12, {40, 180}, 180));
}

}  // namespace
}  // namespace chart
