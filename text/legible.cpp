#include "text/legible.h"

#include <array>
#include <cstdio>

#include "text/utf8.h"

namespace text {
namespace {

// The escape that stands for a control character or the backslash, or
// nothing for a character shown as it is.
std::string Escape(char32_t code) {
  switch (code) {
    case '\t':
      return "\\t";
    case '\r':
      return "\\r";
    case '\n':
      return "\\n";
    case '\\':
      return "\\\\";
    default:
      break;
  }
  std::array<char, 8> escape{};
  if (IsControl(code)) {
    std::snprintf(escape.data(), escape.size(), "\\x%02x", static_cast<unsigned>(code));
  } else if (code >= 0x80 && code <= 0x9F) {
    std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(code));
  }
  return escape.data();
}

}  // namespace

LegibleText Legible(std::string_view bytes, std::size_t max_characters) {
  LegibleText legible;
  std::size_t characters = 0;
  while (!bytes.empty()) {
    const CodePoint code = FirstCodePoint(bytes);
    const std::size_t length = code.length == 0 ? 1 : code.length;
    if (characters < max_characters) {
      const std::string escape = code.length == 0 ? std::string() : Escape(code.value);
      if (code.length == 0) {
        legible.text += kReplacement;
      } else {
        legible.text += escape.empty() ? bytes.substr(0, length) : std::string_view(escape);
      }
    } else {
      ++legible.omitted;
    }
    ++characters;
    bytes.remove_prefix(length);
  }
  return legible;
}

std::string DoubleQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace text
