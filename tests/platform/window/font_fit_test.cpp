// Shrinking a text box's font until its text fits: the same size as trying
// every size from the font's own down to 8 pixels, found without loading them all.

#include "platform/window/font_fit.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>

#include "platform/qt/fonts.h"

namespace platform {
namespace {

int AdvancePx(QFont font, int pixel_size, const QString& text) {
  font.setPixelSize(pixel_size);
  return QFontMetrics(font).horizontalAdvance(text);
}

// Every size tried from the top: the largest that fits, else 8.
int LargestFittingPx(const QFont& font, const QString& text, int width_px) {
  int size = font.pixelSize();
  while (size > kSmallestFontPx && AdvancePx(font, size, text) > width_px) --size;
  return size;
}

TEST(FitFont, FindsTheLargestSizeThatFitsAsATrialOfEverySizeWould) {
  const char* const texts[] = {"2026",           "12",   "8", "35.65",   "139.75", "-135.5",
                               "35.12345678901", "入力", "",  "ｱｰｸﾄｩﾙｽ", "1e+20",  "W W W"};
  for (const double points : {9.0, 12.0, 14.25, 15.75}) {
    const QFont font = ControlFont(app::Font{"", points, false});
    for (const char* utf8 : texts) {
      const QString text = QString::fromUtf8(utf8);
      for (int width_px = -3; width_px <= 130; width_px += 1) {
        SCOPED_TRACE(std::string(utf8) + " at " + std::to_string(points) + " pt in " +
                     std::to_string(width_px) + " px");
        const QFont fitted = FitFont(font, text, width_px);
        ASSERT_EQ(fitted.pixelSize(), LargestFittingPx(font, text, width_px));
        EXPECT_EQ(fitted.family(), font.family());
        if (fitted.pixelSize() > kSmallestFontPx) {
          EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), width_px);
        }
      }
    }
  }
}

// A font already at or below the smallest size is never touched.
TEST(FitFont, LeavesSmallFontsAlone) {
  for (const int pixels : {5, 8}) {
    QFont font = ControlFont(app::Font{});
    font.setPixelSize(pixels);
    EXPECT_EQ(FitFont(font, QStringLiteral("プラネタリウム"), 1).pixelSize(), pixels);
  }
}

}  // namespace
}  // namespace platform
