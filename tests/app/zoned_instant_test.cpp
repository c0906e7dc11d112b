// Instants typed outside the window: which five numbers are a minute of the
// planetarium's calendar, and the same instant from a zone's clocks in Japan
// Standard Time, across summer time and the calendar's change of 1582.

#include "app/zoned_instant.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace app {
namespace {

using Fault = InstantFault;

TEST(ReadInstant, TakesTheMinutesOfTheCalendarAndNamesTheFirstFieldAtFault) {
  const std::pair<DateBoxTexts, std::optional<Fault>> cases[] = {
      {{"2005", "10", "22", "21", "0"}, std::nullopt},
      {{"2024", "2", "29", "23", "59"}, std::nullopt},
      {{"0012", "01", "01", "00", "00"}, std::nullopt},  // leading zeros
      {{"1582", "10", "4", "0", "0"}, std::nullopt},     // the last Julian day
      {{"1582", "10", "15", "0", "0"}, std::nullopt},    // the first Gregorian day
      {{"1500", "2", "29", "0", "0"}, std::nullopt},     // a Julian leap year
      {{"2023", "2", "29", "0", "0"}, Fault::kNoSuchDay},
      {{"1582", "10", "10", "0", "0"}, Fault::kNoSuchDay},  // skipped by the change
      {{"2005", "4", "31", "0", "0"}, Fault::kNoSuchDay},
      {{"2005", "4", "0", "0", "0"}, Fault::kNoSuchDay},
      {{"2005", "0", "1", "0", "0"}, Fault::kNoSuchMonth},
      {{"2005", "13", "1", "0", "0"}, Fault::kNoSuchMonth},
      {{"2005", "1", "1", "24", "0"}, Fault::kNoSuchHour},
      {{"2005", "1", "1", "23", "60"}, Fault::kNoSuchMinute},
      {{"2005", "1", "1", "23", "99999"}, Fault::kNoSuchMinute},
      {{"32768", "13", "40", "25", "61"}, Fault::kYearOutside16Bits},  // the year first
      {{"2005", "13", "40", "25", "61"}, Fault::kNoSuchMonth}};
  for (const auto& [texts, fault] : cases) {
    const auto read = ReadInstant(texts);
    const std::string shown =
        texts[0] + "-" + texts[1] + "-" + texts[2] + " " + texts[3] + ":" + texts[4];
    if (fault) {
      ASSERT_TRUE(std::holds_alternative<Fault>(read)) << shown;
      EXPECT_EQ(std::get<Fault>(read), *fault) << shown;
    } else {
      ASSERT_TRUE(std::holds_alternative<astro::CalendarMinute>(read)) << shown;
      const DateBoxTexts back = BoxTexts(std::get<astro::CalendarMinute>(read));
      EXPECT_EQ(back[0], std::to_string(std::stoi(texts[0]))) << shown;
      EXPECT_EQ(back[4], std::to_string(std::stoi(texts[4]))) << shown;
    }
  }
}

double JulianDay(int year, int month, double day) {
  return *astro::ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), day);
}

// Central European Time with the summer time of 2024: UT + 2 h from
// 31 March 01:00 UT to 27 October 01:00 UT, UT + 1 h otherwise.
int ParisOffset(double julian_day) {
  const bool summer = julian_day >= JulianDay(2024, 3, 31 + 1 / 24.0) &&
                      julian_day < JulianDay(2024, 10, 27 + 1 / 24.0);
  return summer ? 7200 : 3600;
}

ZoneOffset Fixed(int seconds) {
  return [seconds](double) { return seconds; };
}

TEST(InJapan, ShiftsAWallClockMinuteToJapanStandardTime) {
  struct Case {
    const char* what;
    astro::CalendarMinute wall;
    ZoneOffset offset;
    std::variant<DateBoxTexts, Fault> japan;
  };
  const Case cases[] = {
      {"UT", {2000, 1, 1, 12, 0}, Fixed(0), DateBoxTexts{"2000", "1", "1", "21", "0"}},
      {"Japan itself",
       {2000, 1, 1, 12, 0},
       Fixed(9 * 3600),
       DateBoxTexts{"2000", "1", "1", "12", "0"}},
      {"Paris in summer",
       {2024, 8, 12, 22, 0},
       ParisOffset,
       DateBoxTexts{"2024", "8", "13", "5", "0"}},
      {"Paris in winter",
       {2024, 1, 31, 23, 30},
       ParisOffset,
       DateBoxTexts{"2024", "2", "1", "7", "30"}},
      {"the hour Paris skips", {2024, 3, 31, 2, 30}, ParisOffset, Fault::kSkipped},
      {"the hour Paris passes twice, first time",
       {2024, 10, 27, 2, 30},
       ParisOffset,
       DateBoxTexts{"2024", "10", "27", "9", "30"}},
      {"India, half an hour",
       {2000, 1, 1, 0, 0},
       Fixed(5 * 3600 + 1800),
       DateBoxTexts{"2000", "1", "1", "3", "30"}},
      {"Paris mean time, 9 min 21 s, to the nearest minute",
       {1900, 1, 1, 0, 0},
       Fixed(561),
       DateBoxTexts{"1900", "1", "1", "8", "51"}},
      {"New York, back over a day",
       {2000, 3, 1, 0, 0},
       Fixed(-5 * 3600),
       DateBoxTexts{"2000", "3", "1", "14", "0"}},
      {"across the change of calendar",
       {1582, 10, 4, 20, 0},
       Fixed(0),
       DateBoxTexts{"1582", "10", "15", "5", "0"}},
      {"beyond the last year", {32767, 12, 31, 20, 0}, Fixed(0), Fault::kOutsideYearsInJapan}};
  for (const Case& c : cases) {
    EXPECT_EQ(InJapan(c.wall, c.offset), c.japan) << c.what;
  }
}

}  // namespace
}  // namespace app
