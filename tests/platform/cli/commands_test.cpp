// The command line's options, its listings (text, JSON, CSV), the readout
// series, its failures and their exit statuses, and its text encoding. The
// readout is checked for 2000-01-01 21:00 JST (JD 2451545.0) at Tokyo.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUtf8StringView>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/sites.h"
#include "catalog/star_tables.h"
#include "platform/cli/options.h"
#include "platform/cli/run.h"
#include "platform/cli/text_output.h"
#include "tests/platform/cli/invoke.h"

namespace platform {
namespace {

using platform_test::CliRun;
using platform_test::Invoke;
using platform_test::Json;
using platform_test::Split;

bool IsValidUtf8(const std::string& text) {
  return QUtf8StringView(text).isValidUtf8();
}

// Records of RFC 4180 CSV; every record must end in CR LF.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      field += text[++i];
    } else if (c == '"') {
      quoted = !quoted;
    } else if (quoted || (c != ',' && c != '\r' && c != '\n')) {
      field += c;
    } else if (c == ',') {
      record.push_back(std::exchange(field, {}));
    } else {
      EXPECT_TRUE(c == '\r' && i + 1 < text.size() && text[++i] == '\n') << "a line end is CR LF";
      record.push_back(std::exchange(field, {}));
      records.push_back(std::exchange(record, {}));
    }
  }
  EXPECT_TRUE(record.empty() && field.empty() && !quoted) << "the last record ends in CR LF";
  return records;
}

// Every rejected argument list names the command or option at fault.
TEST(CliOptions, RejectsBadArgumentsNamingTheOptionAtFault) {
  const std::pair<const char*, const char*> bad[] = {{"", "no command"},
                                                     {"draw", "'draw'"},
                                                     {"table|--colour", "--colour"},
                                                     {"table|--dir|up", "--dir"},
                                                     {"table|--dir", "--dir"},
                                                     {"table|--at|2000-01-01", "--at"},
                                                     {"table|--at|2000/01/01 21:00", "--at"},
                                                     {"table|--at|2000-01-01 21:00 extra", "--at"},
                                                     {"table|--at|2000-01-01T21:00:00", "--at"},
                                                     {"table|--at|yesterday", "--at"},
                                                     {"table|--ticks|-1", "--ticks"},
                                                     {"table|--ticks|3x", "--ticks"},
                                                     {"table|--format|xml", "--format"},
                                                     {"table|--out|x.png", "--out"},
                                                     {"stars|--site|東京", "--site"},
                                                     {"sites|--at|now", "--at"},
                                                     {"window", "--out"},
                                                     {"window|--out|sky.txt", "--out"},
                                                     {"chart|--out|sky", "--out"},
                                                     {"chart", "--out"},
                                                     {"chart|--frames|dir", "--ticks"},
                                                     {"chart|--ops=yes", "--ops"},
                                                     {"table|--series=1", "--series"},
                                                     {"chart|--ops|--series", "--series"},
                                                     {"table|--at|2000-01-01 21:00|--tz", "--tz"},
                                                     {"table|--at|now|--tz=", "--tz"},
                                                     {"table|--tz|UTC", "--tz"},
                                                     {"chart|--ops|--scale|0", "--scale"},
                                                     {"chart|--ops|--scale|9", "--scale"},
                                                     {"chart|--ops|--scale|1.5", "--scale"},
                                                     {"table|--scale|2", "--scale"},
                                                     {"chart|--ops|--palette|sepia", "--palette"},
                                                     {"table|--palette|print", "--palette"},
                                                     {"table|--version", "--version"}};
  for (const auto& [args, named] : bad) {
    const CliParse parse = ParseCliArguments(Split(args));
    EXPECT_FALSE(parse.options.has_value()) << args;
    EXPECT_NE(parse.error.find(named), std::string::npos) << args << ": " << parse.error;
  }
}

