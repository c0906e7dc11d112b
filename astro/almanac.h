#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "astro/ephemeris.h"
#include "astro/illumination.h"

namespace astro {

// The almanac follows the Japanese national almanac: the Sun and the Moon rise and
// set when their upper limb touches the horizon, the planets when their centre
// does, with the refraction below at the horizon, all seen from the site
// (ToTopocentric). The places are the chart's: Observation::Compute (the series at
// its T, its apparent sidereal time, EqToHor). New moon is the instant of equal
// apparent ecliptic longitudes of the Sun and the Moon, the principal phases those
// of 0, 90, 180 and 270 degrees of elongation.

// Refraction at the horizon for every rising and setting: 35'08" [degrees].
inline constexpr double kHorizonRefraction = (35 + 8.0 / 60) / 60;

// A rising or a setting.
struct HorizonCrossing {
  int minute = 0;      // [minutes after 00:00 JST, 0..1440, to the nearest minute]
  double azimuth = 0;  // of the body's centre [degrees, 0..360, north 0, east 90]
};

// An upper culmination (南中). Its altitude is the apparent one, with the
// standard refraction of RefractionDeg (none below a true altitude of -1
// degree, where nothing is seen): what a pupil measures with a shadow stick or
// a quadrant, and the same sky as the refracted risings and settings.
struct Transit {
  int minute = 0;       // [minutes after 00:00 JST, 0..1440, to the nearest minute]
  double altitude = 0;  // apparent altitude of the centre, refraction included [degrees]
};

// The day of one body; an event that does not happen between 00:00 and 24:00
// JST (the Moon skips a rising, a setting and a transit about once a month;
// polar day and night) is std::nullopt. Should one happen twice, the first is kept.
// One in the day's last half minute is given as minute 1440.
struct BodyDay {
  std::optional<HorizonCrossing> rise;
  std::optional<Transit> transit;
  std::optional<HorizonCrossing> set;
};

// The Moon's phase on a JST day: a principal phase on the day that holds it,
// otherwise the stretch between two of them.
enum class MoonPhase {
  kNew,
  kNewToFirst,
  kFirstQuarter,
  kFirstToFull,
  kFull,
  kFullToLast,
  kLastQuarter,
  kLastToNew,
};

// Given a phase; returns its Japanese name (UTF-8): 新月, 新月から上弦へ, 上弦, ...
std::string_view MoonPhaseName(MoonPhase phase);

// The almanac of one site and one JST day.
struct AlmanacDay {
  std::array<BodyDay, kBodyCount> bodies{};  // by body index, kSun .. kSaturn
  double moon_age = 0;                       // at 12:00 JST [days since the preceding new moon]
  double moon_illuminated_fraction = 0;      // at 12:00 JST [0..1]
  MoonPhase moon_phase = MoonPhase::kNew;
  VenusDisc venus;  // at 12:00 JST
};

// Risings, transits and settings of the six bodies, and the Moon's and Venus's phases.
// Given:    year, month, day  a date of Japan Standard Time (UT + 9 h, at every site);
//           latitude [degrees, north positive], longitude [degrees, EAST positive]
//           of a site at sea level
// Returned: the day's almanac; std::nullopt where Observation::Compute fails (year
//           -32768 in January or February, an input not finite)
// Notes:    not checked: a day past the month's end is carried into the next month,
//           as ymdYD does.
std::optional<AlmanacDay> ComputeAlmanacDay(std::int16_t year, std::int16_t month, std::int16_t day,
                                            double latitude, double longitude);

}  // namespace astro
