// The almanac against Astronomy Engine: risings, transits and settings of the six
// bodies at six sites (Tokyo, Naha, Sapporo, Sydney, Moscow, Tromso) on dates
// spread over 1900-2100, and the Moon's and Venus's phases at noon
// (tests/astro/data/*_reference.csv, written by tools/accuracy/make-almanac-reference.js
// with the same conventions: upper limb of the Sun and Moon, 35'08" of refraction,
// topocentric places, JST days). The series' own errors (docs/accuracy.md) set the
// bounds: the centre taken for the limb or the Moon left without parallax moves
// events by one to four minutes and fails them, 34' of refraction for 35'08" fails
// the mean of the risings against the settings.

#include "astro/almanac.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/illumination.h"
#include "astro/observation.h"
#include "astro/topocentric.h"

namespace {

constexpr std::array<const char*, astro::kBodyCount> kBodyNames = {"Sun",  "Moon",    "Venus",
                                                                   "Mars", "Jupiter", "Saturn"};
// Largest time error per body [minutes]: the half minute of rounding and the series' error.
constexpr std::array<double, astro::kBodyCount> kMinuteBounds = {1, 2, 2, 2, 2, 2};
// A horizon set too high or too low makes the risings late and the settings early
// (or the other way round) by the same time: the mean error of the risings less
// that of the settings shows it (34' of refraction for 35'08" moves it by 0.2 to
// 0.33 minutes) where the rounding to the minute hides it in each single event.
constexpr double kHorizonBiasBound = 0.15;  // [minutes]
constexpr double kAzimuthBound = 0.3;       // [degrees]
constexpr double kAltitudeBound = 0.1;      // [degrees]

// The fields of a CSV file's data lines, '#' comments and the column header skipped.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(path);
  EXPECT_TRUE(in.is_open()) << "cannot open " << path;
  std::string line;
  bool header_seen = false;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (!std::exchange(header_seen, true)) continue;
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) fields.push_back(field);
    if (line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

std::optional<double> Number(const std::string& field) {
  if (field.empty()) return std::nullopt;
  return std::stod(field);
}

struct Date {
  std::int16_t year, month, day;
};

Date ParseDate(const std::string& text) {
  return {static_cast<std::int16_t>(std::stoi(text.substr(0, 4))),
          static_cast<std::int16_t>(std::stoi(text.substr(5, 2))),
          static_cast<std::int16_t>(std::stoi(text.substr(8, 2)))};
}

// Checks one event: both absent, or both present within `bound` minutes; an event
// within `bound` of midnight may fall on the other side of it in one of the two.
// Returns the time error, got less expected [minutes], when both are present.
std::optional<double> CheckEvent(const char* what, std::optional<int> got,
                                 std::optional<double> expected, double bound) {
  SCOPED_TRACE(what);
  const auto near_midnight = [&](double minute) {
    return minute < bound || minute > astro::kMinutesPerDay - bound;
  };
  if (!got && expected) {
    EXPECT_TRUE(near_midnight(*expected)) << "none, expected " << *expected;
  }
  if (got && !expected) {
    EXPECT_TRUE(near_midnight(*got)) << "got " << *got << ", expected none";
  }
  if (!got || !expected) return std::nullopt;
  const double error = *got - *expected;
  EXPECT_LE(std::abs(error), bound) << "got " << *got << ", expected " << *expected;
  return error;
}

constexpr std::size_t kRise = 0, kSet = 2;  // event index: rise, transit, set
constexpr const char* kEventNames[] = {"rise", "transit", "set"};

// Time errors of one kind of event [minutes].
struct ErrorSummary {
  double median_abs, max_abs, mean;
};

ErrorSummary Summarise(std::vector<double> errors) {
  if (errors.empty()) return {0, 0, 0};
  double sum = 0;
  for (double& e : errors) {
    sum += e;
    e = std::abs(e);
  }
  std::sort(errors.begin(), errors.end());
  return {errors[errors.size() / 2], errors.back(), sum / static_cast<double>(errors.size())};
}

TEST(Almanac, RisingsTransitsAndSettingsAgreeWithTheReference) {
  const auto rows = ReadCsv(ALMANAC_REFERENCE_CSV);
  ASSERT_GE(rows.size(), 1000u);
  std::map<std::string, astro::AlmanacDay> days;                             // by site and date
  std::array<std::array<std::vector<double>, 3>, astro::kBodyCount> errors;  // by body, event
  for (const auto& r : rows) {
    ASSERT_EQ(r.size(), 12u);
    const auto body = static_cast<std::size_t>(
        std::find(kBodyNames.begin(), kBodyNames.end(), r[4]) - kBodyNames.begin());
    ASSERT_LT(body, kBodyNames.size()) << r[4];
    SCOPED_TRACE(::testing::Message() << r[0] << " " << r[3] << " " << r[4]);
    const std::string key = r[0] + r[3];
    if (!days.count(key)) {
      const Date d = ParseDate(r[3]);
      const auto day =
          astro::ComputeAlmanacDay(d.year, d.month, d.day, std::stod(r[1]), std::stod(r[2]));
      ASSERT_TRUE(day);
      days[key] = *day;
    }
    const astro::BodyDay& got = days[key].bodies[body];
    const double bound = kMinuteBounds[body];
    const auto minute = [](const auto& event) {
      return event ? std::optional<int>(event->minute) : std::nullopt;
    };
    const std::optional<int> got_minutes[] = {minute(got.rise), minute(got.transit),
                                              minute(got.set)};
    constexpr std::size_t kColumns[] = {5, 7, 10};  // of the minutes in a row
    for (std::size_t e = kRise; e <= kSet; ++e) {
      const auto error = CheckEvent(kEventNames[e], got_minutes[e], Number(r[kColumns[e]]), bound);
      if (error) errors[body][e].push_back(*error);
    }
    if (got.rise && !r[6].empty()) {
      EXPECT_NEAR(got.rise->azimuth, std::stod(r[6]), kAzimuthBound) << "rise azimuth";
    }
    if (got.set && !r[11].empty()) {
      EXPECT_NEAR(got.set->azimuth, std::stod(r[11]), kAzimuthBound) << "set azimuth";
    }
    if (got.transit && !r[8].empty()) {
      // Refraction is counted from a true altitude of -1 degree up.
      const double expected = std::stod(r[9]) < -1 ? std::stod(r[9]) : std::stod(r[8]);
      EXPECT_NEAR(got.transit->altitude, expected, kAltitudeBound) << "transit altitude";
    }
  }
  for (std::size_t b = 0; b < errors.size(); ++b) {
    for (std::size_t e = kRise; e <= kSet; ++e) {
      const ErrorSummary sum = Summarise(errors[b][e]);
      std::cout << std::fixed << std::setprecision(3) << std::setw(8) << kBodyNames[b]
                << std::setw(8) << kEventNames[e] << "  n " << errors[b][e].size() << "  median "
                << sum.median_abs << "  max " << sum.max_abs << "  mean " << sum.mean << " min\n";
    }
    EXPECT_NEAR(Summarise(errors[b][kRise]).mean, Summarise(errors[b][kSet]).mean,
                kHorizonBiasBound)
        << kBodyNames[b] << ": mean error of the risings against that of the settings";
  }
}

// The series place a principal phase up to about 7 minutes from the reference
// (the error of the Moon's longitude and the Delta T they ignore): a day's name is
// compared only when the phase lies farther than this from its midnights.
constexpr double kPhaseMinuteBound = 10;  // [minutes]

TEST(Almanac, MoonAndVenusPhasesAgreeWithTheReference) {
  const auto rows = ReadCsv(MOON_PHASE_REFERENCE_CSV);
  ASSERT_GE(rows.size(), 200u);
  for (const auto& r : rows) {
    ASSERT_EQ(r.size(), 11u);
    SCOPED_TRACE(r[0]);
    const Date d = ParseDate(r[0]);
    const auto day = astro::ComputeAlmanacDay(d.year, d.month, d.day, 35.65, 139.75);
    ASSERT_TRUE(day);
    EXPECT_NEAR(day->moon_age, std::stod(r[1]), 0.01) << "age";
    EXPECT_NEAR(day->moon_illuminated_fraction, std::stod(r[2]), 0.002) << "Moon's fraction";
    const double phase_minute = std::stod(r[5]);
    if (std::abs(phase_minute) > kPhaseMinuteBound &&
        std::abs(phase_minute - astro::kMinutesPerDay) > kPhaseMinuteBound) {
      EXPECT_EQ(astro::MoonPhaseName(day->moon_phase), r[4]);
    }
    EXPECT_NEAR(day->venus.illuminated_fraction, std::stod(r[6]), 0.002) << "Venus's fraction";
    EXPECT_NEAR(day->venus.diameter, std::stod(r[7]), 0.05) << "Venus's diameter";

    // At the same noon: the bright limb, the Moon's distance and its parallax at Tokyo.
    astro::Observation noon;
    ASSERT_TRUE(noon.Compute(d.year, d.month, d.day, 12, 0, 35.65, 139.75));
    const astro::MoonIllumination lit = astro::MoonIlluminationOf(noon.ephemeris);
    // The limb's direction errs by the places' error (4' at most) over the elongation.
    const double limb_error = std::remainder(lit.bright_limb_angle - std::stod(r[3]), 360);
    EXPECT_LE(std::abs(limb_error) * std::sin(lit.elongation * astro::kRad), 4.0 / 60)
        << "bright limb, got " << lit.bright_limb_angle;
    const double distance = astro::MoonDistanceEarthRadii(noon.T);
    EXPECT_NEAR(distance * astro::kEarthRadiusKm, std::stod(r[8]), 100) << "distance [km]";
    const astro::EquatorialPlace geo{noon.ephemeris.BodyRA[astro::kMoon],
                                     noon.ephemeris.BodyDec[astro::kMoon]};
    const astro::TopocentricPlace seen =
        astro::ToTopocentric(geo, distance, 35.65, 139.75, noon.horizontal.SidTime);
    const double shift_ra = std::remainder(seen.ra - geo.ra, 24) * 15 * 3600 *
                            std::cos(geo.dec * astro::kRad);  // [arcseconds]
    EXPECT_NEAR(shift_ra, std::stod(r[9]), 3) << "parallax in right ascension";
    EXPECT_NEAR((seen.dec - geo.dec) * 3600, std::stod(r[10]), 3) << "parallax in declination";
  }
}

}  // namespace