TEST(CliOptions, ReadsTheControlsOfTheWindowAndThePictureOptions) {
  const CliOptions o =
      ParseCliArguments(Split("chart|--site|ロンドン|--lat|51|--lon=-0.5|--at|2005-12-31 "
                              "23:30|--minute|7|--dir|west|--tz|Europe/London|"
                              "--equator|--names|--step|60|--ticks|4|--out|sky.SVG|--ops|"
                              "--scale|8|--palette|print"))
          .options.value();
  EXPECT_EQ(std::tie(o.command, o.request.direction, o.ticks, o.ops, o.scale, o.palette),
            std::make_tuple(CliCommand::kChart, 3, 4, true, 8, chart::Palette::kPrint));
  EXPECT_EQ(std::tie(o.request.site, o.request.latitude, o.request.longitude, o.request.step, o.out,
                     o.timeZone),
            std::make_tuple("ロンドン", "51", "-0.5", "60", "sky.SVG", "Europe/London"));
  EXPECT_EQ(o.at->boxes, (std::array<std::string, 5>{"2005", "12", "31", "23", "30"}));
  EXPECT_EQ(std::tie(o.request.dateBoxes[0], o.request.dateBoxes[4]),
            std::make_tuple(std::nullopt, "7"));
  // Each of the chart's options has its flag, which ticks that option alone.
  for (const chart::OptionRow& option : chart::kOptionRows) {
    const CliOptions ticked =
        ParseCliArguments(Split("chart|--ops|--" + std::string(option.word))).options.value();
    chart::OptionSet expected;
    expected.Set(option.id);
    EXPECT_EQ(ticked.request.options, expected) << option.word;
  }
  EXPECT_TRUE(o.request.options.Has(chart::Option::kNames));
  // Date texts as the boxes hold them: no leading zeros; a T may join date and time.
  for (const char* at : {"2000-01-01 09:05", "2000-01-01T09:05", "02000-1-001T9:5"}) {
    EXPECT_EQ(ParseCliArguments(Split(std::string("table|--at|") + at)).options.value().at->boxes,
              (std::array<std::string, 5>{"2000", "1", "1", "9", "5"}))
        << at;
  }
  const CliOptions now =
      ParseCliArguments(Split("table|--series|--format|csv|--at|now")).options.value();
  EXPECT_EQ(std::tie(now.series, now.format, now.at->now),
            std::make_tuple(true, OutputFormat::kCsv, true));
  EXPECT_EQ(ParseCliArguments(Split("sites|--format=json")).options->command, CliCommand::kSites);
  EXPECT_EQ(ParseCliArguments(Split("--version")).options->command, CliCommand::kVersion);
  EXPECT_EQ(ParseCliArguments(Split("table|--bogus|--help")).options->command, CliCommand::kHelp);
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

TEST(CliTable, SiteByPositionOrLatinNameAndTheNightChartsOperations) {
  for (const char* site : {"67", "London", "london", "LONDON"}) {
    const QJsonObject london = Json(std::string("table|--format|json|--site|") + site);
    EXPECT_EQ(london["site"].toString() + "/" + london["latitude"].toString() + "/" +
                  london["longitude"].toString(),
              "ロンドン/51.15/-0.18")
        << site;
  }
  const std::string chart = Invoke("chart|--ops").out;  // the night chart's operations
  EXPECT_EQ(chart.rfind("cls 32 96 192\nline 0 9000 15500 9000 88 88 88\n", 0), 0u);
  EXPECT_NE(chart.find("print 6950 9100 南\n"), std::string::npos);
}

// CSV holds the JSON rows: the same names and the same shortest numbers.
TEST(CliTable, CsvAndTextHoldTheRowsOfTheJson) {
  const std::string at = "|--site|東京|--at|2000-01-01 21:00";
  const QJsonArray rows = Json("table|--format|json" + at)["rows"].toArray();
  const auto csv = ParseCsv(Invoke("table|--format|csv" + at).out);
  ASSERT_EQ(csv.size(), 27u);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"name", "alt", "az", "id", "hr"}));
  const std::string text = Invoke("table" + at).out;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 26);
  for (std::size_t r = 1; r < csv.size(); ++r) {
    const QJsonObject row = rows[static_cast<qsizetype>(r - 1)].toObject();
    SCOPED_TRACE(row["name"].toString().toStdString());
    const std::string hr = row.contains("hr") ? std::to_string(row["hr"].toInt()) : "";
    EXPECT_EQ(csv[r],
              (std::vector<std::string>{
                  row["name"].toString().toStdString(), JsonNumber(row["alt"].toDouble()),
                  JsonNumber(row["az"].toDouble()), row["id"].toString().toStdString(), hr}));
  }
  // Bodies by their identities, stars also by their Bright Star Catalogue numbers.
  const auto identity = [&](qsizetype r) {
    const QJsonObject row = rows[r].toObject();
    return row["id"].toString().toStdString() + " " + std::to_string(row["hr"].toInt());
  };
  EXPECT_EQ(identity(0), "sun 0");
  EXPECT_EQ(identity(5), "saturn 0");
  EXPECT_EQ(identity(12), "sirius 2491");
  EXPECT_EQ(identity(25), "polaris 424");
}

