#pragma once

#include <optional>

namespace chart {

// A place on the chart [degrees of chart]: right of the view centre, up from the horizon.
struct ChartPoint {
  double x = 0;
  double y = 0;
};

// The small guards that keep the projection away from its undefined places.
struct WinkelGuards {
  double half_width_offset;  // subtracted from |azimuth difference| [degrees]
  double min_distance;       // smallest angular distance from the centre point [degrees]
  bool skip_level_point;     // also give up where the object lies level with the eye (D = 0)
};

// Arc cosine in degrees, built from the one-argument arc tangent.
// Given: v in [-1, 1]. Returned: 0..180 [degrees]; exactly 0 for v = 1.
// Notes: values outside [-1, 1] are not checked (they would give NaN).
double ArcCosDegrees(double v);

// Winkel tripel projection (standard parallel 60 degrees) of the horizontal sphere.
// Given: altitude [degrees, 0..90] and azimuth difference from the view centre
//        [degrees, -180..180], and the guards of the caller.
// Returned: the chart place, or nothing where the projection has no defined
//        result (centre point, zenith, and the rounding near them) or where an
//        input is not finite.
// Notes: the horizontal coordinate is w * cos 60 averaged with the Aitoff term,
//        the vertical one the altitude averaged with the Aitoff term.
std::optional<ChartPoint> WinkelTripel(double altitude, double delta, const WinkelGuards& guards);

// Given: an object's altitude and azimuth and the azimuth of the view centre
// [degrees]. Returned: its place on the chart of that view, or nothing where
// the projection has no defined result: the zenith, the horizon point 0.0001
// degree beside the view centre where the guard of the centre bites, and
// inputs that are not finite numbers.
std::optional<ChartPoint> PlotInView(double altitude, double azimuth, double centre_azimuth);

}  // namespace chart
