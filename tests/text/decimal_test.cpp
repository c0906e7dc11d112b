// The portable number texts (printf and strtod) against the C++ library's
// std::to_chars and std::from_chars, which this build has: the same text for
// every value and the same double for every text, over edge cases and many
// random values.

#include "text/decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace text {
namespace {

static_assert(__cpp_lib_to_chars >= 201611L, "the reference conversions must be the C++ library's");

template <typename Float>
std::vector<Float> EdgeValues() {
  using Limits = std::numeric_limits<Float>;
  std::vector<Float> values = {0,
                               Limits::denorm_min(),
                               Limits::min(),
                               std::nextafter(Limits::min(), Float{0}),
                               Limits::max(),
                               Limits::epsilon(),
                               Limits::infinity(),
                               Limits::quiet_NaN(),
                               Float{1},
                               static_cast<Float>(0.1),
                               static_cast<Float>(0.0001),
                               static_cast<Float>(9.999e-5),
                               Float{123.25},
                               static_cast<Float>(-13247.933),
                               static_cast<Float>(8897.171),
                               Float{15500}};
  for (int exponent = Limits::min_exponent10 - 1; exponent <= Limits::max_exponent10; ++exponent) {
    const auto power = static_cast<Float>(std::pow(10.0L, exponent));
    values.insert(values.end(), {power, std::nextafter(power, Float{0}),
                                 std::nextafter(power, Limits::infinity())});
  }
  for (int exponent = Limits::min_exponent - Limits::digits; exponent < Limits::max_exponent;
       ++exponent) {
    const Float power = std::ldexp(Float{1}, exponent);
    values.insert(values.end(), {power, std::nextafter(power, Float{0}), power * Float{3}});
  }
  const std::size_t count = values.size();
  for (std::size_t i = 0; i < count; ++i) values.push_back(-values[i]);
  return values;
}

template <typename Float, typename Bits>
std::vector<Float> RandomValues(std::size_t count) {
  std::mt19937_64 random(20051022);
  std::uniform_real_distribution<double> chart_twips(-20000, 20000);
  std::uniform_real_distribution<double> degrees(-360, 360);
  std::vector<Float> values;
  for (std::size_t i = 0; i < count; ++i) {
    values.push_back(std::bit_cast<Float>(static_cast<Bits>(random())));  // any bit pattern
    values.push_back(static_cast<Float>(chart_twips(random)));
    values.push_back(static_cast<Float>(degrees(random)));
    // Whole numbers and short decimals, where fixed and scientific compete.
    values.push_back(static_cast<Float>(std::round(chart_twips(random)) *
                                        std::pow(10.0, static_cast<int>(random() % 40) - 20)));
  }
  return values;
}

template <typename Float>
void ExpectSameShortestText(const std::vector<Float>& values) {
  for (const Float value : values) {
    ASSERT_EQ(portable::ShortestText(value), ShortestText(value))
        << "bits " << std::hex
        << std::bit_cast<std::conditional_t<sizeof(Float) == 4, std::uint32_t, std::uint64_t>>(
               value);
  }
}

TEST(DecimalText, ShortestFloatTextIsTheLibrarys) {
  ExpectSameShortestText(EdgeValues<float>());
  ExpectSameShortestText(RandomValues<float, std::uint32_t>(50'000));
}

TEST(DecimalText, ShortestDoubleTextIsTheLibrarys) {
  ExpectSameShortestText(EdgeValues<double>());
  ExpectSameShortestText(RandomValues<double, std::uint64_t>(10'000));
}

TEST(DecimalText, ShortestTextsOfKnownValues) {
  const std::pair<double, const char*> cases[] = {
      {0.0001, "1e-04"}, {1e20, "1e+20"},  {123.25, "123.25"}, {10000, "10000"}, {1e5, "1e+05"},
      {-0.0, "-0"},      {0.001, "0.001"}, {139.75, "139.75"}, {-0.18, "-0.18"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(portable::ShortestText(value), text) << text;
  EXPECT_EQ(portable::ShortestText(-std::numeric_limits<double>::quiet_NaN()), "-nan");
  EXPECT_EQ(portable::ShortestText(-13247.933f), "-13247.933");
}

TEST(DecimalText, ScientificTextIsTheLibrarys) {
  std::vector<double> values = EdgeValues<double>();
  const std::vector<double> random = RandomValues<double, std::uint64_t>(20'000);
  values.insert(values.end(), random.begin(), random.end());
  for (const double value : values) {
    for (const int digits : {0, 1, 14, 16, 40}) {
      ASSERT_EQ(portable::ScientificText(value, digits), ScientificText(value, digits))
          << std::bit_cast<std::uint64_t>(value) << " digits " << digits;
    }
  }
}

// Exact decimal expansions, with "%.*Le", of the midpoints between neighbouring
// doubles (the long double of this machine holds them exactly) and of numbers
// just beside them: the cases where reading must round ties to even.
std::vector<std::string> HalfwayTexts(std::size_t count) {
  static_assert(std::numeric_limits<long double>::digits > std::numeric_limits<double>::digits);
  std::mt19937_64 random(2000);
  std::vector<std::string> texts;
  std::vector<char> buffer(1200);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t mantissa_bits = random() & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t exponent_bits = random() % 2047;  // subnormal up to the largest binade
    const double low = std::bit_cast<double>(exponent_bits << 52 | mantissa_bits);
    const long double middle =
        (static_cast<long double>(low) + std::nextafter(low, 2 * low + 1)) / 2;
    std::snprintf(buffer.data(), buffer.size(), "%.1000Le", middle);
    const std::string text(buffer.data());
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    // "e-12" for printf's "e-012": the reader takes only optional '-' and digits.
    const std::string exponent = "e" + std::to_string(std::stoi(text.substr(e + 1)));
    const std::size_t last = mantissa.find_last_not_of('0');
    std::string below = mantissa.substr(0, last + 1);
    --below.back();
    for (const std::string& digits : {mantissa, mantissa + "1", below + "9999"}) {
      texts.push_back(digits + exponent);
    }
  }
  return texts;
}

std::vector<std::string> RandomTexts(std::size_t count) {
  std::mt19937_64 random(1022);
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < count; ++i) {
    std::string text;
    const std::size_t digits = 1 + random() % 30;
    const std::size_t point = random() % (digits + 2);
    for (std::size_t d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (point == digits) text += '.';
    if (random() % 3 != 0) text += "e" + std::to_string(static_cast<int>(random() % 800) - 400);
    texts.push_back(text);
  }
  return texts;
}

TEST(DecimalText, ReadDecimalIsTheLibrarys) {
  std::vector<std::string> texts = {"0",
                                    "0.",
                                    ".0",
                                    "5.",
                                    ".5",
                                    "1e-400",
                                    "1e400",
                                    "0e999999",
                                    "1e308",
                                    "1.8e308",
                                    "1.7976931348623157e308",
                                    "1.7976931348623158e308",
                                    "1.797693134862315807e308",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "4.9406564584124654e-324",
                                    "2.2250738585072011e-308",
                                    "0." + std::string(400, '0') + "1",
                                    std::string(400, '9'),
                                    "123456789012345678901234567890e-99999999999999999999",
                                    "1e99999999999999999999",
                                    "000000.000001e-300",
                                    "9e-325"};
  const std::vector<std::string> halfway = HalfwayTexts(2'000);
  const std::vector<std::string> random = RandomTexts(50'000);
  texts.insert(texts.end(), halfway.begin(), halfway.end());
  texts.insert(texts.end(), random.begin(), random.end());
  for (const std::string& text : texts) {
    const DecimalValue expected = ReadDecimal(text);
    const DecimalValue got = portable::ReadDecimal(text);
    ASSERT_EQ(got.outOfRange, expected.outOfRange) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(got.value), std::bit_cast<std::uint64_t>(expected.value))
        << text;
  }
}

}  // namespace
}  // namespace text
