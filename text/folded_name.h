#pragma once

#include <string>
#include <string_view>

namespace text {

// Given:    a name as a user may type it in Latin letters ("São Paulo",
//           "new-york", "TŌKYŌ").
// Returned: the name as two names are compared: ASCII letters in lower case;
//           a Latin letter with a mark (Latin-1, Latin Extended-A, the pinyin
//           vowels with a caron) as its plain lower-case letter, and a
//           combining mark (U+0300 to U+036F) left out; blanks (space, tab,
//           no-break space, ideographic space), hyphens and underscores left
//           out. Every other character, and every byte that is no UTF-8, stays
//           as it is. "São Paulo", "SAO-PAULO" and "sao_paulo" all give
//           "saopaulo".
std::string FoldedName(std::string_view name);

// Returned: the text with its ASCII letters in lower case, every other byte as it is.
std::string AsciiLower(std::string_view text);

}  // namespace text