// Each step of a series is the table a single run gives for the same boxes;
// the CSV holds the JSON's steps, boxes and rows.
TEST(CliTable, SeriesStepsAreTheTablesOfSingleRunsAtTheSameBoxes) {
  const std::string series =
      "table|--series|--site|ロンドン|--at|2000-01-01 21:00|--step|90|--ticks|3";
  const QJsonObject json = Json(series + "|--format|json");
  EXPECT_EQ(json["site"].toString() + "/" + json["latitude"].toString() + "/" +
                json["longitude"].toString(),
            "ロンドン/51.15/-0.18");
  const QJsonArray steps = json["steps"].toArray();
  ASSERT_EQ(steps.size(), 4);
  const char* expected_at[] = {"2000-1-1 21:0", "2000-1-1 22:30", "2000-1-2 0:0", "2000-1-2 1:30"};
  const auto csv = ParseCsv(Invoke(series + "|--format|csv").out);
  ASSERT_EQ(csv.size(), 1u + 4 * 26);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"step", "year", "month", "day", "hour", "minute",
                                              "name", "alt", "az", "id", "hr"}));
  for (int step = 0; step < 4; ++step) {
    SCOPED_TRACE(step);
    const QJsonArray boxes = steps[step].toObject()["boxes"].toArray();
    const QJsonArray rows = steps[step].toObject()["rows"].toArray();
    const std::string at =
        (boxes[0].toString() + "-" + boxes[1].toString() + "-" + boxes[2].toString() + " " +
         boxes[3].toString() + ":" + boxes[4].toString())
            .toStdString();
    EXPECT_EQ(at, expected_at[step]);
    EXPECT_EQ(rows, Json("table|--format|json|--site|ロンドン|--at|" + at)["rows"].toArray());
    for (int r = 0; r < 26; ++r) {
      const QJsonObject row = rows[r].toObject();
      std::vector<std::string> record = {std::to_string(step)};
      for (const auto& box : boxes) record.push_back(box.toString().toStdString());
      record.insert(record.end(),
                    {row["name"].toString().toStdString(), JsonNumber(row["alt"].toDouble()),
                     JsonNumber(row["az"].toDouble()), row["id"].toString().toStdString(),
                     row.contains("hr") ? std::to_string(row["hr"].toInt()) : ""});
      EXPECT_EQ(csv[static_cast<std::size_t>(1 + step * 26 + r)], record);
    }
  }
  const std::string text = Invoke(series).out;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 * 26);
  EXPECT_NE(text.find("3\t2000\t1\t2\t1\t30\t 太陽\t"), std::string::npos);
  EXPECT_EQ(Json("table|--series|--format|json")["steps"].toArray().size(), 1);  // no ticks
}

// A year the series do not serve is computed all the same, with a warning on
// standard error only; within them nothing is said.
TEST(CliRun, WarnsOfAYearBeyondTheSeriesAndStillComputes) {
  const CliRun far = Invoke("table|--format|json|--at|1000-07-15 23:00");
  EXPECT_EQ(far.status, kCliOk);
  EXPECT_NE(far.err.find("warning: the year '1000' lies outside 1887 to 2090"), std::string::npos);
  EXPECT_EQ(Json("table|--format|json|--at|1000-07-15 23:00")["rows"].toArray().size(), 26);
  EXPECT_EQ(Invoke("table|--at|2026-07-15 23:00").err, "");
}

