#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "app/sites.h"
#include "app/start_file.h"
#include "app/text_number.h"

namespace app {
namespace {

using namespace std::string_literals;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(LeadingNumber, ReadsTheNumberAtTheStartIgnoringBlanks) {
  const std::pair<std::string, double> cases[] = {
      {"  12 3", 123}, {"-1.5e2x", -150}, {"abc", 0},   {"", 0},          {"1e400", kInf},
      {".5", 0.5},     {"+7", 7},         {"1e+", 1},   {"2D3", 2000},    {"2d-1", 0.2},
      {"1.2.3", 1.2},  {"1e-400", 0},     {"-", 0},     {".", 0},         {"0.1E 2", 10},
      {"1,000", 1},    {"-0.18", -0.18},  {"5.", 5},    {"e5", 0},        {"2005\n", 2005},
      {"nan", 0},      {"inf", 0},        {"0x1p3", 0}, {"-1e400", -kInf}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(LeadingNumber(text), expected) << text;
  EXPECT_EQ(LeadingNumber("\t- 1 . 5"), -1.5);
  EXPECT_EQ(LeadingNumber("\xef\xbc\x94"), 0);  // a full-width digit is no digit
  EXPECT_EQ(LeadingNumber("0." + std::string(10'000'000, '0') + "1"), 0);
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRejectsWhatDoesNotFit) {
  const std::pair<double, std::optional<std::int16_t>> cases[] = {
      {0.5, 0},       {1.5, 2},         {2.5, 2},         {-1.5, -2},    {-2.5, -2},
      {12.4999, 12},  {32766.5, 32766}, {32767.4, 32767}, {32767.5, {}}, {-32768.5, -32768},
      {-32768.6, {}}, {kInf, {}},       {kNaN, {}},       {1e300, {}},   {-1e300, {}}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundToInt16(value), expected) << value;
  EXPECT_EQ(RoundToInt16(0.49999999999999994), 0);
}

// "0.0": one decimal, halves away from zero as 15 significant digits show the
// value, a minus sign for every value below zero, also one that rounds to zero.
TEST(FormatOneDecimal, ShowsOneDecimal) {
  const std::pair<double, std::string> cases[] = {
      {12.345, "12.3"},  {5, "5.0"},    {231.96, "232.0"}, {-12.34, "-12.3"}, {-0.04, "-0.0"},
      {-0.0, "0.0"},     {0.04, "0.0"}, {0.0, "0.0"},      {-1e-300, "-0.0"}, {-0.0148, "-0.0"},
      {359.96, "360.0"}, {0.05, "0.1"}, {0.15, "0.2"},     {-0.05, "-0.1"},   {99.95, "100.0"},
      {1e-300, "0.0"},   {kInf, "inf"}, {-kInf, "-inf"},   {kNaN, "nan"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatOneDecimal(value), expected);
  EXPECT_EQ(FormatOneDecimal(359.99999999999), "360.0");
  EXPECT_EQ(FormatOneDecimal(1e20), "100000000000000000000.0");
  for (int tenths = -3600; tenths <= 3600; ++tenths) {  // every tenth as it is written
    const std::string expected = (tenths < 0 ? "-" : "") + std::to_string(std::abs(tenths) / 10) +
                                 "." + std::to_string(std::abs(tenths) % 10);
    ASSERT_EQ(FormatOneDecimal(tenths / 10.0), expected);
  }
}

// 75 distinct names; the Japanese places (up to "入力") lie in Japan, east of
// Greenwich; every site written on exit reads back as the same site.
TEST(Sites, AreDistinctInPlaceAndRoundTripThroughTheStartFile) {
  std::set<std::string_view> names;
  for (int p = 0; p < kSiteCount; ++p) {
    const Site& site = kSites[static_cast<std::size_t>(p)];
    SCOPED_TRACE(std::string(site.name));
    names.insert(site.name);
    const bool in_japan =
        site.latitude > 24 && site.latitude < 46 && site.longitude > 122 && site.longitude < 146;
    EXPECT_TRUE(in_japan || p > kTypedEntryPosition);
    const std::string line =
        FormatStartLine(p, ShortestText(site.latitude), ShortestText(site.longitude));
    const auto settings = ParseStartLine(line);
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->siteIndex, p);
    EXPECT_EQ(settings->latitude, NumberOrText{site.latitude});
    EXPECT_EQ(settings->longitude, site.longitude);
  }
  EXPECT_EQ(names.size(), 75u);
  EXPECT_EQ(kSites[61].name, "ニューデリー ");
}

TEST(FormatStartLine, PlacesTheFieldsOnFourteenColumnZones) {
  // " 12" to column 14, 35.65 from column 15 to 28, 139.75 from column 29.
  EXPECT_EQ(FormatStartLine(12, "35.65", "139.75"), " 12           35.65         139.75\r\n");
  EXPECT_EQ(FormatStartLine(-1, "a", "b"), "-1            a             b\r\n");
  // Texts that are empty or hold blanks or commas are quoted and read back whole.
  EXPECT_EQ(FormatStartLine(48, "", "141.3"), " 48           \"\"            141.3\r\n");
  for (const std::string text : {"", "35 40", "a,b"}) {
    SCOPED_TRACE(text);
    const auto settings = ParseStartLine(FormatStartLine(48, text, "141.3"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->latitude, NumberOrText{text});
    EXPECT_EQ(settings->longitude, 141.3);
  }
  const auto empty_longitude = ParseStartLine(FormatStartLine(48, "43.1", ""));
  ASSERT_TRUE(empty_longitude.has_value());
  EXPECT_EQ(empty_longitude->longitude, 0);
  // A text filling its zone is followed by a blank: the next field moves a
  // whole zone on instead of running into it.
  EXPECT_EQ(FormatStartLine(0, "12345678901234", "x"),
            " 0            12345678901234              x\r\n");
  EXPECT_EQ(FormatStartLine(0, "123456789012345", "x"),
            " 0            123456789012345             x\r\n");
}

TEST(ParseStartLine, RejectsLinesWithoutThreeUsableFields) {
  for (const std::string& line :
       {""s, "12 35.65"s, "abc 35.65 139.75"s, "12 35.65 abc"s, "40000 35.65 139.75"s,
        "12 35.65 1e400"s, "12x 35.65 139.75"s, "12\0 35.65 139.75"s, "12 \xff\xfe 139.75"s,
        "12 \xed\xa0\x80 139.75"s, "\x01\x02\x03 \x04 \x05"s, "\r\n12 35.65 139.75"s,
        "12 35 " + std::string(10'000'000, '1')}) {
    EXPECT_FALSE(ParseStartLine(line).has_value()) << line.substr(0, 40);
  }
}

// Fields end at blanks, tabs, commas and the line end; a latitude that is not
// a number is kept as text. A site index outside the list falls back to Tokyo;
// a line that fails part way keeps nothing of what was read before the failure.
TEST(ReadStartSettings, ReadsTheThreeFieldsOrFallsBackToTheDefaults) {
  struct Case {
    std::optional<std::string> line;
    int index;
    NumberOrText latitude;
    double longitude;
  };
  const Case cases[] = {{" 3            38.267        140.867", 3, 38.267, 140.867},
                        {"48,43.1,141.3", 48, 43.1, 141.3},
                        {"\t12\t35.65\t139.75\t", 12, 35.65, 139.75},
                        {"48 北緯 141.3", 48, "北緯"s, 141.3},
                        {"48 1e400 141.3", 48, "1e400"s, 141.3},  // too large for a number
                        {"48,,141.3", 48, ""s, 141.3},
                        {"12.5 1 2", 12, 1.0, 2},  // halves to the even neighbour
                        {"13.5 1 2 extra fields are ignored", 14, 1.0, 2},
                        {"12 35.65 139.75\r", 12, 35.65, 139.75},
                        {std::string(10'000'000, ' ') + "3 38.267 140.867", 3, 38.267, 140.867},
                        {"99 1 2", 12, 1.0, 2},
                        {"74 1 2", 74, 1.0, 2},
                        {"75 1 2", 12, 1.0, 2},
                        {std::nullopt, 12, 35.65, 139.75},
                        {"", 12, 35.65, 139.75},
                        {"48 43.1 abc", 12, 35.65, 139.75},
                        {"-1 1 2", 12, 1.0, 2},
                        {"48 43.1", 12, 35.65, 139.75}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line.value_or("(no file)").substr(0, 40));
    const StartSettings settings = ReadStartSettings(c.line);
    EXPECT_EQ(settings.siteIndex, c.index);
    EXPECT_EQ(settings.latitude, c.latitude);
    EXPECT_EQ(settings.longitude, c.longitude);
  }
}

}  // namespace
}  // namespace app
