// The chart's drawing surface on Qt: the retained display list and the painter.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "chart/recording_surface.h"
#include "platform/display_list.h"
#include "platform/fonts.h"
#include "platform/painter_surface.h"

namespace platform {
namespace {

constexpr chart::Colour kNight = chart::RGB(32, 96, 192);
constexpr chart::Colour kDay = chart::RGB(0, 144, 255);
constexpr chart::Colour kStar = chart::RGB(240, 208, 0);

TEST(DisplayList, ReplayDrawsExactlyWhatWasRecordedSinceTheLastCls) {
  // Every operation, with the state changes the chart makes between them.
  const auto draw = [](chart::Surface& s) {
    s.Cls();
    s.Line(0, 9000, 15500, 9000, kDay);
    s.PSet(100.5F, 200.25F, kDay);
    s.FillStyle = 0;
    s.FillColor = kStar;
    s.Circle(7000, 4000, 100, kStar);
    s.CurrentX = 7080;
    s.CurrentY = 4000;
    s.Print("太陽");
    s.FillStyle = 1;
    s.Circle(1, 2, 10, kDay);
  };
  chart::RecordingSurface direct, replayed, blank;
  direct.BackColor = replayed.BackColor = kNight;
  draw(direct);
  DisplayList list;
  draw(list);
  list.Replay(replayed);
  EXPECT_EQ(replayed.Text(), direct.Text());
  list.Cls();
  list.Replay(blank);
  EXPECT_EQ(blank.Text(), "cls 0 0 0");
}

// Paints on a canvas of 100 x 100 logical pixels (1500 twips square) at a device
// scale and counts the device pixels that are not the background.
template <typename Draw>
QImage Paint(int scale, chart::Colour back, Draw draw) {
  QImage image(100 * scale, 100 * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  {
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.BackColor = back;
    surface.Cls();
    draw(surface);
  }
  return image;
}
int CountNot(const QImage& image, chart::Colour colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != ToQColor(colour).rgb();
  }
  return n;
}

TEST(PainterSurface, ClsFillsAndLinesAreMeasuredInTwips) {
  EXPECT_EQ(CountNot(Paint(1, kDay, [](chart::Surface&) {}), kDay), 0);
  const QImage line = Paint(1, kNight, [](chart::Surface& s) { s.Line(0, 750, 1485, 750, kStar); });
  EXPECT_EQ(CountNot(line, kNight), 100);
  EXPECT_EQ(line.pixel(0, 50), ToQColor(kStar).rgb());
  EXPECT_EQ(line.pixel(99, 50), ToQColor(kStar).rgb());
}

TEST(PainterSurface, PointsAndTheFaintestStarStayVisibleAtEveryScale) {
  for (const int scale : {1, 2, 3}) {
    for (const float x : {750.0F, 757.5F, 742.0F}) {
      const int n =
          CountNot(Paint(scale, kNight, [x](chart::Surface& s) { s.PSet(x, 750, kStar); }), kNight);
      EXPECT_GE(n, 1) << scale << " " << x;
      EXPECT_LE(n, 4 * scale * scale) << scale << " " << x;
    }
    const int n =
        CountNot(Paint(scale, kNight,
                       [](chart::Surface& s) {
                         s.FillStyle = 0;
                         s.FillColor = kStar;
                         s.Circle(750, 750, 10, kStar);  // magnitude 4: two thirds of a pixel
                       }),
                 kNight);
    EXPECT_GE(n, 1) << scale;
    EXPECT_LE(n, 16 * scale * scale) << scale;
  }
}

TEST(PainterSurface, CirclesAreFilledOnlyWithFillStyleZero) {
  for (const int fill_style : {0, 1}) {
    const QImage image = Paint(1, kNight, [fill_style](chart::Surface& s) {
      s.FillStyle = fill_style;
      s.FillColor = kStar;
      s.Circle(750, 750, 450, kStar);  // 30 pixels
    });
    EXPECT_EQ(image.pixel(50, 50), ToQColor(fill_style == 0 ? kStar : kNight).rgb());
    EXPECT_NE(image.pixel(80, 50), ToQColor(kNight).rgb()) << "on the outline";
    EXPECT_EQ(image.pixel(5, 5), ToQColor(kNight).rgb());
  }
}

TEST(PainterSurface, WhiteTextBeginsAtItsTopLeftCorner) {
  const QImage image = Paint(1, kDay, [](chart::Surface& s) {
    s.CurrentX = 300;  // 20 pixels
    s.CurrentY = 450;  // 30 pixels
    s.Print("南東");
  });
  int left = 100, top = 100, bottom = -1, white = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (image.pixel(x, y) == ToQColor(kDay).rgb()) continue;
      left = std::min(left, x), top = std::min(top, y), bottom = std::max(bottom, y);
      white += qGray(image.pixel(x, y)) > 220;  // legible on either sky
    }
  }
  EXPECT_TRUE(left >= 20 && left <= 23) << left;
  EXPECT_TRUE(top >= 30 && top <= 34) << top;
  EXPECT_GT(bottom, top + 6);
  EXPECT_GT(white, 10);
}

TEST(Fonts, JapaneseNeverFallsToAFaceWithoutKana) {
  for (const QFont& font : {WindowDefaultFont(), ControlFont({"ＭＳ Ｐゴシック", 12, true})}) {
    for (const char32_t c : {U'太', U'陽', U'ｱ', U'プ', U'（', U'・'}) {
      EXPECT_TRUE(QFontMetrics(font).inFontUcs4(c)) << font.family().toStdString();
    }
  }
  EXPECT_EQ(PixelsFromPoints(12), 16);
  EXPECT_EQ(PixelsFromPoints(14.25), 19);
}

}  // namespace
}  // namespace platform
