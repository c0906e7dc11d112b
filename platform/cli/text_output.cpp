#include "platform/cli/text_output.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "text/decimal.h"
#include "text/legible.h"
#include "text/utf8.h"

namespace platform {

std::string Quoted(std::string_view bytes) {
  const text::LegibleText legible = text::Legible(bytes);
  if (legible.omitted == 0) return "'" + legible.text + "'";
  return "'" + legible.text + "…' (" + std::to_string(legible.omitted) + " more characters)";
}

std::string ShortestNumber(double value) {
  return std::isfinite(value) ? text::ShortestText(value) : std::string();
}

std::string JsonNumber(double value) {
  return std::isfinite(value) ? ShortestNumber(value) : "null";
}

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : text::ValidUtf8(bytes)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          std::array<char, 8> escape{};
          std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
          out += escape.data();
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string CsvField(std::string_view bytes) {
  std::string field = text::ValidUtf8(bytes);
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const bool quote = field.find_first_of(",\"\r\n") != std::string::npos ||
                     (!field.empty() && (blank(field.front()) || blank(field.back())));
  return quote ? text::DoubleQuoted(field) : field;
}

}  // namespace platform
