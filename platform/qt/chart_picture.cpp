#include "platform/qt/chart_picture.h"

#include <QFontMetricsF>
#include <QStringList>

#include "chart/svg_picture.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image_export.h"
#include "platform/qt/painter_surface.h"

namespace platform {
namespace {

// The window's default face as an SVG picture names it: its families, quoted.
chart::SvgFont SvgWordFont() {
  const QFont font = WindowDefaultFont();
  QStringList families;
  for (const QString& family : font.families())
    families.append(QLatin1Char('\'') + family + QLatin1Char('\''));
  families.append(QStringLiteral("sans-serif"));
  return {families.join(QStringLiteral(", ")).toStdString(), static_cast<double>(font.pixelSize()),
          QFontMetricsF(font).ascent()};
}

}  // namespace

void PaintChart(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                chart::Palette palette) {
  PainterSurface surface(painter, chart::WordColour(palette));
  chart::PaletteSurface colours(surface, palette);
  colours.BackColor = sky;
  drawing.Replay(colours);
}

std::optional<FileFailure> WriteChartPicture(const std::string& path,
                                             const chart::RecordingSurface& drawing,
                                             chart::Colour sky, chart::Palette palette,
                                             int png_scale) {
  if (LowerSuffix(path) == "svg") {
    const std::string svg = chart::SvgPicture(drawing, sky, palette, SvgWordFont());
    return WriteWholeFile(QString::fromStdString(path), QByteArray::fromStdString(svg));
  }
  return WritePicture(path, kFormSizePx, png_scale,
                      [&](QPainter& painter) { PaintChart(painter, drawing, sky, palette); });
}

std::string ChartOperations(const chart::RecordingSurface& drawing, chart::Colour sky,
                            chart::Palette palette) {
  if (palette == chart::Palette::kScreen) return drawing.Text();
  chart::RecordingSurface mapped(chart::RecordingSurface::Keep::kSinceLastCls);
  chart::PaletteSurface colours(mapped, palette);
  colours.BackColor = sky;
  drawing.Replay(colours);
  return mapped.Text();
}

}  // namespace platform
