#pragma once

#include <string_view>
#include <vector>

namespace chart {

// A text's box on the drawing area [twips].
struct TextBox {
  double left, top, width, height;

  bool Overlaps(const TextBox& other) const {
    return left < other.left + other.width && other.left < left + width &&
           top < other.top + other.height && other.top < top + height;
  }
};

// Given: a UTF-8 text. Returned: about how wide the chart's face (9 points,
// 12 window pixels) draws it [twips]: half-width katakana and ASCII half as
// wide as kana and kanji.
double TextWidth(std::string_view utf8_text);

// The height of a line of the chart's words [twips].
inline constexpr double kTextHeight = 210;

// The boxes of the words already on the chart, so that a name can be put
// where it sits on none of them.
class LabelBoxes {
 public:
  void Clear() { boxes_.clear(); }
  void Add(const TextBox& box) { boxes_.push_back(box); }
  bool Free(const TextBox& box) const;

 private:
  std::vector<TextBox> boxes_;
};

}  // namespace chart
