// The command line: its options, and its readout for 2000-01-01 21:00 Japan
// Standard Time at Tokyo (12:00 UT, Julian day 2451545.0), checked against the
// textbook conversion with the IAU 1982 mean sidereal time.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "app/sites.h"
#include "catalog/star_tables.h"
#include "fakes.h"
#include "platform/cli_options.h"
#include "platform/cli_run.h"
#include "platform/text_output.h"

namespace platform {
namespace {

using Args = std::vector<std::string>;

// Arguments written as one text, separated by '|'.
Args Split(const char* joined) {
  Args args;
  for (const QString& arg : QString::fromUtf8(joined).split(u'|', Qt::SkipEmptyParts)) {
    args.push_back(arg.toStdString());
  }
  return args;
}

TEST(CliOptions, RejectsWhatItDoesNotKnow) {
  for (const char* args :
       {"", "draw", "table|--colour", "table|--dir|up", "table|--dir", "table|--at|2000-01-01",
        "table|--at|2000/01/01 21:00", "table|--at|2000-01-01 21:00 extra", "table|--ticks|-1",
        "table|--ticks|3x", "table|--format|xml", "table|--out|x.png", "stars|--site|東京",
        "window", "chart", "chart|--frames|dir", "chart|--ops=yes"}) {
    const CliParse parse = ParseCliArguments(Split(args));
    EXPECT_FALSE(parse.options.has_value()) << args;
    EXPECT_FALSE(parse.error.empty()) << args;
  }
}

TEST(CliOptions, ReadsTheControlsOfTheWindow) {
  const CliOptions o =
      ParseCliArguments(Split("chart|--site|ロンドン|--lat|51|--lon=-0.5|--at|2005-12-31 "
                              "23:30|--minute|7|--dir|west|--equator|--names|--step|60|"
                              "--ticks|4|--out|sky.svg|--ops"))
          .options.value();
  EXPECT_EQ(o.command, CliCommand::kChart);
  EXPECT_EQ(o.site, "ロンドン");
  EXPECT_EQ(o.latitude, "51");
  EXPECT_EQ(o.longitude, "-0.5");
  EXPECT_EQ(o.at, (std::array<std::string, 5>{"2005", "12", "31", "23", "30"}));
  EXPECT_EQ(o.dateBoxes[4], "7");
  EXPECT_FALSE(o.dateBoxes[0]);
  EXPECT_EQ(o.direction, 3);
  EXPECT_EQ(o.chartOptions, (std::array<bool, 4>{true, false, false, true}));
  EXPECT_EQ(o.step, "60");
  EXPECT_EQ(o.ticks, 4);
  EXPECT_EQ(o.out, "sky.svg");
  EXPECT_TRUE(o.ops);
  // Date texts as the boxes hold them: no leading zeros.
  EXPECT_EQ(ParseCliArguments(Split("table|--at|2000-01-01 09:05")).options.value().at,
            (std::array<std::string, 5>{"2000", "1", "1", "9", "5"}));
  const char* words[] = {"north", "east", "south", "west"};
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(ParseCliArguments({"table", "--dir", words[d]}).options.value().direction, d);
  }
  for (const char* args : {"--help", "table|--site|x|--help", "-h"}) {
    EXPECT_EQ(ParseCliArguments(Split(args)).options.value().command, CliCommand::kHelp);
  }
}

TEST(CliOptions, FindsSitesByNameOrPositionAndStepsByMinutes) {
  std::vector<std::string> names;
  for (const app::Site& site : app::kSites) names.emplace_back(site.name);
  // "ニューデリー" is stored with a trailing blank; positions count from 0.
  const std::pair<const char*, int> found[] = {
      {"札幌", 0},           {"東京", 12},     {"東京 ", 12}, {"入力", 48}, {"ニューデリー", 61},
      {"ニューデリー ", 61}, {"ホノルル", 74}, {"0", 0},      {"12", 12},   {" 74", 74}};
  for (const auto& [wanted, position] : found) EXPECT_EQ(FindSite(names, wanted), position);
  for (const char* wanted : {"75", "-1", "", " ", "Tokyo", "東", "12.0", "1e1"}) {
    EXPECT_FALSE(FindSite(names, wanted)) << wanted;
  }
  const std::vector<std::string> steps = {" 2", " 5", "10", "15", "30", "60", "90", "120"};
  EXPECT_EQ(FindStep(steps, "2"), 0);
  EXPECT_EQ(FindStep(steps, "120"), 7);
  EXPECT_FALSE(FindStep(steps, "7"));
  EXPECT_FALSE(FindStep(steps, "fifteen"));
}

TEST(JsonText, NumbersReadBackExactlyAndStringsAreEscaped) {
  for (const double v : {0.0, -52.351350373225095, 1.0 / 3.0, 359.999, 2451545.0,
                         std::nextafter(1.0, 2.0), 1e-300, -1e300}) {
    EXPECT_EQ(std::strtod(JsonNumber(v).c_str(), nullptr), v) << v;
  }
  EXPECT_EQ(JsonNumber(0.1), "0.1");  // the shortest such text
  EXPECT_EQ(JsonNumber(278.1), "278.1");
  EXPECT_EQ(JsonNumber(35.0), "35");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(JsonString(" 月　"), "\" 月　\"");
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("x\ny\t\x01"), "\"x\\ny\\t\\u0001\"");
}

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun Invoke(const char* joined_args) {
  platform_test::FixedClock clock;  // 2000-01-01 21:00
  platform_test::MemoryStartFile start_file;
  CliEnvironment environment{clock, start_file};
  const CliParse parse = ParseCliArguments(Split(joined_args));
  if (!parse.options) return {kCliUsageError, "", parse.error};
  std::ostringstream out, err;
  const int status = RunCli(*parse.options, environment, out, err);
  return {status, out.str(), err.str()};
}

