// Numbers as the boxes read them and as the readout and the boxes show them.

#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace text {
namespace {

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
  EXPECT_EQ(LeadingNumber("0." + std::string(10'000'000, '0') + "1"), 0);
}

// What a Japanese input method types reads as the ASCII it stands for; other
// full-width characters still end the number.
TEST(LeadingNumber, ReadsWhatAJapaneseInputMethodTypes) {
  const std::pair<std::string, double> cases[] = {{"２０２６", 2026},
                                                  {"２１", 21},
                                                  {"－３３．８７", -33.87},
                                                  {"−0.18", -0.18},
                                                  {"＋１３９．７５", 139.75},
                                                  {"　１２　３", 123},
                                                  {"２ｅ３", 2},
                                                  {"３５度", 35},
                                                  {"年２０", 0},
                                                  {"２0２6", 2026},
                                                  {"\xEF\xBC", 0},
                                                  {"\xE3２", 0}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(LeadingNumber(text), expected) << text;
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

}  // namespace
}  // namespace text
