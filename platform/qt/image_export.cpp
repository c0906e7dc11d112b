#include "platform/qt/image_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>
#include <cmath>

#include "app/screen_units.h"
#include "text/folded_name.h"

namespace platform {
namespace {

constexpr double kPointsPerPixel = static_cast<double>(app::kPointsPerInch) / app::kPixelsPerInch;
constexpr double kMetresPerInch = 0.0254;
constexpr int kPrintDotsPerInch = 300;  // of the printed page's PDF

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

// Draws a file's contents in memory, then writes the file in one piece;
// `failure` says why when the drawing fails.
std::optional<FileFailure> WriteDrawn(const std::string& path,
                                      const std::function<bool(QIODevice&)>& draw,
                                      const char* failure) {
  QByteArray contents;
  QBuffer buffer(&contents);
  buffer.open(QIODevice::WriteOnly);
  const bool drawn = draw(buffer);
  buffer.close();
  if (!drawn) return FileFailure{FileFailure::Cause::kNotDrawn, 0, failure};
  return WriteWholeFile(QString::fromStdString(path), contents);
}

}  // namespace

std::string LowerSuffix(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : text::AsciiLower(name.substr(dot + 1));
}

bool IsPicturePath(std::string_view path) {
  const std::string suffix = LowerSuffix(path);
  return suffix == "png" || suffix == "svg" || suffix == "pdf";
}

std::optional<FileFailure> WritePicture(const std::string& path, QSize size_px, int png_scale,
                                        const Painting& paint) {
  const std::string suffix = LowerSuffix(path);
  std::function<bool(QIODevice&)> draw;
  if (suffix == "png") {
    draw = [&](QIODevice& file) { return WritePng(file, size_px, png_scale, paint); };
  } else if (suffix == "svg") {
    draw = [&](QIODevice& file) { return WriteSvg(file, size_px, paint); };
  } else if (suffix == "pdf") {
    draw = [&](QIODevice& file) { return WritePdf(file, size_px, paint); };
  } else {
    return FileFailure{FileFailure::Cause::kNotPictureName, 0, "not a .png, .svg or .pdf file"};
  }
  return WriteDrawn(path, draw, "the picture could not be drawn");
}

std::optional<FileFailure> WritePrintedPage(const std::string& path,
                                            const chart::RecordingSurface& drawing,
                                            chart::Colour sky, const std::string& caption,
                                            const QPageLayout& layout) {
  const auto draw = [&](QIODevice& file) {
    QPdfWriter writer(&file);
    writer.setPageLayout(layout);
    writer.setResolution(kPrintDotsPerInch);
    writer.setTitle(QString::fromStdString(caption));
    return PaintOn(writer,
                   [&](QPainter& painter) { PaintChartPage(painter, drawing, sky, caption); });
  };
  return WriteDrawn(path, draw, "the page could not be drawn");
}

}  // namespace platform
