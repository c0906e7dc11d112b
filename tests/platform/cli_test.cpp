// The command line's options and its readout for 2000-01-01 21:00 JST (JD 2451545.0) at Tokyo.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/sites.h"
#include "catalog/star_tables.h"
#include "fakes.h"
#include "platform/cli_options.h"
#include "platform/cli_run.h"

namespace platform {
namespace {

std::vector<std::string> Split(const char* joined) {  // arguments separated by '|'
  std::vector<std::string> args;
  for (const QString& arg : QString::fromUtf8(joined).split(u'|', Qt::SkipEmptyParts)) {
    args.push_back(arg.toStdString());
  }
  return args;
}

TEST(CliOptions, ReadsTheControlsOfTheWindowAndRejectsWhatItDoesNotKnow) {
  for (const char* args :
       {"", "draw", "table|--colour", "table|--dir|up", "table|--dir", "table|--at|2000-01-01",
        "table|--at|2000/01/01 21:00", "table|--at|2000-01-01 21:00 extra", "table|--ticks|-1",
        "table|--ticks|3x", "table|--format|xml", "table|--out|x.png", "stars|--site|東京",
        "window", "chart", "chart|--frames|dir", "chart|--ops=yes", "table|--version"}) {
    const CliParse parse = ParseCliArguments(Split(args));
    EXPECT_FALSE(parse.options.has_value() || parse.error.empty()) << args;
  }
  const CliOptions o =
      ParseCliArguments(Split("chart|--site|ロンドン|--lat|51|--lon=-0.5|--at|2005-12-31 "
                              "23:30|--minute|7|--dir|west|"
                              "--equator|--names|--step|60|--ticks|4|--out|sky.svg|--ops"))
          .options.value();
  EXPECT_EQ(std::tie(o.command, o.direction, o.ticks, o.ops),
            std::make_tuple(CliCommand::kChart, 3, 4, true));
  EXPECT_EQ(std::tie(o.site, o.latitude, o.longitude, o.step, o.out),
            std::make_tuple("ロンドン", "51", "-0.5", "60", "sky.svg"));
  EXPECT_EQ(o.at, (std::array<std::string, 5>{"2005", "12", "31", "23", "30"}));
  EXPECT_EQ(std::tie(o.dateBoxes[0], o.dateBoxes[4]), std::make_tuple(std::nullopt, "7"));
  EXPECT_EQ(o.chartOptions, (std::array<bool, 4>{true, false, false, true}));
  EXPECT_EQ(ParseCliArguments(Split("--version")).options.value().command, CliCommand::kVersion);
  // Date texts as the boxes hold them: no leading zeros.
  EXPECT_EQ(ParseCliArguments(Split("table|--at|2000-01-01 09:05")).options.value().at,
            (std::array<std::string, 5>{"2000", "1", "1", "9", "5"}));
}

TEST(CliOptions, FindsSitesByNameOrPosition) {
  std::vector<std::string> names;
  names.reserve(app::kSites.size());
  for (const app::Site& site : app::kSites) names.emplace_back(site.name);
  // "ニューデリー" is stored with a trailing blank; positions count from 0.
  const std::pair<const char*, int> found[] = {
      {"札幌", 0},           {"東京", 12},     {"東京 ", 12}, {"入力", 48}, {"ニューデリー", 61},
      {"ニューデリー ", 61}, {"ホノルル", 74}, {"0", 0},      {"12", 12},   {" 74", 74}};
  for (const auto& [wanted, at] : found) EXPECT_EQ(FindSite(names, wanted), at) << wanted;
  for (const char* wanted : {"75", "-1", "", " ", "Tokyo", "東", "12.0", "1e1"}) {
    EXPECT_FALSE(FindSite(names, wanted)) << wanted;
  }
}

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun Invoke(const char* joined_args) {
  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  CliEnvironment environment{clock, start_file};
  std::ostringstream out, err;
  const CliParse parse = ParseCliArguments(Split(joined_args));
  const int status = parse.options ? RunCli(*parse.options, environment, out, err) : kCliUsageError;
  return {status, out.str(), err.str() + parse.error};
}

QJsonObject Json(const char* joined_args) {
  const CliRun run = Invoke(joined_args);
  EXPECT_EQ(run.status, kCliOk) << run.err;
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

constexpr double kDeg = std::numbers::pi / 180.0;

// Textbook horizontal place [degrees] at Tokyo (35.65 N, 139.75 E) at JD
// 2451545.0, mean sidereal time at Greenwich 280.46061837 degrees.
std::pair<double, double> TokyoAtJ2000(double ra_hours, double dec_deg) {
  const double ha = (280.46061837 + 139.75 - ra_hours * 15.0) * kDeg;  // hour angle
  const double lat = 35.65 * kDeg, dec = dec_deg * kDeg;
  const double alt =
      std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(ha));
  const double az =
      std::atan2(-std::cos(dec) * std::sin(ha),
                 std::sin(dec) * std::cos(lat) - std::cos(dec) * std::cos(ha) * std::sin(lat));
  return {alt / kDeg, az / kDeg};
}

TEST(CliTable, JsonForTokyoAtJ2000AgreesWithTheTextbookConversion) {
  const QJsonObject table = Json("table|--format|json|--site|東京|--at|2000-01-01 21:00");
  EXPECT_EQ(table["boxes"].toArray(), QJsonArray({"2000", "1", "1", "21", "0"}));
  EXPECT_EQ(table["site"].toString() + "/" + table["latitude"].toString() + "/" +
                table["longitude"].toString(),
            "東京/35.65/139.75");
  const catalog::StarTables stars = catalog::BrightStarTable();
  const QJsonArray rows = table["rows"].toArray();
  ASSERT_EQ(rows.size(), 26);
  const char* bodies[] = {" 太陽", " 月　", " 金星", " 火星", " 木星", " 土星"};
  for (int r = 0; r < 26; ++r) {
    const QJsonObject row = rows[r].toObject();
    const std::string name = row["name"].toString().toStdString();
    SCOPED_TRACE(name);
    const double alt = row["alt"].toDouble(-1000), az = row["az"].toDouble(-1000);
    EXPECT_TRUE(alt >= -90.0 && alt <= 90.0 && az >= 0.0 && az < 360.0) << alt << " " << az;
    if (r < 6) {
      EXPECT_EQ(name, bodies[r]);
      continue;
    }
    EXPECT_EQ(name, stars.StarName[static_cast<std::size_t>(r - 5)]);
    // The program uses the apparent sidereal time (0.004 degrees from the mean
    // one here); an azimuth error grows as 1 / cos(alt) near the zenith.
    const auto [star_alt, star_az] =
        TokyoAtJ2000(stars.StarTable(1, r - 5), stars.StarTable(2, r - 5));
    EXPECT_NEAR(alt, star_alt, 0.02);
    EXPECT_NEAR(std::remainder(az - star_az, 360.0) * std::cos(alt * kDeg), 0.0, 0.02);
  }
}

TEST(CliTable, SiteByPositionAndTheNightChartsOperations) {
  const QJsonObject london = Json("table|--format|json|--site|67");
  EXPECT_EQ(london["site"].toString() + "/" + london["latitude"].toString() + "/" +
                london["longitude"].toString(),
            "ロンドン/51.15/-0.18");
  const std::string chart = Invoke("chart|--ops").out;  // the night chart's operations
  EXPECT_EQ(chart.rfind("cls 32 96 192\nline 0 9000 15500 9000 88 88 88\n", 0), 0u);
  EXPECT_NE(chart.find("print 6950 9100 南\n"), std::string::npos);
}

}  // namespace
}  // namespace platform
