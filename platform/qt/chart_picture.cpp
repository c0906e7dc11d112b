#include "platform/qt/chart_picture.h"

#include "platform/qt/painter_surface.h"

namespace platform {

void PaintChart(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                chart::Palette palette) {
  PainterSurface surface(painter, chart::WordColour(palette));
  chart::PaletteSurface colours(surface, palette);
  colours.BackColor = sky;
  drawing.Replay(colours);
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