// The sky of the "what is that?" and zoom tests: Sirius high in the south.
constexpr const char* kSiriusSky = "|--site|東京|--at|2026-01-15 21:00|--dir|south";

// Sirius's row of the readout of that sky.
QJsonObject SiriusRow() {
  const QJsonArray rows = Json(std::string("table|--format|json") + kSiriusSky)["rows"].toArray();
  const auto sirius = std::find_if(rows.begin(), rows.end(), [](const QJsonValue& row) {
    return row.toObject()["id"].toString() == "sirius";
  });
  EXPECT_NE(sirius, rows.end());
  return sirius == rows.end() ? QJsonObject() : sirius->toObject();
}

// Where the chart drawn by these arguments puts Sirius's disc, of radius
// (5 + 1.46) * 10 twips for magnitude -1.46 [twips].
std::pair<double, double> SiriusDisc(const std::string& arguments) {
  const std::string ops = Invoke("chart|--ops" + arguments).out;
  const std::size_t at = ops.find(" 64.6 240 208 0");
  EXPECT_NE(at, std::string::npos);
  if (at == std::string::npos) return {};
  std::istringstream disc(ops.substr(ops.rfind("circle ", at) + 7));
  double x = 0, y = 0;
  disc >> x >> y;
  return {x, y};
}

// "What is that?" at a disc of the chart names that star as the readout does,
// with its official names; nothing is named away from every disc.
TEST(CliInfo, APointOfTheChartNamesTheObjectDrawnThere) {
  const std::string sky = kSiriusSky;
  const auto [x, y] = SiriusDisc(sky);
  const QJsonObject object =
      Json("info" + sky + "|--format|json|--x|" + std::to_string(x / 15 + 3) + "|--y|" +
           std::to_string(y / 15 - 2))["object"]
          .toObject();
  EXPECT_EQ(object["name"].toString() + " " + object["constellation"].toString() + " " +
                object["kind"].toString() + " " + object["id"].toString(),
            "シリウス おおいぬ座 star sirius");
  EXPECT_EQ(object["magnitude"].toDouble(), -1.46);
  const QJsonObject sirius = SiriusRow();
  EXPECT_EQ(object["altitude"].toDouble(), sirius["alt"].toDouble());
  EXPECT_EQ(object["azimuth"].toDouble(), sirius["az"].toDouble());
  EXPECT_EQ(Invoke("info" + sky + "|--format|json|--x|520|--y|40").out, "{\"object\": null}\n");
  EXPECT_EQ(Invoke("info" + sky + "|--x|520").status, kCliUsageError);
}

// A chart magnified about a star's readout place draws it at the middle, at
// its own size; a centre the view does not show is refused.
TEST(CliZoom, TheCentreIsDrawnAtTheMiddleAndStarsKeepTheirSize) {
  const std::string sky = kSiriusSky;
  const QJsonObject sirius = SiriusRow();
  const std::string centre =
      std::to_string(sirius["az"].toDouble()) + "," + std::to_string(sirius["alt"].toDouble());
  const std::string zoomed = sky + "|--zoom|4|--center|" + centre;
  const QJsonObject object =
      Json("info" + zoomed + "|--format|json|--x|524|--y|318")["object"].toObject();
  EXPECT_EQ(object["id"].toString(), "sirius");
  // Its disc, of its unmagnified radius, within a pixel of the middle (7800, 4800).
  const auto [x, y] = SiriusDisc(zoomed);
  EXPECT_NEAR(x, 7800, 15);
  EXPECT_NEAR(y, 4800, 15);
  EXPECT_EQ(Invoke("chart|--ops" + sky + "|--zoom|2|--center|0,40").status, kCliUsageError);
  EXPECT_EQ(Invoke("chart|--ops" + sky + "|--zoom|0.5").status, kCliUsageError);
}

