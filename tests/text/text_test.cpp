// UTF-8 as the Unicode standard's table of well-formed sequences has it, and
// texts made legible for messages.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "text/legible.h"
#include "text/utf8.h"

namespace text {
namespace {

using namespace std::string_literals;

TEST(ValidUtf8, TurnsEveryIllFormedByteIntoAReplacementCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"東京 ok", "東京 ok"},
      {"\xf0\x9f\x8c\x99", "\xf0\x9f\x8c\x99"},          // U+1F319, four bytes
      {"\xff\xfe", "\uFFFD\uFFFD"},                      // never in UTF-8
      {"a\x80z", "a\uFFFDz"},                            // a stray continuation byte
      {"\xc0\xaf", "\uFFFD\uFFFD"},                      // an overlong '/'
      {"\xe0\x80\xaf", "\uFFFD\uFFFD\uFFFD"},            // an overlong '/' in three bytes
      {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xe6\x9d", "\uFFFD\uFFFD"}};                     // a cut sequence
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(ValidUtf8(bytes), expected) << bytes;
  // Whatever the bytes, the result is well formed and stays as it is.
  std::mt19937 random(9);
  for (int i = 0; i < 5000; ++i) {
    std::string bytes(static_cast<std::size_t>(random() % 12), '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    const std::string valid = ValidUtf8(bytes);
    ASSERT_EQ(ValidUtf8(valid), valid) << i;
  }
  EXPECT_EQ(FirstCodePoint("\xf0\x9f\x8c\x99").value, U'\U0001F319');
  EXPECT_EQ(FirstCodePoint("東").value, U'東');
}

TEST(IsPrintableUtf8, RefusesControlCharactersAndIllFormedBytes) {
  for (const std::string& printable : {"北緯 35°"s, ""s, "a\"b c"s, "\xc2\x85"s}) {
    EXPECT_TRUE(IsPrintableUtf8(printable)) << printable;
  }
  for (const std::string& refused :
       {"tab\there"s, "\x1b[31m"s, "a\x7f"s, "\xff"s, "nul\0"s, "\r"s}) {
    EXPECT_FALSE(IsPrintableUtf8(refused)) << refused;
  }
}

// Control characters are escaped so that nothing reaches a terminal or a page
// as an instruction; a long text is cut and the rest counted.
TEST(Legible, EscapesControlsAndCutsLongTexts) {
  const std::pair<std::string, std::string> cases[] = {{"東京", "東京"},
                                                       {"\x1b[2J", "\\x1b[2J"},
                                                       {"a\r\nb\tc", "a\\r\\nb\\tc"},
                                                       {"nul\0x"s, "nul\\x00x"},
                                                       {"del\x7f", "del\\x7f"},
                                                       {"c1\xc2\x85", "c1\\u0085"},
                                                       {"back\\slash", "back\\\\slash"},
                                                       {"\xff", "\uFFFD"}};
  for (const auto& [bytes, shown] : cases) {
    const LegibleText legible = Legible(bytes);
    EXPECT_EQ(legible.text, shown);
    EXPECT_EQ(legible.omitted, 0u);
  }
  const LegibleText long_text = Legible(std::string(100'000, 'x'));
  EXPECT_EQ(long_text.text, std::string(80, 'x'));
  EXPECT_EQ(long_text.omitted, 100'000u - 80);
  const LegibleText kanji = Legible("星" + std::string(100, 'y'), 3);
  EXPECT_EQ(kanji.text, "星yy");
  EXPECT_EQ(kanji.omitted, 98u);
}

}  // namespace
}  // namespace text
