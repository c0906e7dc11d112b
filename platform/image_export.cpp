#include "platform/image_export.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QString>
#include <QSvgGenerator>
#include <cmath>

#include "platform/painter_surface.h"
#include "platform/screen_units.h"

namespace platform {
namespace {

constexpr double kPointsPerPixel = static_cast<double>(kPointsPerInch) / kPixelsPerInch;

QString Suffix(const std::string& path) {
  const QString name = QString::fromStdString(path).toLower();
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot + 1);
}

// Given: an active painter on the target. Returned: whether the painter was active.
bool Paint(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour background) {
  if (!painter.isActive()) return false;
  PainterSurface surface(painter);
  surface.BackColor = background;
  drawing.Replay(surface);
  return true;
}

bool WritePng(const chart::RecordingSurface& drawing, chart::Colour background,
              const QString& path) {
  QImage image(kClientWidthPx, kClientHeightPx, QImage::Format_RGB32);
  const auto dots_per_metre = static_cast<int>(std::lround(kPixelsPerInch / 0.0254));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  {
    QPainter painter(&image);
    if (!Paint(painter, drawing, background)) return false;
  }
  return image.save(path, "PNG");
}

bool WriteSvg(const chart::RecordingSurface& drawing, chart::Colour background,
              const QString& path) {
  QSvgGenerator generator;
  generator.setFileName(path);
  generator.setSize(QSize(kClientWidthPx, kClientHeightPx));
  generator.setViewBox(QRect(0, 0, kClientWidthPx, kClientHeightPx));
  generator.setResolution(kPixelsPerInch);
  generator.setTitle(QStringLiteral("プラネタリウム"));
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  const bool painted = Paint(painter, drawing, background);
  return painter.end() && painted;
}

bool WritePdf(const chart::RecordingSurface& drawing, chart::Colour background,
              const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(kPixelsPerInch);
  writer.setPageSize(
      QPageSize(QSizeF(kClientWidthPx * kPointsPerPixel, kClientHeightPx * kPointsPerPixel),
                QPageSize::Point));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("プラネタリウム"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const bool painted = Paint(painter, drawing, background);
  return painter.end() && painted;
}

}  // namespace

bool IsChartImagePath(const std::string& path) {
  const QString suffix = Suffix(path);
  return suffix == u"png" || suffix == u"svg" || suffix == u"pdf";
}

bool WriteChartImage(const chart::RecordingSurface& drawing, chart::Colour background,
                     const std::string& path) {
  const QString suffix = Suffix(path);
  const QString file = QString::fromStdString(path);
  if (suffix == u"png") return WritePng(drawing, background, file);
  if (suffix == u"svg") return WriteSvg(drawing, background, file);
  if (suffix == u"pdf") return WritePdf(drawing, background, file);
  return false;
}

bool WriteWindowImage(QWidget& window, const std::string& path) {
  return window.grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace platform
