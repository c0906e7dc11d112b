#include "chart/sky_chart.h"
#include "chart/winkel_tripel.h"

namespace chart {

namespace {

// Guards of the view projection. Where the cosine of the distance is exactly 1
// the distance is 0 and the minimum-distance guard gives up as well, so the
// extra check on it changes nothing here.
constexpr WinkelGuards kViewGuards{0.0001, 0.000001, false};

}  // namespace

std::optional<ChartPoint> SkyChart::Plot(double altitude, double azimuth, double centre_azimuth) {
  // Azimuth difference from the view centre, brought into -180..180 [degrees].
  double delta = azimuth - centre_azimuth;
  if (delta > 180) delta -= 360;
  if (delta < -180) delta += 360;
  return WinkelTripel(altitude, delta, kViewGuards);
}

}  // namespace chart
