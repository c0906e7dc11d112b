#include "text/utf8.h"

#include <cstdint>

namespace text {

CodePoint FirstCodePoint(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  std::uint8_t second_low = 0x80, second_high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    if (lead == 0xE0) second_low = 0xA0;   // no overlong forms
    if (lead == 0xED) second_high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    if (lead == 0xF0) second_low = 0x90;   // no overlong forms
    if (lead == 0xF4) second_high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return {};
  }
  if (bytes.size() < length || byte(1) < second_low || byte(1) > second_high) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return {};
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  return {value, length};
}

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t length = FirstCodePoint(bytes).length;
    if (length == 0) {
      out += kReplacement;
      bytes.remove_prefix(1);
      continue;
    }
    out += bytes.substr(0, length);
    bytes.remove_prefix(length);
  }
  return out;
}

bool IsPrintableUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const CodePoint code = FirstCodePoint(bytes);
    if (code.length == 0 || IsControl(code.value)) return false;
    bytes.remove_prefix(code.length);
  }
  return true;
}

}  // namespace text
