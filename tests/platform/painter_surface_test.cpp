#include "platform/painter_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/fonts.h"

namespace platform {
namespace {

constexpr chart::Colour kNight = chart::RGB(32, 96, 192);
constexpr chart::Colour kDay = chart::RGB(0, 144, 255);
constexpr chart::Colour kStar = chart::RGB(240, 208, 0);

// A canvas of 100 x 100 logical pixels (1500 twips square) at a device scale.
struct Canvas {
  explicit Canvas(int scale) : image(100 * scale, 100 * scale, QImage::Format_RGB32) {
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
  }
  template <typename Draw>
  void Paint(chart::Colour back, Draw draw) {
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.BackColor = back;
    surface.Cls();
    draw(surface);
  }
  int Count(chart::Colour colour) const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == ToQColor(colour).rgb();
    }
    return n;
  }
  int CountNot(chart::Colour colour) const {
    return image.width() * image.height() - Count(colour);
  }
  QImage image;
};

TEST(PainterSurface, ClsFillsEverythingWithTheBackColour) {
  for (const chart::Colour sky : {kNight, kDay}) {
    Canvas canvas(1);
    canvas.Paint(sky, [](chart::Surface&) {});
    EXPECT_EQ(canvas.CountNot(sky), 0);
  }
}

TEST(PainterSurface, LinesAreMeasuredInTwips) {
  Canvas canvas(1);
  canvas.Paint(kNight,
               [](chart::Surface& s) { s.Line(0, 750, 1485, 750, chart::RGB(88, 88, 88)); });
  EXPECT_EQ(canvas.image.pixel(10, 50), QColor(88, 88, 88).rgb());
  EXPECT_EQ(canvas.image.pixel(99, 50), QColor(88, 88, 88).rgb());
  EXPECT_EQ(canvas.image.pixel(10, 40), ToQColor(kNight).rgb());
  EXPECT_EQ(canvas.Count(chart::RGB(88, 88, 88)), 100);
}

TEST(PainterSurface, APointStaysVisibleAtEveryScale) {
  for (const int scale : {1, 2, 3}) {
    SCOPED_TRACE(scale);
    for (const float x : {750.0F, 757.5F, 742.0F}) {
      Canvas canvas(scale);
      canvas.Paint(kNight, [x](chart::Surface& s) { s.PSet(x, 750, chart::RGB(240, 48, 48)); });
      EXPECT_GE(canvas.Count(chart::RGB(240, 48, 48)), 1);
      EXPECT_LE(canvas.CountNot(kNight), 4 * scale * scale);
    }
  }
}

TEST(PainterSurface, TheFaintestStarStillShows) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    Canvas canvas(scale);
    canvas.Paint(kNight, [](chart::Surface& s) {
      s.FillStyle = 0;
      s.FillColor = kStar;
      s.Circle(750, 750, 10, kStar);  // magnitude 4: two thirds of a pixel
    });
    EXPECT_GE(canvas.CountNot(kNight), 1);
    EXPECT_LE(canvas.CountNot(kNight), 16 * scale * scale);
  }
}

TEST(PainterSurface, CirclesAreFilledOnlyWithFillStyleZero) {
  for (const int fill_style : {0, 1}) {
    SCOPED_TRACE(fill_style);
    Canvas canvas(1);
    canvas.Paint(kNight, [fill_style](chart::Surface& s) {
      s.FillStyle = fill_style;
      s.FillColor = chart::RGB(224, 80, 16);
      s.Circle(750, 750, 450, chart::RGB(224, 80, 16));  // 30 pixels
    });
    const QRgb centre = canvas.image.pixel(50, 50);
    EXPECT_EQ(centre, fill_style == 0 ? QColor(224, 80, 16).rgb() : ToQColor(kNight).rgb());
    EXPECT_NE(canvas.image.pixel(80, 50), ToQColor(kNight).rgb());  // on the outline
    EXPECT_EQ(canvas.image.pixel(5, 5), ToQColor(kNight).rgb());
  }
}

TEST(PainterSurface, TextBeginsAtItsTopLeftCorner) {
  Canvas canvas(1);
  canvas.Paint(kDay, [](chart::Surface& s) {
    s.CurrentX = 300;  // 20 pixels
    s.CurrentY = 450;  // 30 pixels
    s.Print("南東");
  });
  int left = 100, top = 100, bottom = -1;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (canvas.image.pixel(x, y) == ToQColor(kDay).rgb()) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_GE(left, 20);
  EXPECT_LE(left, 23);
  EXPECT_GE(top, 30);
  EXPECT_LE(top, 34);
  EXPECT_GT(bottom, top + 6);
  int bright = 0;  // white letters, legible on either sky
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) bright += qGray(canvas.image.pixel(x, y)) > 220;
  }
  EXPECT_GT(bright, 10);
}

TEST(Fonts, JapaneseNeverFallsToAFaceWithoutKana) {
  for (const QFont& font : {WindowDefaultFont(), ControlFont({"ＭＳ Ｐゴシック", 12, true})}) {
    const QFontMetrics metrics(font);
    for (const char32_t c : {U'太', U'陽', U'ｱ', U'プ', U'（', U'・'}) {
      EXPECT_TRUE(metrics.inFontUcs4(c)) << QFontInfo(font).family().toStdString();
    }
  }
  EXPECT_EQ(PixelsFromPoints(12), 16);
  EXPECT_EQ(PixelsFromPoints(14.25), 19);
  EXPECT_EQ(PixelsFromPoints(9), 12);
}

}  // namespace
}  // namespace platform
