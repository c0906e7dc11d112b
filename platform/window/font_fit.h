#pragma once

#include <QFont>
#include <QString>

namespace platform {

inline constexpr int kSmallestFontPx = 8;

// Given: a font sized in pixels, a text and the width it must fit [logical
// pixels]. Returned: the font at the largest pixel size, from its own down to
// 8, at which the text's advance fits the width; at 8 pixels when none does
// (a font already at 8 pixels or less comes back unchanged).
// Notes: measures at the font's own size and then only around the size the
// width scales to, never every size on the way down: each size measured the
// first time costs the font system a match and a new face.
QFont FitFont(QFont font, const QString& text, int width_px);

}  // namespace platform
