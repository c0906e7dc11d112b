#pragma once

namespace astro {

// The years in which the Sun, Moon and planet series of Ephemeris::CalcPlanets,
// evaluated at Universal Time as the program does, keep every body within
// 10 arcminutes of its true place (measured against Astronomy Engine; see
// docs/accuracy.md). Saturn's short series limits them at both ends; outside
// them the places drift, Saturn by degrees within a century or two and the
// Moon with Delta T, which the series ignore.
inline constexpr int kFirstSeriesYear = 1887;  // first year served [astronomical numbering]
inline constexpr int kLastSeriesYear = 2090;   // last year served

// Given: a year, astronomical numbering (0 is 1 BC).
// Returned: true when the series serve it (kFirstSeriesYear..kLastSeriesYear).
constexpr bool SeriesServeYear(int year) {
  return year >= kFirstSeriesYear && year <= kLastSeriesYear;
}

}  // namespace astro
