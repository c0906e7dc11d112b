#pragma once

#include "chart/colour.h"

namespace chart {

// What the Sun's altitude changes on the chart: the night objects, and the
// colours of the lines that must stay visible on the day sky.
class DayNight {
 public:
  explicit DayNight(double sun_altitude) : sun_altitude_(sun_altitude) {}

  // The Sun is not above the horizon: Mars, Jupiter, Saturn and the stars are
  // drawn, also with the Sun exactly on the horizon.
  bool NightObjectsShown() const { return sun_altitude_ <= 0; }
  // The Sun is below the horizon: the grid and the dotted ecliptic take their
  // night colours; with the Sun exactly on the horizon they keep the day's.
  bool Night() const { return sun_altitude_ < 0; }

  Colour GridColour() const { return Night() ? RGB(186, 186, 186) : RGB(77, 77, 77); }
  // By day the ecliptic turns a warmer yellow that stays visible on the light
  // sky; the equator keeps its red by night and by day.
  Colour EclipticColour() const { return Night() ? RGB(240, 255, 0) : RGB(255, 242, 0); }
  static constexpr Colour kEquatorColour = RGB(240, 48, 48);

 private:
  double sun_altitude_;  // [degrees]
};

}  // namespace chart
