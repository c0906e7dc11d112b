#include <cmath>
#include <cstddef>
#include <utility>

#include "app/form.h"
#include "astro/calendar.h"
#include "text/number_text.h"

namespace app {

std::variant<Form1::SkyBoxes, SkyBoxFault> Form1::ReadSkyBoxes() const {
  using Reason = SkyBoxFault::Reason;
  const DateBoxes date = ReadDateBoxes();
  if (!date.year) return SkyBoxFault{SkyBox::kYear, Reason::kOutside16Bits};
  if (!date.month) return SkyBoxFault{SkyBox::kMonth, Reason::kOutside16Bits};
  const SkyBoxes boxes{*date.year,
                       *date.month,
                       date.day,
                       date.hour,
                       date.minute,
                       text::LeadingNumber(txtIDO.Text),
                       text::LeadingNumber(txtKEIDO.Text)};
  const std::pair<double, SkyBox> finite_boxes[] = {{boxes.day, SkyBox::kDay},
                                                    {boxes.hour, SkyBox::kHour},
                                                    {boxes.minute, SkyBox::kMinute},
                                                    {boxes.latitude, SkyBox::kLatitude},
                                                    {boxes.longitude, SkyBox::kLongitude}};
  for (const auto& [value, box] : finite_boxes) {
    if (!std::isfinite(value)) return SkyBoxFault{box, Reason::kTooLarge};
  }
  return boxes;
}

// Where the pipeline itself refuses the boxes, a trial run on a copy tells the
// calendar's limit from an overflowing number.
std::optional<SkyBoxFault> Form1::FindSkyBoxFault() const {
  using Reason = SkyBoxFault::Reason;
  const auto read = ReadSkyBoxes();
  if (const SkyBoxFault* fault = std::get_if<SkyBoxFault>(&read)) return *fault;
  const SkyBoxes& boxes = std::get<SkyBoxes>(read);
  astro::Observation trial = observation;
  if (trial.Compute(boxes.year, boxes.month, boxes.day, boxes.hour, boxes.minute, boxes.latitude,
                    boxes.longitude)) {
    return std::nullopt;
  }
  if (!astro::ymdYD(boxes.year, boxes.month, 1.0)) {
    return SkyBoxFault{SkyBox::kYear, Reason::kBeyondCalendar};
  }
  // The day with its time as a fraction overflowed: blame its largest part [days].
  const std::pair<double, SkyBox> parts[] = {
      {std::fabs(boxes.day), SkyBox::kDay},
      {std::fabs(boxes.hour) / 24, SkyBox::kHour},
      {std::fabs(boxes.minute) / astro::kMinutesPerDay, SkyBox::kMinute}};
  std::size_t largest = 0;
  for (std::size_t i = 1; i < std::size(parts); ++i) {
    if (parts[i].first > parts[largest].first) largest = i;
  }
  return SkyBoxFault{parts[largest].second, Reason::kTooLarge};
}

}  // namespace app
