#pragma once

#include <string>

namespace text {

// Numbers as decimal text and back, exactly: for the drawing's operation
// listing, the window's boxes and the command line's listings. Where the C++ library converts
// floating point (std::to_chars, std::from_chars) these call it; where it does not (the WebAssembly
// build) the same texts and values come from the C library's correctly rounded printf and strtod
// through the functions in `portable` below.

// Given:    any value.
// Returned: the shortest text that reads back as the same value, as
//           std::to_chars(first, last, value) writes it: fixed or scientific
//           notation, whichever is shorter, fixed on a tie ("0.0001" is
//           "1e-04", 1e+20, 123.25, -0, "inf", "-nan").
std::string ShortestText(float value);
std::string ShortestText(double value);

// Given:    any value and a count of digits after the point, 0 to 40.
// Returned: "d.ddde+XX" rounded to nearest, ties to even, as
//           std::to_chars(first, last, value, std::chars_format::scientific,
//           digits) and printf's "%.*e" write it.
std::string ScientificText(double value, int digits);

// What a decimal text reads as.
struct DecimalValue {
  double value = 0;         // nearest double, ties to even; 0 when out of range
  bool outOfRange = false;  // beyond the double range, or non-zero digits that
                            // round to zero
};

// Given:    digits with at most one decimal point and at least one digit,
//           optionally followed by 'e', an optional '-' and exponent digits
//           ("12.5", ".5", "5.", "1e-400"); nothing else.
// Returned: the value as std::from_chars reads it.
DecimalValue ReadDecimal(const std::string& text);

// Given:    decimal digits ("0" to "9"), at least one.
// Returned: true when adding one to the last digit carried out of the first
//           (all nines: the digits are now all zeros and the caller puts the
//           carried 1 in front); false otherwise, the digits then one higher.
bool IncrementDigits(std::string& digits);

// The same conversions built on snprintf and strtod of the "C" locale only.
namespace portable {
std::string ShortestText(float value);
std::string ShortestText(double value);
std::string ScientificText(double value, int digits);
DecimalValue ReadDecimal(const std::string& text);
}  // namespace portable

}  // namespace text
