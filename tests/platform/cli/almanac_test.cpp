// planetarium-cli almanac: Tokyo on 2026-09-02 against Astronomy Engine 2.1.19
// (that day's rows of tests/astro/data/almanac_reference.csv and
// moon_phase_reference.csv), the text and CSV holding the JSON's values, and
// the exit statuses.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <array>
#include <string>

#include "platform/cli/status.h"
#include "tests/platform/cli/invoke.h"
#include "text/number_text.h"

namespace platform {
namespace {

using platform_test::Invoke;
using platform_test::Json;

const std::string kTokyoDay = "almanac|--site|Tokyo|--date|2026-09-02|--format|";
constexpr const char* kEventFields[] = {"rise", "rise_azimuth", "transit", "transit_altitude",
                                        "set",  "set_azimuth"};
// Bounds of the fields above: the half minute of rounding and the series' own
// error [minutes], and the almanac's own bounds of azimuth and altitude [degrees].
constexpr double kBounds[] = {1, 0.3, 1, 0.1, 1, 0.3};

struct ReferenceBody {
  const char* id;
  std::array<double, 6> values;  // as kEventFields: [minutes after 00:00 JST] and [degrees]
};
constexpr ReferenceBody kTokyo[] = {
    {"sun", {313.394, 79.468, 700.811, 62.302, 1087.648, 280.289}},
    {"moon", {1236.895, 63.301, 184.446, 72.039, 617.737, 294.147}},
    {"venus", {533.607, 105.092, 859.526, 41.712, 1184.881, 254.677}},
    {"mars", {42.809, 60.437, 477.586, 77.601, 912.250, 299.523}},
    {"jupiter", {188.924, 68.239, 602.361, 71.513, 1015.689, 291.718}},
    {"saturn", {1177.515, 85.988, 111.852, 57.297, 482.086, 274.027}}};

TEST(CliAlmanac, TokyoOnOneDayAgreesWithAstronomyEngine) {
  const QJsonObject almanac = Json(kTokyoDay + "json");
  EXPECT_EQ(almanac.keys(), (QStringList{"bodies", "date", "moon", "site", "venus"}));
  EXPECT_EQ(almanac["date"].toString() + almanac["site"].toString(), "2026-09-02東京");
  const QJsonArray bodies = almanac["bodies"].toArray();
  ASSERT_EQ(bodies.size(), 6);
  for (qsizetype b = 0; b < bodies.size(); ++b) {
    const QJsonObject body = bodies[b].toObject();
    SCOPED_TRACE(kTokyo[b].id);
    EXPECT_EQ(body["id"].toString(), kTokyo[b].id);
    for (std::size_t f = 0; f < std::size(kEventFields); ++f) {
      const QJsonValue value = body[kEventFields[f]];
      const QString time = value.toString();  // "HH:MM" for the events
      const double got =
          value.isString() ? time.left(2).toInt() * 60 + time.mid(3).toInt() : value.toDouble();
      EXPECT_NEAR(got, kTokyo[b].values[f], kBounds[f]) << kEventFields[f];
    }
  }
  const QJsonObject moon = almanac["moon"].toObject(), venus = almanac["venus"].toObject();
  EXPECT_NEAR(moon["age"].toDouble(), 20.39084, 0.01);
  EXPECT_NEAR(moon["illuminated"].toDouble(), 0.74076, 0.002);
  EXPECT_EQ(moon["phase"].toString(), QStringLiteral("満月から下弦へ"));
  EXPECT_NEAR(venus["illuminated"].toDouble(), 0.38039, 0.002);
  EXPECT_NEAR(venus["diameter"].toDouble(), 30.5678, 0.05);
}

TEST(CliAlmanac, TextAndCsvHoldTheJsonsValues) {
  const QJsonObject almanac = Json(kTokyoDay + "json");
  const QStringList csv =
      QString::fromStdString(Invoke(kTokyoDay + "csv").out).split("\r\n", Qt::SkipEmptyParts);
  const QString text = QString::fromStdString(Invoke(kTokyoDay + "text").out);
  ASSERT_EQ(csv.size(), 7);
  const QStringList header = csv[0].split(',');
  EXPECT_EQ(csv[0],
            "date,site,id,name,rise,rise_azimuth,transit,transit_altitude,set,set_azimuth,age,"
            "illuminated,phase,diameter");
  const QJsonObject by_row[] = {{}, {}, almanac["moon"].toObject(), almanac["venus"].toObject()};
  for (qsizetype r = 1; r < csv.size(); ++r) {
    const QStringList fields = csv[r].split(',');
    const QJsonObject body = almanac["bodies"].toArray()[r - 1].toObject();
    const QJsonObject phases = r < 4 ? by_row[r] : QJsonObject();
    const QString line =
        text.mid(text.indexOf("\n" + body["name"].toString() + " ")).section('\n', 1, 1);
    SCOPED_TRACE(csv[r].toStdString());
    ASSERT_EQ(fields.size(), header.size());
    for (qsizetype c = 0; c < header.size(); ++c) {
      const QJsonValue value = c < 2    ? almanac[header[c]]
                               : c < 10 ? body[header[c]]
                                        : phases[header[c]];
      // What the JSON does not hold is an empty field.
      if (value.isDouble()) {
        EXPECT_EQ(fields[c].toDouble(), value.toDouble()) << header[c].toStdString();
      } else {
        EXPECT_EQ(fields[c], value.toString()) << header[c].toStdString();
      }
      // The text's line of the body: the times, and the angles as the readout shows them.
      if (c >= 4 && c < 10) {
        const QString shown = value.isDouble()
                                  ? QString::fromStdString(text::FormatOneDecimal(value.toDouble()))
                                  : value.toString();
        EXPECT_TRUE(line.contains(shown)) << line.toStdString() << " lacks " << shown.toStdString();
      }
    }
  }
  const double age = almanac["moon"]["age"].toDouble();
  EXPECT_TRUE(text.contains(QString::fromStdString(text::FormatOneDecimal(age)) + "\n"));
  EXPECT_TRUE(text.contains(almanac["moon"]["phase"].toString() + "\n"));
}

TEST(CliAlmanac, TodayByTheClockFailuresByTheirStatus) {
  const QJsonObject today = Json("almanac|--lat|35|--lon|135|--format|json");
  EXPECT_EQ(today["date"].toString(), "2000-01-01");  // the clock's day in Japan
  EXPECT_EQ(today["site"].toString(), QStringLiteral("北緯 35°、東経 135°"));
  const struct {
    const char* args;
    int status;
    const char* named;
  } cases[] = {
      {"almanac|--date|2026-02-30", kCliUsageError,
       "--date '2026-02-30': there is no day 30 in February 2026"},
      {"almanac|--date|2026-09-02 12:00", kCliUsageError, "--date wants YYYY-MM-DD"},
      {"almanac|--at|now", kCliUsageError, "--at does not apply to almanac"},
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
