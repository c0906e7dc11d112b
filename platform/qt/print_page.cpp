#include "platform/qt/print_page.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPaintDevice>
#include <algorithm>

#include "chart/palette.h"
#include "platform/qt/chart_picture.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painter_surface.h"

namespace platform {
namespace {

constexpr double kMarginMm = 12;
constexpr double kCaptionPoints = 11;
constexpr double kCaptionGapLines = 0.5;  // between the chart and the caption [caption lines]

}  // namespace

QPageLayout ChartPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                     QPageLayout::Millimeter);
}

void PaintChartPage(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                    const std::string& caption) {
  const QPaintDevice& device = *painter.device();
  const QSizeF page(device.width(), device.height());  // inside the margins [dots]
  QFont font = WindowDefaultFont();
  font.setPointSizeF(kCaptionPoints);
  const QFontMetricsF metrics(font, painter.device());
  const double caption_height = metrics.height() * (1 + kCaptionGapLines);  // [dots]

  // The chart at the width of the page, or lower where the page is short.
  const double scale =
      std::min(page.width() / kClientWidthPx, (page.height() - caption_height) / kClientHeightPx);
  const QSizeF chart_size(kClientWidthPx * scale, kClientHeightPx * scale);
  painter.save();
  painter.translate((page.width() - chart_size.width()) / 2, 0);
  painter.setClipRect(QRectF(QPointF(0, 0), chart_size));
  painter.scale(scale, scale);
  PaintChart(painter, drawing, sky, chart::Palette::kPrint);
  painter.restore();

  painter.setFont(font);
  painter.setPen(ToQColor(chart::WordColour(chart::Palette::kPrint)));
  const double left = (page.width() - chart_size.width()) / 2;  // under the chart's left edge
  const QRectF line(left, chart_size.height() + metrics.height() * kCaptionGapLines,
                    page.width() - left, metrics.height());
  painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(caption));
}

}  // namespace platform
