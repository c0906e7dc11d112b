#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "chart/sky_chart.h"
#include "chart/winkel_tripel.h"

namespace chart {

namespace {

// Lines of equal azimuth give up at the horizon itself (the view draws it as a line).
constexpr WinkelGuards kAzimuthLineGuards{0.0001, 0.000001, true};
constexpr WinkelGuards kAltitudeCircleGuards{0.00001, 0.00001, false};

std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Whether two mappings are the same to the bit: a zero of the other sign, or a
// NaN, can change the dots, so numeric equality is not enough.
bool SameBits(const WindowMapping& a, const WindowMapping& b) {
  const std::array<double, 4> as{a.ScaleX, a.ScaleY, a.CentreX, a.HorizonY};
  const std::array<double, 4> bs{b.ScaleX, b.ScaleY, b.CentreX, b.HorizonY};
  for (std::size_t i = 0; i < as.size(); ++i) {
    if (Bits(as[i]) != Bits(bs[i])) return false;
  }
  return true;
}

}  // namespace

void SkyChart::UpdateGridDots() {
  const WindowMapping mapping = Mapping();
  if (grid_dots_ready_ && SameBits(mapping, grid_mapping_)) return;
  grid_dots_ready_ = false;
  grid_dots_.clear();
  // The grid lies the same in every view: its azimuths are offsets from the centre.
  const ViewProjection projection(0, mapping);
  // Magnified, the dots off the drawing area are many and none is seen.
  const bool magnified = Magnification() > 1;
  // One dot of the grid at altitude t and azimuth offset a from the view centre [degrees].
  const auto dot = [&](double t, double a, const WinkelGuards& guards) {
    const std::optional<ChartPoint> point = WinkelTripel(t, a, guards);
    if (!point) return;
    const WindowPoint at = projection.ToWindow(*point);
    if (magnified && !ViewProjection::OnChart(at, 0)) return;
    grid_dots_.push_back({static_cast<float>(at.x), static_cast<float>(at.y)});
  };
  const int per_degree = DotsPerDegree();
  // Lines of equal azimuth every 15 degrees, dotted every degree of altitude.
  for (int a = -180; a <= 180; a += 15) {
    for (int h = 0; h <= 900 * per_degree; h += 10) {
      dot(h / (10.0 * per_degree), a, kAzimuthLineGuards);
    }
  }
  // Circles of equal altitude every 10 degrees, dotted every degree of azimuth.
  for (int t = 10; t <= 90; t += 10) {
    for (int a = -180 * per_degree; a <= 180 * per_degree; ++a) {
      dot(t, static_cast<double>(a) / per_degree, kAltitudeCircleGuards);
    }
  }
  grid_mapping_ = mapping;
  grid_dots_ready_ = true;
}

void SkyChart::DrawGrid() {
  UpdateGridDots();
  const Colour colour = SunNow().GridColour();
  surface_.CurrentLayer = Layer::kGrid;
  for (const GridDot& dot : grid_dots_) surface_.PSet(dot.x, dot.y, colour);
}

}  // namespace chart
