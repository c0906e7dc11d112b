#pragma once

#include <QPainter>
#include <string>

#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"

namespace platform {

// The chart as the window, its pictures and its printed page show it.

// Given: a painter whose coordinates are the window's logical pixels (15
// twips each; the caller may scale and move them), the recorded chart, the
// sky colour it was drawn on and a palette. Notes: fills the painter's window
// with the sky and draws the chart over it, both in the palette's colours.
void PaintChart(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                chart::Palette palette);

// Given: the recorded chart, its sky and a palette. Returned: its operations
// in the text form of RecordingSurface, in the palette's colours.
std::string ChartOperations(const chart::RecordingSurface& drawing, chart::Colour sky,
                            chart::Palette palette);

}  // namespace platform
