#include <cstddef>
#include <cstdint>
#include <cstring>

#include "chart/sky_chart.h"
#include "chart/winkel_tripel.h"

namespace chart {

namespace {

// Lines of equal azimuth give up at the horizon itself (the view draws it as a line).
constexpr WinkelGuards kAzimuthLineGuards{0.0001, 0.000001, true};
constexpr WinkelGuards kAltitudeCircleGuards{0.00001, 0.00001, false};

constexpr Colour kNightGridColour = RGB(186, 186, 186);
constexpr Colour kDayGridColour = RGB(77, 77, 77);

std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Whether two mappings are the same to the bit: a zero of the other sign, or a
// NaN, can change the dots, so numeric equality is not enough.
bool SameBits(const std::array<double, 4>& a, const std::array<double, 4>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Bits(a[i]) != Bits(b[i])) return false;
  }
  return true;
}

}  // namespace

void SkyChart::UpdateGridDots() {
  const std::array<double, 4> mapping{ScaleX, ScaleY, CentreX, HorizonY};
  if (grid_dots_ready_ && SameBits(mapping, grid_mapping_)) return;
  grid_dots_ready_ = false;
  grid_dots_.clear();
  // One dot of the grid at altitude t and azimuth offset a from the view centre [degrees].
  const auto dot = [this](double t, double a, const WinkelGuards& guards) {
    const std::optional<ChartPoint> point = WinkelTripel(t, a, guards);
    if (!point) return;
    const double x = CentreX + ScaleX * point->x;  // [twips]
    const double y = HorizonY - ScaleY * point->y;
    grid_dots_.push_back({static_cast<float>(x), static_cast<float>(y)});
  };
  // Lines of equal azimuth every 15 degrees, dotted every degree of altitude.
  for (int a = -180; a <= 180; a += 15) {
    for (int h = 0; h <= 900; h += 10) dot(h / 10.0, a, kAzimuthLineGuards);
  }
  // Circles of equal altitude every 10 degrees, dotted every degree of azimuth.
  for (int t = 10; t <= 90; t += 10) {
    for (int a = -180; a <= 180; ++a) dot(t, a, kAltitudeCircleGuards);
  }
  grid_mapping_ = mapping;
  grid_dots_ready_ = true;
}

void SkyChart::DrawGrid() {
  UpdateGridDots();
  const Colour colour = SunBelowHorizon() ? kNightGridColour : kDayGridColour;
  for (const GridDot& dot : grid_dots_) surface_.PSet(dot.x, dot.y, colour);
}

}  // namespace chart
