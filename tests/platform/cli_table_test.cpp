// The command line's readout for 2000-01-01 21:00 Japan Standard Time at Tokyo:
// 12:00 UT, Julian day 2451545.0, so T = 0. The star rows are checked against
// the textbook conversion with the mean sidereal time of the IAU 1982 formula
// and the Sun against the Astronomical Almanac's low-precision Sun.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/star_tables.h"
#include "fakes.h"
#include "platform/cli_options.h"
#include "platform/cli_run.h"

namespace platform {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kTokyoLat = 35.65;   // [degrees]
constexpr double kTokyoLon = 139.75;  // [degrees east]
// Mean sidereal time at Greenwich at JD 2451545.0 [degrees]: 280.46061837.
constexpr double kGmstDeg = 280.46061837;

struct AltAz {
  double alt, az;  // [degrees]
};

AltAz Horizontal(double ra_hours, double dec_deg) {
  const double hour_angle = (kGmstDeg + kTokyoLon - ra_hours * 15.0) * kDeg;
  const double lat = kTokyoLat * kDeg;
  const double dec = dec_deg * kDeg;
  const double sin_alt =
      std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hour_angle);
  const double az = std::atan2(
      -std::cos(dec) * std::sin(hour_angle),
      std::sin(dec) * std::cos(lat) - std::cos(dec) * std::cos(hour_angle) * std::sin(lat));
  double az_deg = az / kDeg;
  if (az_deg < 0) az_deg += 360.0;
  return {std::asin(sin_alt) / kDeg, az_deg};
}

