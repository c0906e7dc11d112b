#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// U+FFFD REPLACEMENT CHARACTER, which stands for bytes that are no character.
inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// True for the C0 control characters (U+0000 to U+001F) and U+007F DELETE.
constexpr bool IsControl(char32_t code) {
  return code < 0x20 || code == 0x7F;
}

// One character of UTF-8 text.
struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0;  // its bytes; 0 where the bytes are no well-formed character
};

// Given: bytes, at least one. Returned: the character they start with, as the
// Unicode standard's table of well-formed sequences allows it: no overlong
// forms, no surrogates, nothing beyond U+10FFFF, no cut sequence.
CodePoint FirstCodePoint(std::string_view bytes);

// Given: any bytes. Returned: the same text where it is valid UTF-8; every
// byte that does not belong to a well-formed character becomes U+FFFD
// REPLACEMENT CHARACTER.
std::string ValidUtf8(std::string_view bytes);

// True for well-formed UTF-8 without control characters (U+0000 to U+001F and
// U+007F).
bool IsPrintableUtf8(std::string_view bytes);

}  // namespace text
