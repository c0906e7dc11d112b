#include "app/start_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/sites.h"
#include "app/text_number.h"

namespace app {
namespace {

// A field of the expected line padded with spaces to the given width.
std::string Padded(const std::string& text, std::size_t width) {
  std::string out = text;
  out.resize(width, ' ');
  return out;
}

TEST(FormatStartLine, PlacesTheFieldsOnFourteenColumnZones) {
  struct Case {
    int index;
    std::string latitude, longitude, expected;
  };
  const std::vector<Case> cases = {
      // " 12" padded to column 14, 35.65 from column 15 padded to 28, 139.75 from 29.
      {12, "35.65", "139.75", Padded(" 12", 14) + Padded("35.65", 14) + "139.75\r\n"},
      {3, "38.267", "140.867", Padded(" 3", 14) + Padded("38.267", 14) + "140.867\r\n"},
      {66, "48.97", "2.45", Padded(" 66", 14) + Padded("48.97", 14) + "2.45\r\n"},
      {-1, "a", "b", Padded("-1", 14) + Padded("a", 14) + "b\r\n"},
      // A text filling its zone exactly would run into the next field, which
      // would then be lost on reading: the next field moves on a whole zone.
      {0, "12345678901234", "x", Padded(" 0", 14) + Padded("12345678901234", 28) + "x\r\n"},
      // One column more pushes the next field a whole zone on.
      {0, "123456789012345", "x", Padded(" 0", 14) + Padded("123456789012345", 28) + "x\r\n"},
      // An empty text still takes its zone.
      {48, "", "141.3", Padded(" 48", 28) + "141.3\r\n"},
      {12345, "1", "2", Padded(" 12345", 14) + Padded("1", 14) + "2\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(FormatStartLine(c.index, c.latitude, c.longitude), c.expected);
  }
}

TEST(FormatStartLine, DefaultsFieldsStartAtColumnsOneFifteenAndTwentyNine) {
  const std::string line = FormatStartLine(12, "35.65", "139.75");
  EXPECT_EQ(line.substr(0, 4), " 12 ");
  EXPECT_EQ(line.substr(14, 5), "35.65");   // column 15
  EXPECT_EQ(line.substr(28, 6), "139.75");  // column 29
  EXPECT_EQ(line.substr(34), "\r\n");
}

TEST(ParseStartLine, ReadsTheThreeFields) {
  struct Case {
    std::string line;
    int index;
    NumberOrText latitude;
    double longitude;
  };
  const std::vector<Case> cases = {
      {" 3            38.267        140.867", 3, 38.267, 140.867},
      {"48,43.1,141.3", 48, 43.1, 141.3},
      {" 5 , 0 , 0", 5, 0.0, 0},
      {"\t12\t35.65\t139.75\t", 12, 35.65, 139.75},
      {"48 abc 141.3", 48, std::string("abc"), 141.3},
      {"48 北緯 141.3", 48, std::string("北緯"), 141.3},
      {"48 1e400 141.3", 48, std::string("1e400"), 141.3},
      {"48,,141.3", 48, std::string(""), 141.3},
      {"48 ,141.3, 1", 48, 141.3, 1},
      {"12.5 1 2", 12, 1.0, 2},
      {"13.5 1 2", 14, 1.0, 2},
      {"99 1 2", 99, 1.0, 2},
      {"-1 1 2 extra fields are ignored", -1, 1.0, 2},
      {"12 35.65 139.75\r", 12, 35.65, 139.75},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("line \"" + c.line + "\"");
    const auto settings = ParseStartLine(c.line);
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->siteIndex, c.index);
    EXPECT_EQ(settings->latitude, c.latitude);
    EXPECT_EQ(settings->longitude, c.longitude);
  }
}

TEST(ParseStartLine, RejectsLinesWithoutThreeUsableFields) {
  const std::vector<std::string> lines = {
      "",
      "12",
      "12 35.65",
      "   ",
      ",,",
      "abc 35.65 139.75",
      "12 35.65 abc",
      "40000 35.65 139.75",
      "12 35.65 1e400",
      "12x 35.65 139.75",
      std::string("12\0 35.65 139.75", 16),
      std::string("12 35\0x 139.75", 14),
      "12 \xff\xfe 139.75",
      "12 \xc0\xaf 139.75",
      "12 \xed\xa0\x80 139.75",
      "\x01\x02\x03 \x04 \x05",
      "\r\n12 35.65 139.75",
  };
  for (const auto& line : lines) {
    SCOPED_TRACE("line \"" + line + "\"");
    EXPECT_FALSE(ParseStartLine(line).has_value());
  }
}

TEST(ParseStartLine, CopesWithTenMegabyteLines) {
  const std::size_t size = 10'000'000;
  EXPECT_FALSE(ParseStartLine("12 35 " + std::string(size, '1')).has_value());
  EXPECT_FALSE(ParseStartLine("12 " + std::string(size, 'x') + " 1").has_value());
  EXPECT_FALSE(ParseStartLine(std::string(size, ' ')).has_value());
  const auto padded = ParseStartLine(std::string(size, ' ') + "3 38.267 140.867");
  ASSERT_TRUE(padded.has_value());
  EXPECT_EQ(padded->siteIndex, 3);
}

TEST(ParseStartLine, SurvivesArbitraryBytes) {
  unsigned state = 2024;
  for (int i = 0; i < 5000; ++i) {
    std::string line;
    for (int k = 0; k < 40; ++k) {
      state = state * 1664525u + 1013904223u;
      line += static_cast<char>(state >> 24);
    }
    const auto settings = ParseStartLine(line);
    if (settings) {
      EXPECT_TRUE(std::isfinite(settings->longitude));
    }
  }
}

// Every site written on exit reads back as the same site and coordinates.
TEST(StartFile, RoundTripsEverySite) {
  for (int position = 0; position < kSiteCount; ++position) {
    const Site& site = kSites[static_cast<std::size_t>(position)];
    SCOPED_TRACE(std::string(site.name));
    const std::string contents =
        FormatStartLine(position, ShortestText(site.latitude), ShortestText(site.longitude));
    ASSERT_EQ(contents.substr(contents.size() - 2), "\r\n");
    const auto settings = ParseStartLine(contents.substr(0, contents.size() - 2));
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->siteIndex, position);
    EXPECT_EQ(settings->latitude, NumberOrText{site.latitude});
    EXPECT_EQ(settings->longitude, site.longitude);
  }
}

TEST(ReadStartSettings, FallsBackToTheDefaults) {
  struct Case {
    std::optional<std::string> line;
    int index;
    NumberOrText latitude;
    double longitude;
  };
  const std::vector<Case> cases = {
      {std::nullopt, 12, 35.65, 139.75},
      {"", 12, 35.65, 139.75},
      {" 3 38.267 140.867", 3, 38.267, 140.867},
      // Outside the list: the default site, the rest as read.
      {"99 1 2", 12, 1.0, 2},
      {"-1 1 2", 12, 1.0, 2},
      {"75 1 2", 12, 1.0, 2},
      {"74 1 2", 74, 1.0, 2},
      // A failure drops what was read before it.
      {"48 43.1 abc", 12, 35.65, 139.75},
      {"48 43.1", 12, 35.65, 139.75},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line.value_or("(no file)"));
    const StartSettings settings = ReadStartSettings(c.line);
    EXPECT_EQ(settings.siteIndex, c.index);
    EXPECT_EQ(settings.latitude, c.latitude);
    EXPECT_EQ(settings.longitude, c.longitude);
  }
}

TEST(BoxText, ShowsANumberShortestAndATextAsRead) {
  EXPECT_EQ(BoxText(43.1), "43.1");
  EXPECT_EQ(BoxText(35.0), "35");
  EXPECT_EQ(BoxText(std::string("abc")), "abc");
  EXPECT_EQ(BoxText(std::string("")), "");
}

}  // namespace
}  // namespace app