// Difference of two azimuths [degrees], folded into -180..180.
double AzimuthGap(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun RunArgs(const std::vector<std::string>& args) {
  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  CliEnvironment environment{clock, start_file};
  const CliParse parse = ParseCliArguments(args);
  CliRun run;
  if (!parse.options) {
    run.err = parse.error;
    run.status = kCliUsageError;
    return run;
  }
  std::ostringstream out, err;
  run.status = RunCli(*parse.options, environment, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

QJsonObject TableJson(std::vector<std::string> extra = {}) {
  std::vector<std::string> args = {"table", "--format",        "json", "--site", "東京",
                                   "--at",  "2000-01-01 21:00"};
  args.insert(args.end(), extra.begin(), extra.end());
  const CliRun run = RunArgs(args);
  EXPECT_EQ(run.status, kCliOk) << run.err;
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return document.object();
}

TEST(CliTable, JsonNamesTheSiteBoxesAndRows) {
  const QJsonObject table = TableJson();
  EXPECT_EQ(table["site"].toString().toStdString(), "東京");
  const QJsonArray boxes = table["boxes"].toArray();
  ASSERT_EQ(boxes.size(), 5);
  const char* expected_boxes[] = {"2000", "1", "1", "21", "0"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(boxes[i].toString().toStdString(), expected_boxes[i]);
  EXPECT_EQ(table["latitude"].toString().toStdString(), "35.65");
  EXPECT_EQ(table["longitude"].toString().toStdString(), "139.75");

  const QJsonArray rows = table["rows"].toArray();
  ASSERT_EQ(rows.size(), 26);
  const char* bodies[] = {" 太陽", " 月　", " 金星", " 火星", " 木星", " 土星"};
  catalog::StarTables stars;
  stars.SetBrightStars();
  for (int r = 0; r < 26; ++r) {
    SCOPED_TRACE(r);
    const QJsonObject row = rows[r].toObject();
    const std::string name = row["name"].toString().toStdString();
    if (r < 6) {
      EXPECT_EQ(name, bodies[r]);
    } else {
      EXPECT_EQ(name, stars.StarName[static_cast<std::size_t>(r - 5)]);
    }
    const double alt = row["alt"].toDouble(-1000);
    const double az = row["az"].toDouble(-1000);
    EXPECT_GE(alt, -90.0);
    EXPECT_LE(alt, 90.0);
    EXPECT_GE(az, 0.0);
    EXPECT_LT(az, 360.0);
  }
}

TEST(CliTable, StarsAgreeWithAnIndependentConversion) {
  const QJsonArray rows = TableJson()["rows"].toArray();
  ASSERT_EQ(rows.size(), 26);
  catalog::StarTables stars;
  stars.SetBrightStars();
  // The program uses the apparent sidereal time (0.004 degrees from the mean
  // one at this date); near the zenith an azimuth error grows as 1 / cos(alt).
  constexpr double kToleranceDeg = 0.02;
  for (int k = 1; k <= catalog::kBrightStarCount; ++k) {
    const QJsonObject row = rows[k + 5].toObject();
    SCOPED_TRACE(row["name"].toString().toStdString());
    const AltAz expected = Horizontal(stars.StarTable(1, k), stars.StarTable(2, k));
    const double alt = row["alt"].toDouble();
    EXPECT_NEAR(alt, expected.alt, kToleranceDeg);
    EXPECT_NEAR(AzimuthGap(row["az"].toDouble(), expected.az) * std::cos(alt * kDeg), 0.0,
                kToleranceDeg);
  }
}

TEST(CliTable, SunAgreesWithTheAlmanacLowPrecisionSun) {
  // T = 0: mean longitude 280.460, mean anomaly 357.528 [degrees].
  const double g = 357.528 * kDeg;
  const double lambda = (280.460 + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDeg;
  const double obliquity = 23.439 * kDeg;
  double ra_deg = std::atan2(std::cos(obliquity) * std::sin(lambda), std::cos(lambda)) / kDeg;
  if (ra_deg < 0) ra_deg += 360;
  const double dec_deg = std::asin(std::sin(obliquity) * std::sin(lambda)) / kDeg;
  const AltAz expected = Horizontal(ra_deg / 15.0, dec_deg);

  const QJsonObject sun = TableJson()["rows"].toArray()[0].toObject();
  EXPECT_NEAR(sun["alt"].toDouble(), expected.alt, 0.1);
  EXPECT_NEAR(AzimuthGap(sun["az"].toDouble(), expected.az), 0.0, 0.1);
}

TEST(CliTable, TextShowsTheLabelsRoundedToOneDecimal) {
  const QJsonArray rows = TableJson()["rows"].toArray();
  const CliRun run = RunArgs({"table", "--site", "東京", "--at", "2000-01-01 21:00"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  int r = 0;
  while (std::getline(lines, line)) {
    SCOPED_TRACE(line);
    ASSERT_LT(r, rows.size());
    const QJsonObject row = rows[r++].toObject();
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    ASSERT_NE(tab2, std::string::npos);
    EXPECT_EQ(line.substr(0, tab1), row["name"].toString().toStdString());
    const std::string alt = line.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::string az = line.substr(tab2 + 1);
    EXPECT_EQ(alt.substr(alt.find('.') + 1).size(), 1u);
    EXPECT_NEAR(std::stod(alt), row["alt"].toDouble(), 0.05 + 1e-9);
    EXPECT_NEAR(std::stod(az), row["az"].toDouble(), 0.05 + 1e-9);
  }
  EXPECT_EQ(r, 26);
}

TEST(CliTable, TicksMoveTheBoxesByTheStep) {
  const QJsonArray boxes = TableJson({"--step", "60", "--ticks", "3"})["boxes"].toArray();
  ASSERT_EQ(boxes.size(), 5);
  EXPECT_EQ(boxes[3].toString().toStdString(), "0");
  EXPECT_EQ(boxes[2].toString().toStdString(), "2");
}

TEST(CliTable, SiteByPositionFillsItsCoordinates) {
  const CliRun run =
      RunArgs({"table", "--format", "json", "--site", "67", "--at", "2000-01-01 21:00"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  EXPECT_NE(run.out.find("\"site\": \"ロンドン\""), std::string::npos);
  EXPECT_NE(run.out.find("\"latitude\": \"51.15\", \"longitude\": \"-0.18\""), std::string::npos);
}

TEST(CliTable, UnknownSiteOrStepIsAUsageError) {
  const CliRun site = RunArgs({"table", "--site", "Atlantis"});
  EXPECT_EQ(site.status, kCliUsageError);
  EXPECT_NE(site.err.find("Atlantis"), std::string::npos);
  EXPECT_EQ(RunArgs({"table", "--step", "7"}).status, kCliUsageError);
  EXPECT_EQ(RunArgs({"table", "--bogus"}).status, kCliUsageError);
}

TEST(CliChart, OperationsOfTheNightChart) {
  const CliRun run = RunArgs({"chart", "--ops", "--site", "東京", "--at", "2000-01-01 21:00"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  EXPECT_EQ(run.out.rfind("cls 32 96 192\n", 0), 0u);
  EXPECT_NE(run.out.find("line 0 9000 15500 9000 88 88 88"), std::string::npos);
  EXPECT_NE(run.out.find("print 6950 9100 南\n"), std::string::npos);
  EXPECT_NE(run.out.find("circle "), std::string::npos);
}

TEST(CliStars, TheWholeChartCatalogue) {
  const CliRun run = RunArgs({"stars"});
  ASSERT_EQ(run.status, kCliOk) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  int rows = 0;
  while (std::getline(lines, line)) {
    ++rows;
    EXPECT_EQ(line.rfind(std::to_string(rows) + "\t", 0), 0u) << line;
  }
  EXPECT_EQ(rows, catalog::kChartStarCount);
}

}  // namespace
}  // namespace platform
