#include "platform/text_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace platform {
namespace {

TEST(JsonNumber, ShortestTextThatReadsBackExactly) {
  const double values[] = {0.0,     1.0,       -52.351350373225095,      0.1,    1.0 / 3.0,
                           359.999, 2451545.0, std::nextafter(1.0, 2.0), 1e-300, -1e300};
  for (const double v : values) {
    SCOPED_TRACE(v);
    const std::string text = JsonNumber(v);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), v);
  }
  EXPECT_EQ(JsonNumber(0.1), "0.1");
  EXPECT_EQ(JsonNumber(278.1), "278.1");
  EXPECT_EQ(JsonNumber(35.0), "35");
}

TEST(JsonNumber, NoNumberBecomesNull) {
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

TEST(JsonString, EscapesWhatJsonRequires) {
  EXPECT_EQ(JsonString(" 月　"), "\" 月　\"");
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("x\ny\t\x01"), "\"x\\ny\\t\\u0001\"");
}

}  // namespace
}  // namespace platform
