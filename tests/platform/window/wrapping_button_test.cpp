// Command-button captions: broken into at most two centred lines at the
// window's default size, smaller only when two lines do not hold them.

#include "platform/window/wrapping_button.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/fonts.h"

namespace platform {
namespace {

std::string Joined(const QStringList& lines) {
  return lines.join(QLatin1Char('/')).toStdString();
}

// The window's three buttons at their twips sizes (15 twips a pixel), in the
// window's default font (9 pt, 12 pixels).
TEST(WrappingButton, WindowButtonsWrapAtTheDefaultSize) {
  const struct {
    const char* caption;
    int width_px, height_px;  // the whole button
    const char* lines;
  } cases[] = {{"プラネタリウム", 57, 33, "プラネタ/リウム"},
               {"数値", 41, 25, "数値"},
               {"終了", 41, 25, "終了"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    WrappingButton button;
    button.setFont(WindowDefaultFont());
    button.setText(QString::fromUtf8(c.caption));
    button.resize(c.width_px, c.height_px);
    const ButtonCaption caption = button.Caption();
    EXPECT_EQ(Joined(caption.lines), c.lines);
    EXPECT_EQ(caption.font.pixelSize(), 12);
  }
}

// Over captions with and without blanks and a range of button sizes: no
// character is lost or doubled; the font is the button's own or smaller, and
// above the smallest size the lines number at most two and fit the inside; a
// wider button never gets a smaller font.
TEST(WrappingButton, CaptionsFitOrShrinkButNeverLoseCharacters) {
  const char* const captions[] = {"プラネタリウム",
                                  "数値",
                                  "高度・方位線",
                                  "東京　プラネタリウム",
                                  "Compute the chart",
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                  "W",
                                  ""};
  const QFont font = WindowDefaultFont();
  const auto without_blanks = [](QString text) {
    return text.remove(QLatin1Char(' ')).remove(QChar(0x3000)).toStdString();
  };
  for (const char* text : captions) {
    for (const int height_px : {13, 26, 40}) {
      int previous_px = 0;
      for (int width_px = 4; width_px <= 320; width_px += 4) {
        SCOPED_TRACE(std::string(text) + " in " + std::to_string(width_px) + " x " +
                     std::to_string(height_px));
        const QString caption = QString::fromUtf8(text);
        const ButtonCaption laid = LayOutButtonCaption(font, caption, width_px, height_px);
        EXPECT_EQ(without_blanks(laid.lines.join(QString())), without_blanks(caption));
        const int px = laid.font.pixelSize();
        EXPECT_TRUE(px >= 8 && px <= font.pixelSize()) << px;
        EXPECT_GE(px, previous_px);
        previous_px = px;
        if (px == 8) continue;
        const QFontMetrics metrics(laid.font);
        EXPECT_LE(laid.lines.size(), kButtonCaptionLines);
        EXPECT_LE(laid.lines.size() * metrics.height(), height_px);
        for (const QString& line : laid.lines) EXPECT_LE(metrics.horizontalAdvance(line), width_px);
      }
      EXPECT_EQ(previous_px, font.pixelSize()) << text;  // 320 pixels hold any caption in full
    }
  }
}

// The planetarium button as painted: two bands of ink rows with blank rows
// between them, each band centred on the button (within rounding either way).
TEST(WrappingButton, PaintsTwoCentredLines) {
  WrappingButton button;
  button.setFont(WindowDefaultFont());
  button.setText(QStringLiteral("プラネタリウム"));
  button.resize(57, 33);
  const QImage image = button.grab().toImage();
  const int text_grey = qGray(button.palette().color(QPalette::ButtonText).rgb());
  struct Band {
    int left, right;  // ink columns [px]
  };
  std::vector<Band> bands;
  bool in_band = false;
  for (int y = 2; y < image.height() - 2; ++y) {  // inside the bevel
    int left = image.width(), right = -1;
    for (int x = 2; x < image.width() - 2; ++x) {
      if (qGray(image.pixel(x, y)) < text_grey + 96) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    if (right < 0) {
      in_band = false;
      continue;
    }
    if (!in_band) bands.push_back({left, right});
    in_band = true;
    bands.back() = {std::min(bands.back().left, left), std::max(bands.back().right, right)};
  }
  ASSERT_EQ(bands.size(), 2u);
  for (const Band& band : bands) {
    EXPECT_NEAR(band.left + band.right, image.width() - 1, 3);  // twice the middle column
  }
}

}  // namespace
}  // namespace platform
