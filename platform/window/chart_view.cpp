#include "platform/window/chart_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/chart_picture.h"

namespace platform {

ChartView::ChartView(const chart::RecordingSurface& drawing, QWidget& window)
    : QWidget(&window), drawing_(drawing) {
  setObjectName(QStringLiteral("chart"));
  setAccessibleName(QStringLiteral("星図"));
  setAttribute(Qt::WA_OpaquePaintEvent);  // the chart's clear covers it: nothing beneath to paint
  lower();
}

void ChartView::Show(chart::Colour sky, chart::Palette palette, double scale,
                     const std::string& words) {
  sky_ = sky;
  palette_ = palette;
  scale_ = scale;
  const QString description = QString::fromStdString(words);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  update();
}

void ChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.scale(scale_, scale_);
  PaintChart(painter, drawing_, sky_, palette_);
}

}  // namespace platform