// The 75 sites in list order, names exactly as listed with their Latin names;
// the stars in CSV too.
TEST(CliListings, SitesAndStarsInTextJsonAndCsv) {
  const QJsonArray sites = Json("sites|--format|json")["sites"].toArray();
  const auto csv = ParseCsv(Invoke("sites|--format|csv").out);
  const std::string text = Invoke("sites").out;
  ASSERT_EQ(sites.size(), app::kSiteCount);
  ASSERT_EQ(csv.size(), 1u + app::kSiteCount);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), app::kSiteCount);
  // The Latin names after the four columns scripts read by position.
  EXPECT_EQ(csv[0], (std::vector<std::string>{"position", "name", "lat", "lon", "latin"}));
  const std::tuple<int, const char*, const char*, double, double> listed[] = {
      {0, "札幌", "Sapporo", 43.067, 141.35},
      {24, "大津", "Otsu", 35, 135.867},
      {48, "入力", "", 43.92, 144.3},
      {61, "ニューデリー ", "New Delhi", 28.58, 77.2},
      {67, "ロンドン", "London", 51.15, -0.18},
      {68, "サンパウロ", "Sao Paulo", -23.5, -46.62},
      {74, "ホノルル", "Honolulu", 21.35, -157.93}};
  for (const auto& [position, name, latin, lat, lon] : listed) {
    const QJsonObject site = sites[position].toObject();
    EXPECT_EQ(std::make_tuple(site["position"].toInt(), site["name"].toString().toStdString(),
                              site["latin"].toString().toStdString(), site["lat"].toDouble(),
                              site["lon"].toDouble()),
              std::make_tuple(position, std::string(name), std::string(latin), lat, lon));
    EXPECT_EQ(csv[static_cast<std::size_t>(position + 1)],
              (std::vector<std::string>{std::to_string(position), name, JsonNumber(lat),
                                        JsonNumber(lon), latin}));
  }
  EXPECT_NE(text.find("24\t大津\t35\t135.867\tOtsu\n"), std::string::npos);
  EXPECT_NE(text.find("48\t入力\t43.92\t144.3\t\n"), std::string::npos);
  const auto stars = ParseCsv(Invoke("stars|--format|csv").out);
  const QJsonObject first = Json("stars|--format|json")["stars"].toArray()[0].toObject();
  ASSERT_EQ(stars.size(), 1u + catalog::kChartStarCount);
  EXPECT_EQ(stars[0], (std::vector<std::string>{"row", "ra", "dec", "mag", "name", "hr"}));
  EXPECT_EQ(stars[1], (std::vector<std::string>{
                          "1", JsonNumber(first["ra"].toDouble()),
                          JsonNumber(first["dec"].toDouble()), JsonNumber(first["mag"].toDouble()),
                          first["name"].toString().toStdString(), "472"}));  // Achernar
  EXPECT_EQ(first["hr"].toInt(), 472);
}

