#pragma once

#include <string>
#include <string_view>

namespace platform {

// Given: any bytes. Returned: them between single quotes as text::Legible
// shows them (valid UTF-8, control characters escaped), cut after 80
// characters with "…' (N more characters)", for messages that repeat what the
// user typed.
std::string Quoted(std::string_view bytes);

// Given: any double. Returned: its shortest decimal text that reads back as
// the same double (text::ShortestText); empty for NaN and infinities.
std::string ShortestNumber(double value);

// Given: any double. Returned: ShortestNumber, or null where JSON has no number
// (NaN and infinities).
std::string JsonNumber(double value);

// Given: any bytes. Returned: a JSON string literal of text::ValidUtf8(bytes) with
// quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view bytes);

// Given: any bytes. Returned: one field of RFC 4180 CSV: text::ValidUtf8(bytes),
// between double quotes (inner ones doubled) when it holds a comma, a quote,
// a line break, or blanks at either end that a spreadsheet might trim.
std::string CsvField(std::string_view bytes);

// The end of a CSV record (RFC 4180: CR LF).
inline constexpr std::string_view kCsvLineEnd = "\r\n";

}  // namespace platform
