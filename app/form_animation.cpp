#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/chart_description.h"
#include "app/control_lookup.h"
#include "app/form.h"
#include "app/sites.h"
#include "astro/calendar.h"
#include "text/number_text.h"

namespace app {

using astro::kMinutesPerDay;

// Computes and draws the sky for the boxes and starts the animation.
void Form1::Command3_Click() {
  ApplySiteSelection();
  // The site label follows the selection here too, as on every tick; otherwise
  // it would name the previous site over a chart of the new one.
  Label10.Caption = lstCITY.Text();
  ReadoutMode = 0;
  SetTimerFromDisplayInterval();
  ClearReadoutRows();
  if (!CalcSky()) return;
  const double sun_altitude = observation.BodyAlt[astro::kSun];  // [degrees]
  PrevSunAlt = sun_altitude;
  ChooseColoursForSun(sun_altitude);
  DrawSelectedView();
}

// One animation step: the readout for the time in the boxes when it is on, then
// the boxes advance by the time step and the chart is drawn for the new time.
// A year or month outside 16 bits, or a step that leaves the calendar, skips
// the tick and leaves the boxes as they are.
void Form1::Timer1_Timer() {
  if (ReadoutMode == 1) ShowValues();

  const DateBoxes date = ReadDateBoxes();
  if (!date.year || !date.month) return;
  const double day_with_fraction = date.day + date.hour / 24 + date.minute / kMinutesPerDay;
  const double step = text::LeadingNumber(lstINTV1.Text());  // [minutes]
  const double t = day_with_fraction + step / kMinutesPerDay;

  const auto julian_day = astro::ymdYD(*date.year, *date.month, t);
  if (!julian_day) return;
  // Whole-minute times come back exactly; a fractional minute in the boxes is
  // rounded to the nearest second before its minute is taken.
  const auto stepped = astro::MinuteOfJulianDay(*julian_day);
  if (!stepped) return;
  WriteDateBoxes(stepped->year, stepped->month, stepped->day, stepped->hour, stepped->minute);
  RefreshView();
}

// The chart for the boxes' time; the colours change only when the Sun has
// crossed the horizon since the previous computation.
void Form1::RefreshView() {
  SetTimerFromDisplayInterval();
  ApplySiteSelection();
  Label10.Caption = lstCITY.Text();
  if (!CalcSky()) return;
  const double sun_altitude = observation.BodyAlt[astro::kSun];  // [degrees]
  const bool crossed = PrevSunAlt * sun_altitude < 0;            // the signs differ
  if (crossed) ChooseColoursForSun(sun_altitude);
  DrawSelectedView();
  PrevSunAlt = sun_altitude;
}

// Night at or below the horizon, day at or above; exactly on it both are
// applied in turn and the day wins.
void Form1::ChooseColoursForSun(double sun_altitude) {
  if (sun_altitude <= 0) {
    ColourScheme = 1;
    SetColours();
  }
  if (sun_altitude >= 0) {
    ColourScheme = 2;
    SetColours();
  }
}

// The display interval in seconds becomes the timer's interval in
// milliseconds; " 0" (or no selection) stops the timer.
void Form1::SetTimerFromDisplayInterval() {
  const double milliseconds = text::LeadingNumber(lstINTV2.Text()) * 1000;
  int interval = 0;
  if (milliseconds >= INT_MAX) {
    interval = INT_MAX;
  } else if (milliseconds > 0) {
    interval = static_cast<int>(std::lround(milliseconds));
  }
  Timer1.Interval = interval;
  services_.timer.SetInterval(interval);
}

// The view of every selected direction option (exactly one in practice), with
// the display options as the boxes show them now.
void Form1::DrawSelectedView() {
  skyChart.UseMapping(chartZoom.Mapping());
  for (const chart::OptionRow& option : chart::kOptionRows) {
    skyChart.Options.Set(option.id, chkOP[static_cast<std::size_t>(option.id)].Value == 1);
  }
  if (optDIR[0].Value) skyChart.DrawNorth();
  if (optDIR[1].Value) skyChart.DrawEast();
  if (optDIR[2].Value) skyChart.DrawSouth();
  if (optDIR[3].Value) skyChart.DrawWest();
  DescribeDrawnView();
}

void Form1::RedrawChart() {
  if (ChartOnWindow) DrawSelectedView();
}

// What the chart just drawn shows, and the chart in words: the direction of
// the last selected view (the one left on the chart), the site by its name
// or, for the typed entry, by its coordinates, the instant of the boxes.
void Form1::DescribeDrawnView() {
  ChartDescription.clear();
  ChartOnWindow.reset();
  const auto last = std::find_if(optDIR.rbegin(), optDIR.rend(),
                                 [](const OptionButton& direction) { return direction.Value; });
  if (last == optDIR.rend()) return;
  ChartSubject subject{static_cast<int>(optDIR.rend() - last - 1),
                       std::nullopt,
                       observation.horizontal.SiteLat,
                       observation.horizontal.SiteLon,
                       {}};
  if (UsesTableCoordinates(lstCITY.ListIndex)) subject.site = lstCITY.ListIndex;
  for (std::size_t b = 0; b < txtYMD.size(); ++b) subject.dateBoxes[b] = txtYMD[b].Text;
  ChartDescription = DescribeChart(subject, skyChart.Drawn());
  ChartOnWindow = std::move(subject);
}

}  // namespace app
