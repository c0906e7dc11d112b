// The years the Sun, Moon and planet series serve (astro/series_years.h): every
// body within kServedArcmin of Astronomy Engine's place in each of those years,
// and some body beyond it in the year before the first and after the last.
//
// The series are evaluated as the program evaluates them, at T from Universal
// Time, against the references of tests/astro/data: ephemeris_reference.csv
// (1900-2100, every 20 days) and series_years_reference.csv (every day of the
// first served year and the one before, the last and the one after), both
// from tools/accuracy. With PLANETARIUM_SERIES_SPAN_CSV naming a longer reference
// of the same form (tools/accuracy/make-series-span.js), the test prints the
// largest error of each body by century and the runs of years in which some
// body goes beyond kServedArcmin: how the range was measured.

#include "astro/series_years.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/ephemeris.h"

namespace {

constexpr double kServedArcmin = 10.0;  // the largest error of a served year [arcminutes]
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr std::array<const char*, astro::kBodyCount> kBodyNames = {"Sun",  "Moon",    "Venus",
                                                                   "Mars", "Jupiter", "Saturn"};

// The largest error of each body in one calendar year [arcminutes].
using BodyErrors = std::array<double, astro::kBodyCount>;

double SeparationArcmin(double ra1_hours, double dec1_deg, double ra2_hours, double dec2_deg) {
  constexpr double kRad = 3.14159265358979323846 / 180;
  const double d1 = dec1_deg * kRad, d2 = dec2_deg * kRad;
  const double half_da = (ra1_hours - ra2_hours) * 15 * kRad / 2, half_dd = (d1 - d2) / 2;
  const double h = std::sin(half_dd) * std::sin(half_dd) +
                   std::cos(d1) * std::cos(d2) * std::sin(half_da) * std::sin(half_da);
  return 2 * std::asin(std::sqrt(std::min(1.0, h))) / kRad * 60;
}

// Given a reference file (jd_ut, body, ra_hours, dec_degrees); returns the
// largest error of each body in each calendar year of the program's calendar.
std::map<int, BodyErrors> YearlyErrors(const std::string& path) {
  std::map<int, BodyErrors> years;
  std::ifstream in(path);
  EXPECT_TRUE(in.is_open()) << "cannot open " << path;
  astro::Ephemeris ephemeris;
  double last_jd = -1;
  int year = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.rfind("jd_ut,", 0) == 0) continue;
    std::istringstream fields(line);
    std::string jd_text, body, ra, dec;
    std::getline(fields, jd_text, ',');
    std::getline(fields, body, ',');
    std::getline(fields, ra, ',');
    std::getline(fields, dec, ',');
    const double jd = std::stod(jd_text);
    if (jd != last_jd) {
      last_jd = jd;
      ephemeris.T = (jd - kJ2000) / kDaysPerCentury;
      ephemeris.CalcPlanets();
      const std::optional<astro::CalendarMinute> date = astro::MinuteOfJulianDay(jd);
      EXPECT_TRUE(date.has_value()) << "JD " << jd_text;
      year = date ? date->year : 0;
    }
    const auto b = static_cast<std::size_t>(std::find(kBodyNames.begin(), kBodyNames.end(), body) -
                                            kBodyNames.begin());
    EXPECT_LT(b, kBodyNames.size()) << line;
    if (b >= kBodyNames.size()) continue;
    double& largest = years[year][b];
    largest = std::max(largest, SeparationArcmin(ephemeris.BodyRA[b], ephemeris.BodyDec[b],
                                                 std::stod(ra), std::stod(dec)));
  }
  return years;
}

double Largest(const BodyErrors& errors) {
  return *std::max_element(errors.begin(), errors.end());
}

std::string Worst(const BodyErrors& errors) {
  const auto b =
      static_cast<std::size_t>(std::max_element(errors.begin(), errors.end()) - errors.begin());
  std::ostringstream text;
  text << kBodyNames[b] << " " << std::fixed << std::setprecision(2) << errors[b] << "'";
  return text.str();
}

TEST(SeriesYears, EveryBodyWithinTenArcminutesInTheServedYears) {
  for (const char* path : {EPHEMERIS_REFERENCE_CSV, SERIES_YEARS_REFERENCE_CSV}) {
    for (const auto& [year, errors] : YearlyErrors(path)) {
      if (astro::SeriesServeYear(year)) {
        EXPECT_LE(Largest(errors), kServedArcmin) << "year " << year << ": " << Worst(errors);
      }
    }
  }
}

TEST(SeriesYears, SomeBodyBeyondTenArcminutesJustOutside) {
  const std::map<int, BodyErrors> years = YearlyErrors(SERIES_YEARS_REFERENCE_CSV);
  for (const int year : {astro::kFirstSeriesYear - 1, astro::kLastSeriesYear + 1}) {
    SCOPED_TRACE(::testing::Message() << "year " << year);
    ASSERT_TRUE(years.contains(year));
    EXPECT_FALSE(astro::SeriesServeYear(year));
    EXPECT_GT(Largest(years.at(year)), kServedArcmin) << Worst(years.at(year));
  }
  EXPECT_TRUE(astro::SeriesServeYear(astro::kFirstSeriesYear));
  EXPECT_TRUE(astro::SeriesServeYear(astro::kLastSeriesYear));
}

TEST(SeriesYears, ErrorsByCenturyOfALongerReference) {
  const char* path = std::getenv("PLANETARIUM_SERIES_SPAN_CSV");
  if (path == nullptr || *path == '\0') GTEST_SKIP() << "PLANETARIUM_SERIES_SPAN_CSV not set";
  const std::map<int, BodyErrors> years = YearlyErrors(path);
  std::map<int, BodyErrors> centuries;  // by the century's first year
  for (const auto& [year, errors] : years) {
    const int century = static_cast<int>(std::floor(year / 100.0)) * 100;
    for (std::size_t b = 0; b < errors.size(); ++b) {
      centuries[century][b] = std::max(centuries[century][b], errors[b]);
    }
  }
  std::cout << "| Years | Sun | Moon | Venus | Mars | Jupiter | Saturn |\n"
            << "|------:|----:|-----:|------:|-----:|--------:|-------:|\n";
  for (const auto& [century, errors] : centuries) {
    std::cout << "| " << century << " to " << century + 99 << " |";
    for (const double e : errors) {  // arcminutes below a degree, degrees above
      std::cout << ' ' << std::fixed << std::setprecision(1) << (e < 60 ? e : e / 60)
                << (e < 60 ? "'" : "°") << " |";
    }
    std::cout << '\n';
  }
  // The runs of years in which some body goes beyond the limit, with the worst at their ends.
  std::cout << "years with some body beyond " << kServedArcmin << "':";
  bool in_run = false;
  int run_start = 0, previous = 0;
  const auto end_run = [&] {
    std::cout << ' ' << run_start << ".." << previous << " (" << Worst(years.at(run_start))
              << " .. " << Worst(years.at(previous)) << ")";
    in_run = false;
  };
  for (const auto& [year, errors] : years) {
    const bool beyond = Largest(errors) > kServedArcmin;
    if (in_run && (!beyond || year != previous + 1)) end_run();
    if (beyond && !in_run) {
      in_run = true;
      run_start = year;
    }
    previous = year;
  }
  if (in_run) end_run();
  std::cout << '\n';
}

}  // namespace
