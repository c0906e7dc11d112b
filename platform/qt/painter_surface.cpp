#include "platform/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <algorithm>

#include "platform/qt/fonts.h"

namespace platform {
namespace {

constexpr double kMinimumRadiusPx = 0.5;  // smallest disc drawn [logical pixels]

}  // namespace

QColor ToQColor(chart::Colour colour) {
  return QColor(colour.r, colour.g, colour.b);
}

PainterSurface::PainterSurface(QPainter& painter, chart::Colour word_colour)
    : painter_(painter), font_(WindowDefaultFont()), word_colour_(ToQColor(word_colour)) {}

void PainterSurface::Cls() {
  // The whole device, whatever scale the painter draws at.
  painter_.fillRect(painter_.worldTransform().inverted().mapRect(QRectF(painter_.window())),
                    ToQColor(BackColor));
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, chart::Colour colour) {
  ForgetDotPen();
  painter_.setRenderHint(QPainter::Antialiasing, DrawWidth > 1);
  QPen pen(ToQColor(colour), DrawWidth);
  pen.setCapStyle(DrawWidth > 1 ? Qt::SquareCap : Qt::RoundCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(app::PixelsFromTwips(x1), app::PixelsFromTwips(y1)),
                    QPointF(app::PixelsFromTwips(x2), app::PixelsFromTwips(y2)));
}

void PainterSurface::PSet(float x, float y, chart::Colour colour) {
  if (dot_pen_colour_ != colour) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ToQColor(colour), 1.0);
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
    dot_pen_colour_ = colour;
  }
  painter_.drawPoint(QPointF(app::PixelsFromTwips(x), app::PixelsFromTwips(y)));
}

void PainterSurface::Circle(float x, float y, float radius, chart::Colour colour) {
  ForgetDotPen();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(QPen(ToQColor(colour), 1.0));
  if (FillStyle == 0) {
    painter_.setBrush(ToQColor(FillColor));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
  const double r = std::max(app::PixelsFromTwips(radius), kMinimumRadiusPx);
  painter_.drawEllipse(QPointF(app::PixelsFromTwips(x), app::PixelsFromTwips(y)), r, r);
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Polygon(std::span<const chart::PointF> points) {
  ForgetDotPen();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(FillColor));
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const chart::PointF& point : points) {
    polygon.append(QPointF(app::PixelsFromTwips(point.x), app::PixelsFromTwips(point.y)));
  }
  painter_.drawPolygon(polygon);
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Print(std::string_view utf8_text) {
  ForgetDotPen();
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setFont(font_);
  painter_.setPen(word_colour_);
  const QFontMetricsF metrics(font_, painter_.device());
  const QString text =
      QString::fromUtf8(utf8_text.data(), static_cast<qsizetype>(utf8_text.size()));
  painter_.drawText(
      QPointF(app::PixelsFromTwips(CurrentX), app::PixelsFromTwips(CurrentY) + metrics.ascent()),
      text);
}

}  // namespace platform
