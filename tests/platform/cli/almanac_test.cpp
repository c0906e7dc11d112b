// planetarium-cli almanac: Tokyo on 2026-09-02 against Astronomy Engine 2.1.19
// (tests/astro/data/almanac_reference.csv and moon_phase_reference.csv, the
// rows of that day), the text and CSV listings holding the JSON's values, and
// the exit statuses.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/cli/status.h"
#include "tests/platform/cli/invoke.h"
#include "text/number_text.h"

namespace platform {
namespace {

using platform_test::Invoke;
using platform_test::Json;

constexpr const char* kTokyoDay = "almanac|--site|Tokyo|--date|2026-09-02|--format|";

// A reference row: each event's minute after 00:00 JST and its azimuth or
// altitude (refracted) [degrees].
struct ReferenceBody {
  const char* id;
  const char* name;
  double rise, rise_azimuth, transit, transit_altitude, set, set_azimuth;
};
constexpr ReferenceBody kTokyoReference[] = {
    {"sun", "太陽", 313.394, 79.468, 700.811, 62.302, 1087.648, 280.289},
    {"moon", "月", 1236.895, 63.301, 184.446, 72.039, 617.737, 294.147},
    {"venus", "金星", 533.607, 105.092, 859.526, 41.712, 1184.881, 254.677},
    {"mars", "火星", 42.809, 60.437, 477.586, 77.601, 912.250, 299.523},
    {"jupiter", "木星", 188.924, 68.239, 602.361, 71.513, 1015.689, 291.718},
    {"saturn", "土星", 1177.515, 85.988, 111.852, 57.297, 482.086, 274.027}};

int Minutes(const QJsonValue& clock_time) {
  const std::string text = clock_time.toString().toStdString();
  return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
}

TEST(CliAlmanac, TokyoOnOneDayAgreesWithAstronomyEngine) {
  const QJsonObject almanac = Json(std::string(kTokyoDay) + "json");
  EXPECT_EQ(almanac.keys(), (QStringList{"bodies", "date", "moon", "site", "venus"}));
  EXPECT_EQ(almanac["date"].toString(), "2026-09-02");
  EXPECT_EQ(almanac["site"].toString(), QStringLiteral("東京"));
  const QJsonArray bodies = almanac["bodies"].toArray();
  ASSERT_EQ(bodies.size(), 6);
  for (qsizetype b = 0; b < bodies.size(); ++b) {
    const ReferenceBody& expected = kTokyoReference[b];
    const QJsonObject body = bodies[b].toObject();
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(body["id"].toString().toStdString(), expected.id);
    EXPECT_EQ(body["name"].toString().toStdString(), expected.name);
    // The half minute of rounding and the series' own error [minutes].
    EXPECT_NEAR(Minutes(body["rise"]), expected.rise, 1);
    EXPECT_NEAR(Minutes(body["transit"]), expected.transit, 1);
    EXPECT_NEAR(Minutes(body["set"]), expected.set, 1);
    EXPECT_NEAR(body["rise_azimuth"].toDouble(), expected.rise_azimuth, 0.3);
    EXPECT_NEAR(body["transit_altitude"].toDouble(), expected.transit_altitude, 0.1);
    EXPECT_NEAR(body["set_azimuth"].toDouble(), expected.set_azimuth, 0.3);
  }
  const QJsonObject moon = almanac["moon"].toObject(), venus = almanac["venus"].toObject();
  EXPECT_NEAR(moon["age"].toDouble(), 20.39084, 0.01);
  EXPECT_NEAR(moon["illuminated"].toDouble(), 0.74076, 0.002);
  EXPECT_EQ(moon["phase"].toString(), QStringLiteral("満月から下弦へ"));
  EXPECT_NEAR(venus["illuminated"].toDouble(), 0.38039, 0.002);
  EXPECT_NEAR(venus["diameter"].toDouble(), 30.5678, 0.05);
}

// The records of CSV, split at commas (no field of this listing is quoted: no
// name holds a comma or a quote), an empty field at the end kept.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    std::vector<std::string> fields;
    for (std::size_t field = start;;) {
      const std::size_t comma = std::min(text.find(',', field), end);
      fields.push_back(text.substr(field, comma - field));
      if (comma == end) break;
      field = comma + 1;
    }
    records.push_back(fields);
    start = end + 2;
  }
  return records;
}

