#include "platform/qt/image_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>
#include <cmath>

#include "app/screen_units.h"
#include "platform/qt/print_page.h"
#include "platform/qt/whole_file.h"

namespace platform {
namespace {

constexpr double kPointsPerPixel = static_cast<double>(app::kPointsPerInch) / app::kPixelsPerInch;
constexpr double kMetresPerInch = 0.0254;
constexpr int kPrintDotsPerInch = 300;  // of the printed page's PDF

QString Suffix(const std::string& path) {
  const QString name = QString::fromStdString(path).toLower();
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot + 1);
}

// Paints with a painter begun on `device`; false when it could not begin or end.
bool PaintOn(QPaintDevice& device, const Painting& paint) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  paint(painter);
  return painter.end();
}

bool WritePng(QIODevice& file, QSize size_px, int scale, const Painting& paint) {
  QImage image(size_px * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  if (!PaintOn(image, paint)) return false;
  const auto dots_per_metre =
      static_cast<int>(std::lround(app::kPixelsPerInch * scale / kMetresPerInch));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  return image.save(&file, "PNG");
}

bool WriteSvg(QIODevice& file, QSize size_px, const Painting& paint) {
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size_px);
  generator.setViewBox(QRect(QPoint(0, 0), size_px));
  generator.setResolution(app::kPixelsPerInch);
  generator.setTitle(QStringLiteral("プラネタリウム"));
  return PaintOn(generator, paint);
}

bool WritePdf(QIODevice& file, QSize size_px, const Painting& paint) {
  QPdfWriter writer(&file);
  writer.setResolution(app::kPixelsPerInch);
  writer.setPageSize(
      QPageSize(QSizeF(size_px.width() * kPointsPerPixel, size_px.height() * kPointsPerPixel),
                QPageSize::Point));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("プラネタリウム"));
  return PaintOn(writer, paint);
}

}  // namespace

bool IsPicturePath(const std::string& path) {
  const QString suffix = Suffix(path);
  return suffix == u"png" || suffix == u"svg" || suffix == u"pdf";
}

std::optional<std::string> WritePicture(const std::string& path, QSize size_px, int png_scale,
                                        const Painting& paint) {
  if (!IsPicturePath(path)) return "not a .png, .svg or .pdf file";
  const QString suffix = Suffix(path);
  // Drawn in memory first: the file is then written in one piece.
  QByteArray contents;
  QBuffer buffer(&contents);
  buffer.open(QIODevice::WriteOnly);
  bool painted = false;
  if (suffix == u"png") painted = WritePng(buffer, size_px, png_scale, paint);
  if (suffix == u"svg") painted = WriteSvg(buffer, size_px, paint);
  if (suffix == u"pdf") painted = WritePdf(buffer, size_px, paint);
  buffer.close();
  if (!painted) return "the picture could not be drawn";
  return WriteWholeFile(QString::fromStdString(path), contents);
}

std::optional<std::string> WritePrintedPage(const std::string& path,
                                            const chart::RecordingSurface& drawing,
                                            chart::Colour sky, const std::string& caption) {
  QByteArray contents;
  QBuffer buffer(&contents);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(ChartPageLayout());
    writer.setResolution(kPrintDotsPerInch);
    writer.setTitle(QString::fromStdString(caption));
    QPainter painter;
    if (!painter.begin(&writer)) return "the page could not be drawn";
    PaintChartPage(painter, drawing, sky, caption);
    if (!painter.end()) return "the page could not be drawn";
  }
  buffer.close();
  return WriteWholeFile(QString::fromStdString(path), contents);
}

}  // namespace platform
