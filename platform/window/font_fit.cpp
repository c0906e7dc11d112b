#include "platform/window/font_fit.h"

#include <QFontMetrics>
#include <algorithm>

namespace platform {
namespace {

bool FitsAt(QFont font, int pixel_size, const QString& text, int width_px) {
  font.setPixelSize(pixel_size);
  return QFontMetrics(font).horizontalAdvance(text) <= width_px;
}

}  // namespace

QFont FitFont(QFont font, const QString& text, int width_px, int smallest_px) {
  const int own_px = font.pixelSize();
  if (own_px <= smallest_px) return font;
  const int own_advance = QFontMetrics(font).horizontalAdvance(text);
  if (own_advance <= width_px) return font;
  // The advance grows about in proportion to the size: start where the width
  // scales to, then step to the largest size that fits (rounding of glyph
  // advances makes the proportion only approximate).
  const long long scaled_px =
      own_advance > 0 ? static_cast<long long>(own_px) * width_px / own_advance : 0;
  int size = static_cast<int>(std::clamp<long long>(scaled_px, smallest_px, own_px - 1));
  if (FitsAt(font, size, text, width_px)) {
    while (size + 1 < own_px && FitsAt(font, size + 1, text, width_px)) ++size;
  } else {
    while (size > smallest_px) {
      --size;
      if (FitsAt(font, size, text, width_px)) break;
    }
  }
  font.setPixelSize(size);
  return font;
}

}  // namespace platform