TEST(CliAlmanac, TextAndCsvHoldTheJsonsValues) {
  const QJsonObject almanac = Json(std::string(kTokyoDay) + "json");
  const auto csv = CsvRecords(Invoke(std::string(kTokyoDay) + "csv").out);
  const std::string text = Invoke(std::string(kTokyoDay) + "text").out;
  ASSERT_EQ(csv.size(), 7u);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"date", "site", "id", "name", "rise", "rise_azimuth",
                                              "transit", "transit_altitude", "set", "set_azimuth",
                                              "age", "illuminated", "phase", "diameter"}));
  const QJsonArray bodies = almanac["bodies"].toArray();
  const QJsonObject moon = almanac["moon"].toObject(), venus = almanac["venus"].toObject();
  for (std::size_t b = 0; b < 6; ++b) {
    const std::vector<std::string>& record = csv[b + 1];
    const QJsonObject body = bodies[static_cast<qsizetype>(b)].toObject();
    SCOPED_TRACE(body["id"].toString().toStdString());
    ASSERT_EQ(record.size(), 14u);
    // The body's line of the text: its name, then its cells.
    const std::size_t line_start = text.find("\n" + record[3] + " ");
    ASSERT_NE(line_start, std::string::npos);
    const std::string line = text.substr(line_start, text.find('\n', line_start + 1) - line_start);
    for (std::size_t column = 0; column < 10; ++column) {
      const QString key = QString::fromStdString(csv[0][column]);
      const QJsonValue value = column < 2 ? almanac[key] : body[key];
      if (value.isDouble()) {
        EXPECT_EQ(std::stod(record[column]), value.toDouble()) << csv[0][column];
        // Azimuths and altitudes as the readout shows them.
        EXPECT_NE(line.find(text::FormatOneDecimal(value.toDouble())), std::string::npos) << line;
      } else {
        EXPECT_EQ(record[column], value.toString().toStdString()) << csv[0][column];
        if (column >= 4) {  // the times
          EXPECT_NE(line.find(record[column]), std::string::npos) << line;
        }
      }
    }
  }
  EXPECT_EQ(std::stod(csv[2][10]), moon["age"].toDouble());
  EXPECT_EQ(std::stod(csv[2][11]), moon["illuminated"].toDouble());
  EXPECT_EQ(csv[2][12], moon["phase"].toString().toStdString());
  EXPECT_EQ(std::stod(csv[3][11]), venus["illuminated"].toDouble());
  EXPECT_EQ(std::stod(csv[3][13]), venus["diameter"].toDouble());
  // The lit parts as whole percents.
  const auto percent = [](const QJsonValue& fraction) {
    return std::to_string(std::lround(fraction.toDouble() * 100)) + "%\n";
  };
  for (const std::string& shown :
       {text::FormatOneDecimal(moon["age"].toDouble()) + "\n", percent(moon["illuminated"]),
        moon["phase"].toString().toStdString() + "\n", percent(venus["illuminated"]),
        text::FormatOneDecimal(venus["diameter"].toDouble()) + "″\n"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown;
  }
}

TEST(CliAlmanac, TodayByTheClockAndTypedCoordinates) {
  const QJsonObject almanac = Json("almanac|--lat|35|--lon|135|--format|json");
  EXPECT_EQ(almanac["date"].toString(), "2000-01-01");  // the clock's day in Japan
  EXPECT_EQ(almanac["site"].toString(), QStringLiteral("北緯 35°、東経 135°"));
}

TEST(CliAlmanac, FailuresExitWithTheirStatusAndWriteNothing) {
  const struct {
    const char* args;
    int status;
    const char* named;
  } cases[] = {
      {"almanac|--date|2026-02-30", kCliUsageError,
       "--date '2026-02-30': there is no day 30 in February 2026"},
      {"almanac|--date|2026-13-01", kCliUsageError, "there is no month 13"},
      {"almanac|--date|2026/09/02", kCliUsageError, "--date wants YYYY-MM-DD"},
      {"almanac|--date|2026-09-02 12:00", kCliUsageError, "--date wants YYYY-MM-DD"},
      {"almanac|--at|now", kCliUsageError, "--at does not apply to almanac"},
      {"almanac|--site|Atlantis", kCliUsageError, "--site"},
      {"almanac|--date|70000-01-01", kCliNothingToCompute, "--date '70000-01-01': the year"},
      {"almanac|--lat|1e999", kCliNothingToCompute, "latitude box"},
  };
  for (const auto& c : cases) {
    const platform_test::CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << ": " << run.err;
  }
}

}  // namespace
}  // namespace platform
