// Instants typed outside the window: which five numbers are a minute of the
// calendar, and the same instant from a zone's clocks in Japan Standard Time.

#include "app/zoned_instant.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using Fault = InstantFault;
using Japan = std::variant<DateBoxTexts, Fault>;

TEST(ReadInstant, NamesTheFirstFieldThatIsNoMinuteOfTheCalendar) {
  const std::pair<DateBoxTexts, std::optional<Fault>> cases[] = {
      {{"2024", "2", "29", "23", "59"}, std::nullopt},
      {{"1582", "10", "4", "0", "0"}, std::nullopt},  // the last Julian day
      {{"1500", "2", "29", "0", "0"}, std::nullopt},  // a Julian leap year
      {{"2023", "2", "29", "0", "0"}, Fault::kNoSuchDay},
      {{"1582", "10", "10", "0", "0"}, Fault::kNoSuchDay},  // skipped by the change
      {{"2005", "13", "40", "25", "61"}, Fault::kNoSuchMonth},
      {{"2005", "1", "1", "24", "0"}, Fault::kNoSuchHour},
      {{"2005", "1", "1", "23", "60"}, Fault::kNoSuchMinute},
      {{"32768", "13", "40", "25", "61"}, Fault::kYearOutside16Bits}};
  for (const auto& [texts, fault] : cases) {
    const auto read = ReadInstant(texts);
    EXPECT_TRUE(fault ? std::get_if<Fault>(&read) && std::get<Fault>(read) == *fault
                      : std::holds_alternative<astro::CalendarMinute>(read))
        << texts[0] << "-" << texts[1] << "-" << texts[2] << " " << texts[3] << ":" << texts[4];
  }
}

// Central European Time with the summer time of 2024 (UT + 2 h from
// 31 March to 27 October, 01:00 UT).
int Paris(double unix_seconds) {
  const double start = 1711846800;  // 2024-03-31 01:00 UT
  const double end = 1729990800;    // 2024-10-27 01:00 UT
  return unix_seconds >= start && unix_seconds < end ? 7200 : 3600;
}

ZoneOffset Fixed(int seconds) {
  return [seconds](double) { return seconds; };
}

TEST(InJapan, ShiftsAWallClockMinuteToJapanStandardTime) {
  const std::tuple<astro::CalendarMinute, ZoneOffset, Japan> cases[] = {
      {{2024, 8, 12, 22, 0}, Paris, DateBoxTexts{"2024", "8", "13", "5", "0"}},
      {{2024, 1, 31, 23, 30}, Paris, DateBoxTexts{"2024", "2", "1", "7", "30"}},
      {{2024, 3, 31, 2, 30}, Paris, Fault::kSkipped},  // the clocks skip it
      {{2024, 10, 27, 2, 30}, Paris, DateBoxTexts{"2024", "10", "27", "9", "30"}},  // the first
      {{1900, 1, 1, 0, 0}, Fixed(561), DateBoxTexts{"1900", "1", "1", "8", "51"}},  // 9 min 21 s
      {{2000, 3, 1, 0, 0}, Fixed(-5 * 3600), DateBoxTexts{"2000", "3", "1", "14", "0"}},
      {{1582, 10, 4, 20, 0}, Fixed(0), DateBoxTexts{"1582", "10", "15", "5", "0"}},
      {{32767, 12, 31, 20, 0}, Fixed(0), Fault::kOutsideYearsInJapan}};
  for (const auto& [wall, offset, japan] : cases) {
    EXPECT_EQ(InJapan(wall, offset), japan) << wall.year << "-" << wall.month << "-" << wall.day;
  }
}

}  // namespace
}  // namespace app
