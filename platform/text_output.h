#pragma once

#include <string>
#include <string_view>

namespace platform {

// Given: any bytes. Returned: the same text where it is valid UTF-8; every
// byte that does not belong to a well-formed sequence (stray continuation
// bytes, overlong forms, surrogates, values beyond U+10FFFF, cut sequences)
// becomes U+FFFD REPLACEMENT CHARACTER.
std::string ValidUtf8(std::string_view bytes);

// Given: any bytes. Returned: them as valid UTF-8 between single quotes, for
// messages that repeat what the user typed.
std::string Quoted(std::string_view bytes);

// Given: any double. Returned: its shortest decimal text that reads back as
// the same double (std::to_chars); empty for NaN and infinities.
std::string ShortestNumber(double value);

// Given: any double. Returned: ShortestNumber, or null where JSON has no number
// (NaN and infinities).
std::string JsonNumber(double value);

// Given: any bytes. Returned: a JSON string literal of ValidUtf8(bytes) with
// quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view bytes);

// Given: any bytes. Returned: one field of RFC 4180 CSV: ValidUtf8(bytes),
// between double quotes (inner ones doubled) when it holds a comma, a quote,
// a line break, or blanks at either end that a spreadsheet might trim.
std::string CsvField(std::string_view bytes);

// The end of a CSV record (RFC 4180: CR LF).
inline constexpr std::string_view kCsvLineEnd = "\r\n";

}  // namespace platform
