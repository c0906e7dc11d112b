#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "app/sites.h"
#include "app/start_file.h"
#include "text/number_text.h"

namespace app {
namespace {

using namespace std::string_literals;

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
        FormatStartLine(p, text::BoxNumber(site.latitude), text::BoxNumber(site.longitude));
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