// Bad values exit 2, boxes without a computable instant 3 (naming the box and
// printing nothing), files that cannot be written 1 with the system's reason.
TEST(CliRun, FailuresExitWithTheirStatusNamingTheCauseAndWritingNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string d = dir.path().toStdString();
  ASSERT_TRUE(QFile(dir.filePath("file")).open(QIODevice::WriteOnly));
  const std::tuple<std::string, int, const char*> cases[] = {
      {"table|--site|Atlantis", kCliUsageError, "--site"},
      {"table|--step|7", kCliUsageError, "--step"},
      {"table|--at|2000-01-01 12:00|--tz|Mars/Olympus_Mons", kCliUsageError, "--tz"},
      {"table|--at|2024-03-31 02:30|--tz|Europe/Paris", kCliUsageError, "--at"},
      {"table|--at|2024-03-10 02:30|--tz|America/New_York", kCliUsageError, "--at"},
      {"table|--at|2023-02-29 12:00|--tz|UTC", kCliUsageError, "--at"},
      {"table|--at|2023-01-01 24:00|--tz|UTC", kCliUsageError, "--at"},
      {"table|--year|70000", kCliNothingToCompute, "the year box (--at, --year) holds '70000'"},
      {"table|--at|70000-01-01 00:00", kCliNothingToCompute, "--at '70000-01-01 00:00': the year"},
      {"table|--at|32767-12-31 20:00|--tz|UTC", kCliNothingToCompute, "--at"},
      {"table|--month|99999", kCliNothingToCompute, "month box"},
      {"table|--year|-32768|--month|2", kCliNothingToCompute, "year box"},
      {"table|--series|--ticks|3|--day|1e400", kCliNothingToCompute, "day box"},
      {"table|--minute|1e999", kCliNothingToCompute, "minute box"},
      {"chart|--ops|--hour|-1e999", kCliNothingToCompute, "hour box"},
      {"chart|--ops|--lat|1e999", kCliNothingToCompute, "latitude box"},
      {"chart|--out|" + d + "/never.png|--lon|-1D999", kCliNothingToCompute, "longitude box"},
      {"chart|--frames|" + d + "/never|--ticks|2|--month|99999", kCliNothingToCompute, "month box"},
      {"chart|--out|" + d + "/no/such/folder.png", kCliWriteFailed, "No such file or directory"},
      {"chart|--frames|" + d + "/file/frames|--ticks|1", kCliWriteFailed, "Not a directory"}};
  for (const auto& [args, status, named] : cases) {
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_NE(run.err.find(named), std::string::npos) << args << ": " << run.err;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{"file"});
  const std::string help = Invoke("--help").out;
  for (const char* listed : {"0  done", "1  a file", "2  bad arguments", "3  nothing to compute",
                             "sites", "--series", "--tz", "--scale", "--palette", "--frames"}) {
    EXPECT_NE(help.find(listed), std::string::npos) << listed;
  }
}

// Whatever bytes the arguments hold, the output and the messages are UTF-8.
TEST(CliText, OutputIsValidUtf8WhateverBytesTheArgumentsHold) {
  const QJsonObject table = Json("table|--format|json|--lat|\xff\xfe");
  EXPECT_EQ(table["latitude"].toString(), QString::fromUtf8("\uFFFD\uFFFD"));
  for (const char* args :
       {"table|--format|csv|--series|--ticks|1|--year|\xff"
        "2000|--lon|\xc0\xaf",
        "table|--series|--year|2000\xed\xa0\x80", "table|--site|\xff", "table|--at|\xe6\x9d",
        "chart|--out|\xff.txt", "table|--\xfe", "\xf4\x90\x80\x80",
        "table|--year|\xff"
        "99999"}) {
    const CliRun run = Invoke(args);
    EXPECT_TRUE(IsValidUtf8(run.out) && IsValidUtf8(run.err)) << run.out << run.err;
  }
}

// Messages repeat what the user typed legibly: control characters escaped, a
// long value cut with a count of the rest.
TEST(CliText, MessagesQuoteValuesLegibly) {
  const CliRun escape = Invoke("table|--site|\x1b[2J\r\n\x07x");
  EXPECT_EQ(escape.status, kCliUsageError);
  EXPECT_NE(escape.err.find("'\\x1b[2J\\r\\n\\x07x'"), std::string::npos) << escape.err;
  EXPECT_EQ(escape.err.find('\x1b'), std::string::npos);
  const CliRun huge = Invoke("table|--site|" + std::string(100'000, 'x'));
  EXPECT_NE(huge.err.find("'" + std::string(80, 'x') + "…' (99920 more characters)"),
            std::string::npos);
  EXPECT_LT(huge.err.size(), 400u);
}

TEST(CliText, CsvFieldsAreQuotedWhereTheyMustBe) {
  const std::pair<const char*, const char*> fields[] = {{"北極星", "北極星"},
                                                        {" 太陽", "\" 太陽\""},
                                                        {"a,b", "\"a,b\""},
                                                        {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                                        {"two\r\nlines", "\"two\r\nlines\""},
                                                        {"", ""}};
  for (const auto& [text, field] : fields) {
    EXPECT_EQ(CsvField(text), field);
    EXPECT_EQ(ParseCsv("a," + CsvField(text) + "\r\n").at(0).at(1), text);
  }
}

}  // namespace
}  // namespace platform
