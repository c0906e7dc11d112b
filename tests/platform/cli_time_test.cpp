// Instants given in other time zones: fixed instants in and out of summer time
// from the zones' published rules, the planetarium's calendar across its
// Julian-Gregorian change, and "now".

#include <gtest/gtest.h>

#include <QJsonArray>
#include <chrono>
#include <string>
#include <tuple>
#include <variant>

#include "cli_invoke.h"
#include "platform/cli_instant.h"

namespace platform {
namespace {

using platform_test::Json;

const QDateTime kNow(QDate(2000, 1, 1), QTime(12, 0), QTimeZone::utc());

std::variant<DateBoxTexts, CliFailure> Resolve(const std::string& at, const char* zone) {
  const CliOptions options = ParseCliArguments({"table", "--at", at}).options.value();
  return ResolveAt(*options.at, zone ? std::optional<std::string>(zone) : std::nullopt, kNow);
}

std::string Joined(const DateBoxTexts& boxes) {
  return boxes[0] + "-" + boxes[1] + "-" + boxes[2] + " " + boxes[3] + ":" + boxes[4];
}

TEST(CliTimeZones, AnInstantInAZoneBecomesJapanStandardTime) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Europe/Paris", "2024-01-15 12:00", "2024-1-15 20:0"},       // CET, UT + 1 h
      {"Europe/Paris", "2024-07-15T12:00", "2024-7-15 19:0"},       // CEST, UT + 2 h
      {"Europe/Paris", "2024-03-31 01:59", "2024-3-31 9:59"},       // the last minute of CET
      {"Europe/Paris", "2024-03-31 03:00", "2024-3-31 10:0"},       // the first of CEST
      {"Europe/Paris", "2024-10-27 02:30", "2024-10-27 9:30"},      // twice: the first, CEST
      {"Europe/Paris", "2024-10-27 03:00", "2024-10-27 11:0"},      // CET again
      {"America/New_York", "2024-01-15 12:00", "2024-1-16 2:0"},    // EST, UT - 5 h
      {"America/New_York", "2024-07-04 12:00", "2024-7-5 1:0"},     // EDT, UT - 4 h
      {"America/New_York", "2024-11-03 01:30", "2024-11-3 14:30"},  // twice: the first, EDT
      {"Australia/Sydney", "2024-01-15 12:00", "2024-1-15 10:0"},   // AEDT, UT + 11 h
      {"Australia/Sydney", "2024-07-15 12:00", "2024-7-15 11:0"},   // AEST, UT + 10 h
      {"Asia/Kolkata", "2024-06-01 12:00", "2024-6-1 15:30"},       // UT + 5 h 30 min
      {"Asia/Tokyo", "2000-01-01 21:00", "2000-1-1 21:0"},
      {"UTC", "2023-12-31 20:00", "2024-1-1 5:0"},
      {"UTC", "2024-02-28 20:00", "2024-2-29 5:0"},
      {"UTC", "1500-02-28 20:00", "1500-2-29 5:0"},     // a Julian leap day
      {"UTC", "1582-10-04 20:00", "1582-10-15 5:0"},    // the Gregorian reform
      {nullptr, "2024-07-15 12:00", "2024-7-15 12:0"},  // without --tz: Japan Standard Time
      {"Europe/Paris", "now", "2000-1-1 21:0"},         // the clock, whatever the zone
      {nullptr, "now", "2000-1-1 21:0"}};
  for (const auto& [zone, at, japan] : cases) {
    SCOPED_TRACE(std::string(at) + " in " + (zone ? zone : "JST"));
    const auto boxes = Resolve(at, zone);
    ASSERT_TRUE(std::holds_alternative<DateBoxTexts>(boxes)) << std::get<CliFailure>(boxes).message;
    EXPECT_EQ(Joined(std::get<DateBoxTexts>(boxes)), japan);
  }
  EXPECT_TRUE(std::holds_alternative<DateBoxTexts>(Resolve("2024-07-15 12:00", "local")));
}

// Every hour of a leap year in UTC is nine hours later in Japan (std::chrono's calendar).
TEST(CliTimeZones, EveryHourOfAYearInUtcIsNineHoursLaterInJapan) {
  using namespace std::chrono;
  for (sys_time<hours> t = sys_days(2024y / 1 / 1); t < sys_days(2025y / 1 / 1); t += 1h) {
    const year_month_day day(floor<days>(t));
    const auto hour = (t - floor<days>(t)).count();
    const std::string at = std::to_string(int(day.year())) + "-" +
                           std::to_string(unsigned(day.month())) + "-" +
                           std::to_string(unsigned(day.day())) + " " + std::to_string(hour) + ":00";
    const sys_time<hours> japan = t + 9h;
    const year_month_day japan_day(floor<days>(japan));
    const std::string expected = std::to_string(int(japan_day.year())) + "-" +
                                 std::to_string(unsigned(japan_day.month())) + "-" +
                                 std::to_string(unsigned(japan_day.day())) + " " +
                                 std::to_string((japan - floor<days>(japan)).count()) + ":0";
    const auto boxes = Resolve(at, "UTC");
    ASSERT_TRUE(std::holds_alternative<DateBoxTexts>(boxes)) << at;
    ASSERT_EQ(Joined(std::get<DateBoxTexts>(boxes)), expected) << at;
  }
}

// The converted boxes are what the table computes.
TEST(CliTimeZones, TheTableIsComputedForTheConvertedBoxes) {
  const QJsonObject paris = Json("table|--format|json|--at|2024-07-15 12:00|--tz|Europe/Paris");
  EXPECT_EQ(paris["boxes"].toArray(), QJsonArray({"2024", "7", "15", "19", "0"}));
  EXPECT_EQ(paris["rows"], Json("table|--format|json|--at|2024-07-15 19:00")["rows"]);
}

}  // namespace
}  // namespace platform
