#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// Texts a user gave, made fit to be repeated in a message or quoted in a field.

// A text a user gave, made fit to be repeated in a message.
struct LegibleText {
  std::string text;       // valid UTF-8, control characters escaped, cut when long
  std::size_t omitted{};  // characters left out at the end; 0 when nothing was cut
};

// Given:    any bytes and how many characters to keep at most.
// Returned: the text as it can be shown on a terminal or a page without
//           acting on it: bytes that are no UTF-8 become U+FFFD; a tab, CR
//           and LF show as \t, \r and \n, the backslash as \\, and every other
//           control character (C0, DEL and C1) as \xHH or \u0085; after
//           `max_characters` characters the rest is left out and counted.
LegibleText Legible(std::string_view bytes, std::size_t max_characters = 80);

// Given:    any text.
// Returned: it between double quotes, each quote inside doubled (say ""hi""),
//           the way CSV and the start file quote a field.
std::string DoubleQuoted(std::string_view text);

}  // namespace text
