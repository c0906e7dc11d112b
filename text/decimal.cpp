#include "text/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace text {
namespace {

// Significant digits of an exact decimal expansion, and its exponent:
// value = 0.d1 d2 d3 ... x 10^(exponent + 1), that is d1.d2d3... x 10^exponent.
struct Expansion {
  std::string digits;
  int exponent = 0;
};

// Splits printf's "%.*e" text "d.ddde+XX" of a positive value.
Expansion ScientificExpansion(double magnitude, int digits_after_point) {
  // Enough room for the 767 significant digits of the longest double.
  char buffer[800];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits_after_point, magnitude);
  const std::string_view text(buffer);
  const std::size_t e = text.find('e');
  Expansion expansion;
  expansion.digits.assign(1, text[0]);
  if (e > 2) expansion.digits.append(text.substr(2, e - 2));
  expansion.exponent = std::atoi(buffer + e + 1);
  return expansion;
}

bool AllZeros(std::string_view digits) {
  return digits.find_first_not_of('0') == std::string_view::npos;
}

// The digits one unit of the last place higher; a carry out of the first digit
// raises the exponent ("999" -> "100", exponent + 1).
Expansion NextUp(Expansion expansion) {
  if (IncrementDigits(expansion.digits)) {
    expansion.digits.insert(0, 1, '1');
    expansion.digits.pop_back();
    ++expansion.exponent;
  }
  return expansion;
}

std::string ScientificFrom(const Expansion& expansion) {
  std::string text(1, expansion.digits[0]);
  if (expansion.digits.size() > 1) text += '.' + expansion.digits.substr(1);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "e%c%02d", expansion.exponent < 0 ? '-' : '+',
                std::abs(expansion.exponent));
  return text + exponent;
}

template <typename Float>
bool ReadsBackAs(const Expansion& candidate, Float magnitude) {
  const std::string text = ScientificFrom(candidate);
  if constexpr (sizeof(Float) == sizeof(float)) {
    return std::strtof(text.c_str(), nullptr) == magnitude;
  } else {
    return std::strtod(text.c_str(), nullptr) == magnitude;
  }
}

// The two numbers of `length` significant digits either side of an exact
// expansion: the nearer first (ties to an even last digit). `exact` is set when
// the expansion has no more digits than that, and is itself the nearer.
struct Candidates {
  Expansion nearer, farther;
  bool exact = false;
};

Candidates CandidatesOf(const Expansion& expansion, std::size_t length) {
  Expansion below{expansion.digits.substr(0, length), expansion.exponent};
  const std::string_view rest = std::string_view(expansion.digits).substr(below.digits.size());
  if (AllZeros(rest)) return Candidates{below, below, true};
  Expansion above = NextUp(below);
  const bool past_half = rest[0] > '5' || (rest[0] == '5' && !AllZeros(rest.substr(1)));
  const bool at_half = rest[0] == '5' && AllZeros(rest.substr(1));
  const bool below_is_even = (below.digits.back() - '0') % 2 == 0;
  if (past_half || (at_half && !below_is_even)) return Candidates{above, below, false};
  return Candidates{below, above, false};
}

// The fewest significant digits that read back as `magnitude` (positive and
// finite), the nearer of two candidates of equal length; nine digits for a
// float and seventeen for a double always read back.
template <typename Float>
Expansion ShortestDigits(Float magnitude) {
  constexpr int kExactDigits = sizeof(Float) == sizeof(float) ? 150 : 780;
  constexpr std::size_t kMaxDigits = sizeof(Float) == sizeof(float) ? 9 : 17;
  const Expansion exact = ScientificExpansion(static_cast<double>(magnitude), kExactDigits);
  for (std::size_t length = 1;; ++length) {
    const Candidates candidates = CandidatesOf(exact, length);
    if (candidates.exact || length == kMaxDigits || ReadsBackAs(candidates.nearer, magnitude)) {
      return candidates.nearer;
    }
    if (ReadsBackAs(candidates.farther, magnitude)) return candidates.farther;
  }
}

template <typename Float>
std::string ShortestTextOf(Float value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  Expansion shortest = ShortestDigits(std::fabs(value));
  while (shortest.digits.size() > 1 && shortest.digits.back() == '0') shortest.digits.pop_back();

  const std::string scientific = ScientificFrom(shortest);
  const auto count = static_cast<int>(shortest.digits.size());
  const int e = shortest.exponent;
  std::string fixed;
  if (e < 0) {
    fixed = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + shortest.digits;
  } else if (count > e + 1) {
    fixed = shortest.digits.substr(0, static_cast<std::size_t>(e + 1)) + '.' +
            shortest.digits.substr(static_cast<std::size_t>(e + 1));
  } else {
    // A whole number: written with every digit of its exact value, as printf's
    // "%.0f" writes it, not with the shortest digits padded by zeros.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(std::fabs(value)));
    fixed = buffer;
  }
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace

bool IncrementDigits(std::string& digits) {
  std::size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) return true;
  ++digits[i - 1];
  return false;
}

namespace portable {

std::string ShortestText(float value) {
  return ShortestTextOf(value);
}

std::string ShortestText(double value) {
  return ShortestTextOf(value);
}

std::string ScientificText(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits, value);
  return buffer;
}

DecimalValue ReadDecimal(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  const std::string_view mantissa = std::string_view(text).substr(0, text.find('e'));
  const bool non_zero_digits = mantissa.find_first_not_of("0.") != std::string_view::npos;
  if (std::isinf(value) || (value == 0 && non_zero_digits)) return DecimalValue{0, true};
  return DecimalValue{value, false};
}

}  // namespace portable

#if defined(__cpp_lib_to_chars)

namespace {

template <typename Float>
std::string ToChars(Float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string ShortestText(float value) {
  return ToChars(value);
}

std::string ShortestText(double value) {
  return ToChars(value);
}

std::string ScientificText(double value, int digits) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits);
  return std::string(buffer, result.ptr);
}

DecimalValue ReadDecimal(const std::string& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) return DecimalValue{0, true};
  if (result.ec != std::errc{}) return DecimalValue{0, false};
  return DecimalValue{value, false};
}

#else

std::string ShortestText(float value) {
  return portable::ShortestText(value);
}

std::string ShortestText(double value) {
  return portable::ShortestText(value);
}

std::string ScientificText(double value, int digits) {
  return portable::ScientificText(value, digits);
}

DecimalValue ReadDecimal(const std::string& text) {
  return portable::ReadDecimal(text);
}

#endif

}  // namespace text
