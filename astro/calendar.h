#pragma once

#include <cstdint>
#include <optional>

namespace astro {

inline constexpr double kMinutesPerDay = 1440;

// Calendar date to Julian day.
// Given:    IY  year, astronomical numbering (year 0 precedes year 1)
//           im  month, normally 1..12 (not checked: 0 and 13 are carried through)
//           D   day of the month, its fraction the time of day (22.5 = noon of the 22nd)
// Returned: Julian day; the Julian calendar before 1582-10-15, the Gregorian from then on.
// Notes:    std::nullopt when the year adjusted for January and February (IY - 1)
//           leaves the 16-bit range, i.e. IY = -32768 with im < 3.
std::optional<double> ymdYD(const std::int16_t& IY, const std::int16_t& im, const double& D);

// Julian day to calendar date and time, every field truncated (never rounded).
// Given:    jd      Julian day, -0.5 or more
// Returned: year, month, day, hour, minute, second as 16-bit integers; true on success.
// Notes:    false, outputs untouched, when jd is below -0.5 or not finite (the
//           truncations are not floors there) or when the year leaves 16 bits.
//           A whole-minute time often comes back one minute short with 59 seconds.
bool ydYMD(double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day,
           std::int16_t& hour, std::int16_t& minute, std::int16_t& second);

// A date and time to the minute, as the date and time boxes hold it.
struct CalendarMinute {
  std::int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// Julian day to the calendar minute it falls in, nearest second first.
// Given:    jd  Julian day, -0.5 or more
// Returned: the fields ydYMD gives for jd plus half a second, so that a
//           whole-minute time comes back as that minute instead of 59.99...
//           seconds before it; std::nullopt where ydYMD fails.
std::optional<CalendarMinute> MinuteOfJulianDay(double jd);

}  // namespace astro
