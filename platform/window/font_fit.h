#pragma once

#include <QFont>
#include <QString>

namespace platform {

inline constexpr int kSmallestFontPx = 8;

// Given: a font sized in pixels, a text, the width it must fit [logical
// pixels] and the smallest size to go down to (8 pixels at the form's own
// scale). Returned: the font at the largest pixel size, from its own down to
// the smallest, at which the text's advance fits the width; at the smallest
// when none does (a font already that small comes back unchanged).
// Notes: measures at the font's own size and then only around the size the
// width scales to, never every size on the way down: each size measured the
// first time costs the font system a match and a new face.
QFont FitFont(QFont font, const QString& text, int width_px, int smallest_px = kSmallestFontPx);

}  // namespace platform
