#include "chart/label_boxes.h"

#include <algorithm>

#include "text/utf8.h"

namespace chart {
namespace {

constexpr double kFullWidth = 180;  // a kana or kanji of the 12-pixel face [twips]

}  // namespace

double TextWidth(std::string_view utf8_text) {
  double width = 0;
  while (!utf8_text.empty()) {
    const text::CodePoint character = text::FirstCodePoint(utf8_text);
    const std::size_t length = std::max<std::size_t>(character.length, 1);
    const bool narrow = character.value < 0x80 || (character.value >= 0xFF61 &&
                                                   character.value <= 0xFF9F);  // half-width kana
    width += narrow ? kFullWidth / 2 : kFullWidth;
    utf8_text.remove_prefix(length);
  }
  return width;
}

bool LabelBoxes::Free(const TextBox& box) const {
  return std::none_of(boxes_.begin(), boxes_.end(),
                      [&](const TextBox& other) { return box.Overlaps(other); });
}

}  // namespace chart
