// Arbitrary bytes through the text-to-number conversions of the input boxes.
// Crashes (aborts) when a conversion breaks its promise: a NaN from
// LeadingNumber, a whole number that LeadingNumber reads differently, a 16-bit
// rounding further than half a unit away, or a shortest text that does not read
// back as the same number.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "text/number_text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckRounding(double value) {
  const auto rounded = text::RoundToInt16(value);
  if (!rounded) return;
  Require(std::isfinite(value));
  Require(std::fabs(value - static_cast<double>(*rounded)) <= 0.5);
}

void CheckTexts(double value) {
  const std::string shortest = text::BoxNumber(value);
  if (std::isfinite(value)) {
    // Negative zero prints as "0" and reads back as +0, which compares equal.
    Require(text::LeadingNumber(shortest) == value);
    const auto whole = text::WholeNumber(shortest);
    Require(whole.has_value() && *whole == value);
  }
  const std::string readout = text::FormatOneDecimal(value);
  Require(!readout.empty());
  if (std::isfinite(value)) {
    Require(readout.find('.') != std::string::npos);
    Require((readout[0] == '-') == (value < 0));  // the sign of the value, even at "-0.0"
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double leading = text::LeadingNumber(text);
  Require(!std::isnan(leading));
  CheckRounding(leading);
  CheckTexts(leading);

  if (const auto whole = text::WholeNumber(text)) {
    Require(std::isfinite(*whole));
    Require(text::LeadingNumber(text) == *whole);
  }

  // The same bytes as a raw double reach every corner of the formatters.
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckRounding(raw);
    CheckTexts(raw);
  }
  return 0;
}