QJsonObject Json(const CliRun& run) {
  EXPECT_EQ(run.status, kCliOk) << run.err;
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

std::vector<std::string> Texts(const QJsonArray& array) {
  std::vector<std::string> texts;
  for (const QJsonValue& value : array) texts.push_back(value.toString().toStdString());
  return texts;
}

constexpr double kDeg = std::numbers::pi / 180.0;

// Textbook horizontal place [degrees] at Tokyo (35.65 N, 139.75 E) at JD
// 2451545.0, mean sidereal time at Greenwich 280.46061837 degrees.
std::pair<double, double> TokyoAtJ2000(double ra_hours, double dec_deg) {
  const double hour_angle = (280.46061837 + 139.75 - ra_hours * 15.0) * kDeg;
  const double lat = 35.65 * kDeg, dec = dec_deg * kDeg;
  const double sin_alt =
      std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hour_angle);
  const double az = std::atan2(
      -std::cos(dec) * std::sin(hour_angle),
      std::sin(dec) * std::cos(lat) - std::cos(dec) * std::cos(hour_angle) * std::sin(lat));
  return {std::asin(sin_alt) / kDeg, az / kDeg};
}

TEST(CliTable, JsonForTokyoAtJ2000AgreesWithTheTextbookConversion) {
  const QJsonObject table = Json(Invoke("table|--format|json|--site|東京|--at|2000-01-01 21:00"));
  EXPECT_EQ(table["site"].toString().toStdString(), "東京");
  EXPECT_EQ(Texts(table["boxes"].toArray()), (Args{"2000", "1", "1", "21", "0"}));
  EXPECT_EQ(table["latitude"].toString().toStdString(), "35.65");
  EXPECT_EQ(table["longitude"].toString().toStdString(), "139.75");

  catalog::StarTables stars;
  stars.SetBrightStars();
  const QJsonArray rows = table["rows"].toArray();
  ASSERT_EQ(rows.size(), 26);
  const char* bodies[] = {" 太陽", " 月　", " 金星", " 火星", " 木星", " 土星"};
  for (int r = 0; r < 26; ++r) {
    const QJsonObject row = rows[r].toObject();
    const std::string name = row["name"].toString().toStdString();
    SCOPED_TRACE(name);
    const double alt = row["alt"].toDouble(-1000), az = row["az"].toDouble(-1000);
    EXPECT_GE(alt, -90.0);
    EXPECT_LE(alt, 90.0);
    EXPECT_GE(az, 0.0);
    EXPECT_LT(az, 360.0);
    if (r < 6) {
      EXPECT_EQ(name, bodies[r]);
    } else {
      EXPECT_EQ(name, stars.StarName[static_cast<std::size_t>(r - 5)]);
      // The program uses the apparent sidereal time (0.004 degrees from the
      // mean one here); an azimuth error grows as 1 / cos(alt) near the zenith.
      const auto [star_alt, star_az] =
          TokyoAtJ2000(stars.StarTable(1, r - 5), stars.StarTable(2, r - 5));
      EXPECT_NEAR(alt, star_alt, 0.02);
      EXPECT_NEAR(std::remainder(az - star_az, 360.0) * std::cos(alt * kDeg), 0.0, 0.02);
    }
  }
}

TEST(CliTable, TicksSitesAndSteps) {
  const QJsonObject ticked = Json(Invoke("table|--format|json|--step|60|--ticks|3"));
  EXPECT_EQ(Texts(ticked["boxes"].toArray()), (Args{"2000", "1", "2", "0", "0"}));
  const QJsonObject london = Json(Invoke("table|--format|json|--site|67"));
  EXPECT_EQ(london["site"].toString().toStdString(), "ロンドン");
  EXPECT_EQ(london["latitude"].toString().toStdString(), "51.15");
  EXPECT_EQ(london["longitude"].toString().toStdString(), "-0.18");
  const CliRun atlantis = Invoke("table|--site|Atlantis");
  EXPECT_EQ(atlantis.status, kCliUsageError);
  EXPECT_NE(atlantis.err.find("Atlantis"), std::string::npos);
  EXPECT_EQ(Invoke("table|--step|7").status, kCliUsageError);
}

TEST(CliChart, OperationsOfTheNightChart) {
  const CliRun chart = Invoke("chart|--ops|--site|東京|--at|2000-01-01 21:00");
  ASSERT_EQ(chart.status, kCliOk) << chart.err;
  EXPECT_EQ(chart.out.rfind("cls 32 96 192\n", 0), 0u);
  EXPECT_NE(chart.out.find("line 0 9000 15500 9000 88 88 88"), std::string::npos);
  EXPECT_NE(chart.out.find("print 6950 9100 南\n"), std::string::npos);
  EXPECT_NE(chart.out.find("circle "), std::string::npos);
}

}  // namespace
}  // namespace platform
