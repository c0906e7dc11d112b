#include "app/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace app {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LeadingCase {
  std::string text;
  double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartIgnoringBlanks) {
  const std::vector<LeadingCase> cases = {
      {"  12 3", 123},
      {"-1.5e2x", -150},
      {"abc", 0},
      {"", 0},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {".5", 0.5},
      {"+7", 7},
      {"35.65", 35.65},
      {"\t- 1 . 5", -1.5},
      {"1e", 1},
      {"1e+", 1},
      {"2D3", 2000},
      {"2d-1", 0.2},
      {"1.2.3", 1.2},
      {"12abc", 12},
      {"1e-400", 0},
      {" 6", 6},
      {"120", 120},
      {"-", 0},
      {".", 0},
      {"0.1E 2", 10},
      {"1,000", 1},
      {"\xef\xbc\x94", 0},
      {"1e99999999999", kInf},
      {"0e999999", 0},
      {"-0.18", -0.18},
      {"139.75", 139.75},
      {"5.", 5},
      {"e5", 0},
      {"  -  ", 0},
      {"2005\n", 2005},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(LeadingNumber(c.text), c.expected);
  }
}

TEST(LeadingNumber, IsNeverNaNForArbitraryBytes) {
  std::vector<std::string> texts = {std::string("1\0"
                                                "2",
                                                3),
                                    "nan",
                                    "NaN",
                                    "inf",
                                    "-inf",
                                    "1e400e400",
                                    "\xff\xfe",
                                    "0x1p3",
                                    "&H10"};
  unsigned state = 12345;
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    for (int k = 0; k < 12; ++k) {
      state = state * 1103515245u + 12345u;
      const char alphabet[] = "0123456789+-.eEdD \t,x";
      text += alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    texts.push_back(text);
  }
  for (const auto& text : texts) {
    SCOPED_TRACE("text \"" + text + "\"");
    EXPECT_FALSE(std::isnan(LeadingNumber(text)));
  }
}

TEST(LeadingNumber, CopesWithTenMegabyteTexts) {
  const std::size_t size = 10'000'000;
  EXPECT_EQ(LeadingNumber("1" + std::string(size, '0')), kInf);
  EXPECT_EQ(LeadingNumber("0." + std::string(size, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber(std::string(size, ' ') + "42"), 42);
  EXPECT_EQ(LeadingNumber("7" + std::string(size, 'x')), 7);
}

TEST(WholeNumber, AcceptsOnlyAFieldThatIsANumberThroughout) {
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"35.65", 35.65}, {"-0.18", -0.18}, {"0", 0},   {"+7", 7},   {"12abc", {}},  {"", {}},
      {"1e400", {}},    {" 1", {}},       {"1e", {}}, {"abc", {}}, {"1.5D2", 150}, {"-", {}},
  };
  for (const auto& [field, expected] : cases) {
    SCOPED_TRACE("field \"" + field + "\"");
    EXPECT_EQ(WholeNumber(field), expected);
  }
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRejectsWhatDoesNotFit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::pair<double, std::optional<std::int16_t>>> cases = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {2005, 2005},
      {12.4999, 12},
      {32766.5, 32766},
      {32767.4, 32767},
      {32767.5, {}},
      {-32768.5, -32768},
      {-32768.6, {}},
      {-32769.5, {}},
      {kInf, {}},
      {-kInf, {}},
      {nan, {}},
      {1e300, {}},
      {0.49999999999999994, 0},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE("value " + std::to_string(value));
    EXPECT_EQ(RoundToInt16(value), expected);
  }
}

TEST(FormatOneDecimal, ShowsOneDecimalRoundedHalfAwayFromZero) {
  const std::vector<std::pair<double, std::string>> cases = {
      {12.345, "12.3"},
      {5, "5.0"},
      {231.96, "232.0"},
      {-12.34, "-12.3"},
      {-0.04, "0.0"},
      {0, "0.0"},
      {-0.0, "0.0"},
      {359.96, "360.0"},
      {9.96, "10.0"},
      {0.05, "0.1"},
      {0.15, "0.2"},
      {-0.05, "-0.1"},
      {99.95, "100.0"},
      {-89.99, "-90.0"},
      {1e-300, "0.0"},
      {0.96, "1.0"},
      {123456789.04, "123456789.0"},
      {1e20, "100000000000000000000.0"},
      {359.99999999999, "360.0"},
      {-0.0500001, "-0.1"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE("value " + std::to_string(value));
    EXPECT_EQ(FormatOneDecimal(value), expected);
  }
}

// Every tenth from -360 to 360 shows exactly as its own decimal text.
TEST(FormatOneDecimal, ShowsEveryTenthAsWritten) {
  for (int tenths = -3600; tenths <= 3600; ++tenths) {
    const int whole = std::abs(tenths) / 10;
    const std::string expected = std::string(tenths < 0 ? "-" : "") + std::to_string(whole) + "." +
                                 std::to_string(std::abs(tenths) % 10);
    SCOPED_TRACE(expected);
    EXPECT_EQ(FormatOneDecimal(tenths / 10.0), expected);
  }
}

TEST(ShortestText, GivesTheShortestRoundTripDecimal) {
  const std::vector<std::pair<double, std::string>> cases = {
      {43.067, "43.067"}, {-0.18, "-0.18"}, {35, "35"},     {139.75, "139.75"},
      {0, "0"},           {-0.0, "0"},      {121.0, "121"}, {0.1 + 0.2, "0.30000000000000004"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(ShortestText(value), expected);
  }
}

TEST(ShortestText, ReadsBackAsTheSameNumber) {
  for (const double value : {43.067, -157.93, 1e-7, 1e22, 0.1, -23.5, 2.45, 1.0 / 3}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(LeadingNumber(ShortestText(value)), value);
    EXPECT_EQ(WholeNumber(ShortestText(value)), value);
  }
}

}  // namespace
}  // namespace app
