#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "app/almanac_table.h"
#include "app/form.h"
#include "app/sites.h"
#include "astro/almanac.h"
#include "astro/calendar.h"
#include "text/number_text.h"

namespace app {
namespace {

// The day box as a day of the month: the whole day its number falls in, as
// the pipeline reads 15.7 as a time on the 15th; nothing when it is not finite
// or leaves 16 bits.
std::optional<std::int16_t> WholeDay(double day) {
  const double whole = std::floor(day);
  if (!std::isfinite(whole) || whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

// The date the almanac is computed for, named as the calendar names it: a day
// past the month's end (February 30) is carried into the next month as the
// pipeline carries it. Before the calendar's first day (4713 BC) the boxes'
// own numbers.
void NameDate(std::int16_t year, std::int16_t month, std::int16_t day, AlmanacSubject& subject) {
  subject.year = year;
  subject.month = month;
  subject.day = day;
  const auto julian_day = astro::ymdYD(year, month, day);
  const auto named = julian_day ? astro::MinuteOfJulianDay(*julian_day) : std::nullopt;
  if (!named) return;
  subject.year = named->year;
  subject.month = named->month;
  subject.day = named->day;
}

}  // namespace

void Form1::cmdKOYOMI_Click() {
  ApplySiteSelection();
  const DateBoxes date = ReadDateBoxes();
  const std::optional<std::int16_t> day = WholeDay(date.day);
  const double latitude = text::LeadingNumber(txtIDO.Text);     // [degrees]
  const double longitude = text::LeadingNumber(txtKEIDO.Text);  // [degrees]
  const auto almanac =
      date.year && date.month && day
          ? astro::ComputeAlmanacDay(*date.year, *date.month, *day, latitude, longitude)
          : std::nullopt;
  if (!almanac) {
    services_.almanac.ShowNoTable(kNoAlmanacMessage);
    return;
  }
  AlmanacSubject subject;
  if (UsesTableCoordinates(lstCITY.ListIndex)) subject.site = lstCITY.ListIndex;
  subject.latitude = latitude;
  subject.longitude = longitude;
  NameDate(*date.year, *date.month, *day, subject);
  services_.almanac.Show(MakeAlmanacTable(subject, *almanac));
}

}  // namespace app
