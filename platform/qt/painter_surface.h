#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSize>
#include <optional>

#include "app/screen_units.h"
#include "chart/surface.h"

namespace platform {

// The window's client area [logical pixels]: the horizon line is 1034 pixels
// long and the direction words need room below it at y = 607.
inline constexpr int kClientWidthPx = 1040;
inline constexpr int kClientHeightPx = 640;
inline constexpr QSize kFormSizePx(kClientWidthPx, kClientHeightPx);

// Given: a colour of the chart. Returned: the same colour for Qt.
QColor ToQColor(chart::Colour colour);

// The chart's drawing operations on any QPaintDevice (the window, a PNG image,
// an SVG or PDF file) through a QPainter working in logical pixels: twips / 15.
// Qt scales logical pixels to the device, so high-dpi screens stay sharp.
// While it draws, nothing else may change the painter's pen or render hints.
class PainterSurface final : public chart::Surface {
 public:
  // Given: an active painter whose coordinates are logical pixels, and the
  // colour of the words (white shows on the night and day skies).
  explicit PainterSurface(QPainter& painter, chart::Colour word_colour = chart::RGB(255, 255, 255));

  // Fills the whole device with BackColor, at any scale of the painter.
  void Cls() override;
  // A line DrawWidth wide: one pixel not anti-aliased, like the window's own
  // lines, and wider lines anti-aliased.
  void Line(float x1, float y1, float x2, float y2, chart::Colour colour) override;
  // A square dot one logical pixel wide: at least one device pixel at any scale.
  void PSet(float x, float y, chart::Colour colour) override;
  // Anti-aliased disc; radii below half a pixel still show as a small dot.
  void Circle(float x, float y, float radius, chart::Colour colour) override;
  // Text in the window's default face, in the word colour.
  void Print(std::string_view utf8_text) override;
  // Anti-aliased, filled with FillColor.
  void Polygon(std::span<const chart::PointF> points) override;

 private:
  // Forgets the dot pen: called by every operation that sets another pen.
  void ForgetDotPen() { dot_pen_colour_.reset(); }

  QPainter& painter_;
  QFont font_;
  QColor word_colour_;
  // The colour of the dot pen the painter holds, with anti-aliasing off, if any:
  // the grid sets thousands of dots in one colour, and one pen serves them all.
  std::optional<chart::Colour> dot_pen_colour_;
};

}  // namespace platform
