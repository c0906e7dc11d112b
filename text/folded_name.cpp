#include "text/folded_name.h"

#include <array>
#include <cstddef>

#include "text/utf8.h"

namespace text {
namespace {

// A run of code points from `first` on, each written in `plain` as the plain
// lower-case letter it carries a mark on, or as '.' where it is no such letter
// (×, ÷, Æ, ß, Œ, ŉ, ...) and stays as it is; sixteen code points a line.
struct MarkedLetters {
  char32_t first;
  std::string_view plain;
};

constexpr std::array<MarkedLetters, 3> kMarkedLetters{{
    // Latin-1: À to ÿ.
    {0x00C0,
     "aaaaaa.ceeeeiiii"
     ".nooooo.ouuuuy.."
     "aaaaaa.ceeeeiiii"
     ".nooooo.ouuuuy.y"},
    // Latin Extended-A: Ā to ſ.
    {0x0100,
     "aaaaaaccccccccdd"
     "ddeeeeeeeeeegggg"
     "gggghhhhiiiiiiii"
     "ii..jjkk.lllllll"
     "lllnnnnnn...oooo"
     "oo..rrrrrrssssss"
     "ssttttttuuuuuuuu"
     "uuuuwwyyyzzzzzz."},
    // Latin Extended-B: Ǎ to ǜ, the vowels with a caron as pinyin writes them.
    {0x01CD, "aaiioouuuuuuuuuu"},
}};

constexpr char32_t kFirstCombiningMark = 0x0300;
constexpr char32_t kLastCombiningMark = 0x036F;

bool IsSeparator(char32_t code) {
  return code == ' ' || code == '\t' || code == '-' || code == '_' || code == 0x00A0 ||
         code == 0x3000;
}

// The plain letter of a Latin letter with a mark, or '.' for any other code point.
char PlainLetter(char32_t code) {
  for (const MarkedLetters& run : kMarkedLetters) {
    if (code >= run.first && code - run.first < run.plain.size())
      return run.plain[code - run.first];
  }
  return '.';
}

// One well-formed character of a name, `bytes` its UTF-8, as FoldedName writes it.
std::string FoldedCharacter(char32_t code, std::string_view bytes) {
  if (IsSeparator(code) || (code >= kFirstCombiningMark && code <= kLastCombiningMark)) return {};
  if (code >= 'A' && code <= 'Z') return std::string(1, static_cast<char>(code - 'A' + 'a'));
  const char plain = PlainLetter(code);
  return plain == '.' ? std::string(bytes) : std::string(1, plain);
}

}  // namespace

std::string FoldedName(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  while (!name.empty()) {
    const CodePoint code = FirstCodePoint(name);
    const std::string_view bytes = name.substr(0, code.length == 0 ? 1 : code.length);
    folded += code.length == 0 ? std::string(bytes) : FoldedCharacter(code.value, bytes);
    name.remove_prefix(bytes.size());
  }
  return folded;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace text
