#pragma once

#include <array>
#include <functional>
#include <string>
#include <variant>

#include "app/services.h"
#include "astro/calendar.h"

namespace app {

// An instant a user types outside the window (year, month, day, hour,
// minute), judged by the planetarium's calendar, and the same instant carried
// from a time zone's clocks to Japan Standard Time. Free of any toolkit: the
// zone's offsets come from the caller (the browser's Intl API for the page).

// The five date and time box texts: year, month, day, hour, minute.
using DateBoxTexts = std::array<std::string, 5>;

// Why five numbers are not an instant that can be drawn.
enum class InstantFault {
  // No such date or time:
  kNoSuchMonth,   // not 1..12
  kNoSuchDay,     // not a day of that month (February 30, the days October 1582 skips)
  kNoSuchHour,    // not 0..23
  kNoSuchMinute,  // not 0..59
  kSkipped,       // the zone's clocks skip it (summer time begins)
  // A date that exists but cannot be computed:
  kYearOutside16Bits,    // beyond 32767
  kOutsideYearsInJapan,  // Japan Standard Time leaves the years -32768..32767
};

// Given:    the five texts of an instant, decimal digits (app::DateBoxesFromInstant).
// Returned: the minute they name, or the first fault in the order year,
//           month, day, hour, minute.
std::variant<astro::CalendarMinute, InstantFault> ReadInstant(const DateBoxTexts& texts);

// A zone's offset from Universal Time [seconds, east positive] at an instant
// given in seconds since 1970-01-01 00:00 UT, as time-zone libraries take it.
using ZoneOffset = std::function<int(double unix_seconds)>;

// Given:    a wall-clock minute of a zone and the zone's offsets.
// Returned: the box texts of the same instant in Japan Standard Time (UT + 9 h),
//           shifted in the planetarium's calendar (Julian before 1582-10-15) to
//           the nearest whole minute; kSkipped or kOutsideYearsInJapan.
// Notes:    the candidates are the offsets a day before and a day after the
//           wall-clock reading; a time the clocks pass twice, as summer time
//           ends, is taken at its first occurrence.
std::variant<DateBoxTexts, InstantFault> InJapan(const astro::CalendarMinute& wall,
                                                 const ZoneOffset& offset);

// Returned: the minute as box texts, whole numbers without leading zeros.
DateBoxTexts BoxTexts(const astro::CalendarMinute& minute);
DateBoxTexts BoxTexts(const JapanDateTime& minute);

}  // namespace app
