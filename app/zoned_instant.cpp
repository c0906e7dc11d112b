#include "app/zoned_instant.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace app {
namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UT

std::optional<std::int16_t> Int16(const std::string& digits) {
  std::int16_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The Julian day of a minute shifted by some minutes, in the planetarium's calendar.
std::optional<double> JulianDay(const astro::CalendarMinute& t, double shift_minutes) {
  const double day = t.day + t.hour / 24.0 + (t.minute + shift_minutes) / astro::kMinutesPerDay;
  return astro::ymdYD(t.year, t.month, day);
}

// The zone's offset [seconds] at a wall-clock reading (a Julian day read as if
// it were UT): the offset of the earliest instant the clocks show it at, or
// nullopt when they skip it.
std::optional<int> OffsetAtWallClock(double wall_day, const ZoneOffset& offset) {
  std::optional<int> first;
  std::optional<double> first_instant;
  const auto offset_at = [&offset](double julian_day) {
    return offset((julian_day - kUnixEpochJulianDay) * kSecondsPerDay);
  };
  for (const double probe_days : {-1.0, 1.0}) {
    const int candidate = offset_at(wall_day + probe_days);
    const double instant = wall_day - candidate / kSecondsPerDay;
    if (offset_at(instant) != candidate) continue;  // the clocks do not show the reading then
    if (!first_instant || instant < *first_instant) {
      first = candidate;
      first_instant = instant;
    }
  }
  return first;
}

}  // namespace

std::variant<astro::CalendarMinute, InstantFault> ReadInstant(const DateBoxTexts& texts) {
  const auto year = Int16(texts[0]);
  if (!year) return InstantFault::kYearOutside16Bits;
  const auto month = Int16(texts[1]);
  if (!month || *month < 1 || *month > 12) return InstantFault::kNoSuchMonth;
  const auto day = Int16(texts[2]);
  const astro::CalendarMinute date{*year, *month, day.value_or(0), 0, 0};
  const auto julian_day = JulianDay(date, 0);
  const auto back = julian_day ? astro::MinuteOfJulianDay(*julian_day) : std::nullopt;
  if (!day || *day < 1 || !back || back->month != date.month || back->day != date.day) {
    return InstantFault::kNoSuchDay;
  }
  const auto hour = Int16(texts[3]);
  if (!hour || *hour < 0 || *hour > 23) return InstantFault::kNoSuchHour;
  const auto minute = Int16(texts[4]);
  if (!minute || *minute < 0 || *minute > 59) return InstantFault::kNoSuchMinute;
  return astro::CalendarMinute{*year, *month, *day, *hour, *minute};
}

std::variant<DateBoxTexts, InstantFault> InJapan(const astro::CalendarMinute& wall,
                                                 const ZoneOffset& offset) {
  const auto wall_day = JulianDay(wall, 0);
  if (!wall_day) return InstantFault::kOutsideYearsInJapan;
  const auto wall_offset = OffsetAtWallClock(*wall_day, offset);
  if (!wall_offset) return InstantFault::kSkipped;
  const double shift_minutes = std::round((kJapanOffsetSeconds - *wall_offset) / 60.0);
  const auto japan_day = JulianDay(wall, shift_minutes);
  const auto japan = japan_day ? astro::MinuteOfJulianDay(*japan_day) : std::nullopt;
  if (!japan) return InstantFault::kOutsideYearsInJapan;
  return BoxTexts(*japan);
}

namespace {

template <class Minute>
DateBoxTexts TextsOf(const Minute& minute) {
  return {std::to_string(minute.year), std::to_string(minute.month), std::to_string(minute.day),
          std::to_string(minute.hour), std::to_string(minute.minute)};
}

}  // namespace

DateBoxTexts BoxTexts(const astro::CalendarMinute& minute) {
  return TextsOf(minute);
}

DateBoxTexts BoxTexts(const JapanDateTime& minute) {
  return TextsOf(minute);
}

}  // namespace app
