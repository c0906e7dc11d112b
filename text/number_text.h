#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The number at the start of a text, read the way the user expects of a BASIC
// input box.
// Given:    text  any bytes (not necessarily valid UTF-8)
// Returned: the value of an optional sign, digits with at most one decimal
//           point and an optional exponent (E or D, optional sign, digits);
//           spaces and tabs are ignored anywhere, reading stops at the first
//           other character that does not continue the number. What a
//           Japanese input method types counts as its ASCII form: the
//           full-width digits, ＋, －, ． and the minus sign U+2212, and the
//           ideographic space as a blank.
// Notes:    0 when the text does not start with a number. Never NaN; a value
//           beyond the double range gives +-infinity ("does not fit" for the
//           callers), one too small for a double gives 0.
double LeadingNumber(std::string_view text);

// The whole field as a number, for fields already cut at blanks and commas.
// Returned: the value when every byte belongs to the number (same grammar as
//           LeadingNumber, no blanks inside), std::nullopt otherwise or when
//           the value lies beyond the double range.
std::optional<double> WholeNumber(std::string_view field);

// Rounds to a 16-bit integer, halves to the even neighbour (32766.5 -> 32766).
// Returned: std::nullopt when the value is not finite or the rounded value
//           lies outside -32768..32767 (32767.5 does not fit, -32768.5 does).
std::optional<std::int16_t> RoundToInt16(double value);

// The readout format "0.0": at least one integer digit, exactly one decimal.
// Given:    value  any double
// Returned: the value rounded to one decimal, halves away from zero, as its
//           15 significant decimal digits show it (0.15 -> "0.2"); a minus sign
//           for every value below zero, also when it rounds to zero
//           (-0.04 -> "-0.0"; 0, -0.0 and 0.04 -> "0.0"); non-finite values
//           as "inf", "-inf" or "nan".
std::string FormatOneDecimal(double value);

// The text a box shows for a number: the shortest decimal text that reads
// back as the same double, without a leading space or trailing zeros (43.067,
// -0.18, 35, 139.75; 1e+20 for large values). Negative zero shows as "0".
std::string BoxNumber(double value);

}  // namespace text
