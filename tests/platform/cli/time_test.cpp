// Instants given in other time zones: fixed instants in and out of summer time
// from the zones' published rules, the planetarium's calendar across its
// Julian-Gregorian change, and "now".

#include <gtest/gtest.h>

#include <QJsonArray>
#include <chrono>
#include <ctime>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

#include "platform/cli/instant.h"
#include "platform/qt/system_clock.h"
#include "tests/platform/cli/invoke.h"

namespace platform {
namespace {

using app::DateBoxTexts;
using platform_test::Json;

std::variant<DateBoxTexts, CliFailure> Resolve(const std::string& at, const char* zone) {
  const CliOptions options = ParseCliArguments({"table", "--at", at}).options.value();
  const platform_test::FixedClock clock;  // 2000-01-01 21:00 Japan Standard Time
  return ResolveAt(*options.at, zone ? std::optional<std::string>(zone) : std::nullopt, clock);
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

// Only zones the time-zone database knows, UTC, local and JST: anything else
// is refused (exit 2) with the closest names, never read as UT.
TEST(CliTimeZones, UnknownZonesAreRefusedWithTheClosestNames) {
  const std::pair<const char*, const char*> refused[] = {
      {"Paris", "did you mean Europe/Paris?"},
      {"Tokyo", "Asia/Tokyo"},
      {"Tokio", "Asia/Tokyo"},
      {"europe/paris", "Europe/Paris"},
      {"XYZ", "a name of the time-zone database such as Europe/Paris"},
      {"nan", "such as Europe/Paris"}};
  for (const auto& [zone, hint] : refused) {
    const auto boxes = Resolve("2020-01-01 00:00", zone);
    ASSERT_TRUE(std::holds_alternative<CliFailure>(boxes)) << zone;
    const CliFailure& failure = std::get<CliFailure>(boxes);
    EXPECT_EQ(failure.status, kCliUsageError) << zone;
    EXPECT_NE(failure.message.find("--tz: unknown time zone '" + std::string(zone) + "'"),
              std::string::npos)
        << failure.message;
    EXPECT_NE(failure.message.find(hint), std::string::npos) << failure.message;
  }
  // JST is Japan Standard Time itself: the instant stays as it is.
  const auto jst = Resolve("2020-01-01 00:00", "JST");
  ASSERT_TRUE(std::holds_alternative<DateBoxTexts>(jst));
  EXPECT_EQ(Joined(std::get<DateBoxTexts>(jst)), "2020-1-1 0:0");
}

// An instant that does not exist is refused (exit 2) naming the field at
// fault, with or without a zone.
TEST(CliInstants, AnInstantThatDoesNotExistIsRefusedNamingTheField) {
  const std::tuple<const char*, const char*, const char*> refused[] = {
      {"2024-02-30T20:00", nullptr, "there is no day 30 in February 2024"},
      {"2023-02-29T00:00", nullptr, "there is no day 29 in February 2023"},
      {"2024-13-01T00:00", nullptr, "there is no month 13"},
      {"2024-08-12 25:00", nullptr, "there is no hour 25"},
      {"2024-08-12 20:61", nullptr, "there is no minute 61"},
      {"2024-00-10 20:00", nullptr, "there is no month 0"},
      {"2024-08-00 20:00", nullptr, "there is no day 0 in August 2024"},
      {"1582-10-10 20:00", nullptr, "there is no day 10 in October 1582"},
      {"2023-02-29 12:00", "UTC", "there is no day 29 in February 2023"},
      {"2024-01-01 24:00", "Europe/Paris", "there is no hour 24"}};
  for (const auto& [at, zone, named] : refused) {
    const auto boxes = Resolve(at, zone);
    ASSERT_TRUE(std::holds_alternative<CliFailure>(boxes)) << at;
    EXPECT_EQ(std::get<CliFailure>(boxes).status, kCliUsageError) << at;
    EXPECT_NE(std::get<CliFailure>(boxes).message.find(named), std::string::npos)
        << std::get<CliFailure>(boxes).message;
  }
  // Leap days that exist, in both calendars, and the last minute of a day.
  for (const char* at : {"2024-02-29 20:00", "1500-02-29 12:00", "2000-02-29 23:59"}) {
    EXPECT_TRUE(std::holds_alternative<DateBoxTexts>(Resolve(at, nullptr))) << at;
  }
}

// A date that exists but that the planetarium cannot compute is refused with
// status 3, before and after the shift to Japan Standard Time.
TEST(CliInstants, AnInstantOutsideTheComputedYearsHasNothingToCompute) {
  const std::pair<const char*, const char*> refused[] = {
      {"40000-01-01 00:00", "the year must be from -32768 to 32767"},
      {"32767-12-31 20:00", "falls outside the years -32768 to 32767 in Japan Standard Time"}};
  for (const auto& [at, named] : refused) {
    const auto boxes = Resolve(at, "UTC");
    ASSERT_TRUE(std::holds_alternative<CliFailure>(boxes)) << at;
    EXPECT_EQ(std::get<CliFailure>(boxes).status, kCliNothingToCompute) << at;
    EXPECT_NE(std::get<CliFailure>(boxes).message.find(named), std::string::npos)
        << std::get<CliFailure>(boxes).message;
  }
}

// The clock is read in Japan Standard Time whatever zone the computer is set
// to (the boxes hold Japan Standard Time): UT + 9 h, to the minute.
TEST(SystemClock, ReadsJapanStandardTimeInAnyZone) {
  using namespace std::chrono;
  const auto japan_minute = [] {
    const auto japan = floor<minutes>(system_clock::now()) + 9h;
    const year_month_day day(floor<days>(japan));
    const hh_mm_ss<minutes> time(japan - floor<days>(japan));
    return app::JapanDateTime{int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())),
                              int(time.hours().count()), int(time.minutes().count())};
  };
  const auto same = [](const app::JapanDateTime& a, const app::JapanDateTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) ==
           std::tie(b.year, b.month, b.day, b.hour, b.minute);
  };
  const bool zone_was_set = qEnvironmentVariableIsSet("TZ");
  const QByteArray zone_before = qgetenv("TZ");
  for (const char* zone : {"Europe/Paris", "Pacific/Kiritimati", "America/Los_Angeles", "UTC"}) {
    qputenv("TZ", zone);
    tzset();
    const app::JapanDateTime before = japan_minute();
    const app::JapanDateTime read = SystemClock().Now();
    const app::JapanDateTime after = japan_minute();
    EXPECT_TRUE(same(read, before) || same(read, after)) << zone << ": " << read.hour;
  }
  if (zone_was_set) {
    qputenv("TZ", zone_before);
  } else {
    qunsetenv("TZ");
  }
  tzset();
}

// The converted boxes are what the table computes.
TEST(CliTimeZones, TheTableIsComputedForTheConvertedBoxes) {
  const QJsonObject paris = Json("table|--format|json|--at|2024-07-15 12:00|--tz|Europe/Paris");
  EXPECT_EQ(paris["boxes"].toArray(), QJsonArray({"2024", "7", "15", "19", "0"}));
  EXPECT_EQ(paris["rows"], Json("table|--format|json|--at|2024-07-15 19:00")["rows"]);
}

}  // namespace
}  // namespace platform
