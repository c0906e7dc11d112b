#include <cmath>
#include <cstddef>
#include <utility>

#include "app/form.h"
#include "astro/calendar.h"
#include "text/number_text.h"

namespace app {

// The checks of CalcSky in its order; where the pipeline itself refuses, a
// trial run on a copy tells the calendar's limit from an overflowing number.
std::optional<SkyBoxFault> Form1::FindSkyBoxFault() const {
  using Reason = SkyBoxFault::Reason;
  const DateBoxes date = ReadDateBoxes();
  const double latitude = text::LeadingNumber(txtIDO.Text);     // [degrees]
  const double longitude = text::LeadingNumber(txtKEIDO.Text);  // [degrees]
  if (!date.year) return SkyBoxFault{SkyBox::kYear, Reason::kOutside16Bits};
  if (!date.month) return SkyBoxFault{SkyBox::kMonth, Reason::kOutside16Bits};
  const std::pair<double, SkyBox> finite_boxes[] = {{date.day, SkyBox::kDay},
                                                    {date.hour, SkyBox::kHour},
                                                    {date.minute, SkyBox::kMinute},
                                                    {latitude, SkyBox::kLatitude},
                                                    {longitude, SkyBox::kLongitude}};
  for (const auto& [value, box] : finite_boxes) {
    if (!std::isfinite(value)) return SkyBoxFault{box, Reason::kTooLarge};
  }
  astro::Observation trial = observation;
  if (trial.Compute(*date.year, *date.month, date.day, date.hour, date.minute, latitude,
                    longitude)) {
    return std::nullopt;
  }
  if (!astro::ymdYD(*date.year, *date.month, 1.0)) {
    return SkyBoxFault{SkyBox::kYear, Reason::kBeyondCalendar};
  }
  // The day with its time as a fraction overflowed: blame its largest part [days].
  const std::pair<double, SkyBox> parts[] = {{std::fabs(date.day), SkyBox::kDay},
                                             {std::fabs(date.hour) / 24, SkyBox::kHour},
                                             {std::fabs(date.minute) / 1440, SkyBox::kMinute}};
  std::size_t largest = 0;
  for (std::size_t i = 1; i < std::size(parts); ++i) {
    if (parts[i].first > parts[largest].first) largest = i;
  }
  return SkyBoxFault{parts[largest].second, Reason::kTooLarge};
}

}  // namespace app
