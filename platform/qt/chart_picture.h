#pragma once

#include <QPainter>
#include <optional>
#include <string>

#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"
#include "platform/qt/whole_file.h"

namespace platform {

// The chart as the window, its pictures and its printed page show it.

// Given: a painter whose coordinates are the window's logical pixels (15
// twips each; the caller may scale and move them), the recorded chart, the
// sky colour it was drawn on and a palette. Notes: fills the painter's window
// with the sky and draws the chart over it, both in the palette's colours.
void PaintChart(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                chart::Palette palette);

// Given: a file name ending in .png, .svg or .pdf, the recorded chart, its
// sky, a palette and the pixels per logical pixel of a PNG (1 to 8).
// Returned: nullopt once the picture of the chart is written, whole or not
// at all (WritePicture); otherwise why not. Notes: an SVG is written from
// the recording itself, the chart's layers as groups (chart::SvgPicture).
std::optional<FileFailure> WriteChartPicture(const std::string& path,
                                             const chart::RecordingSurface& drawing,
                                             chart::Colour sky, chart::Palette palette,
                                             int png_scale);

// Given: the recorded chart, its sky and a palette. Returned: its operations
// in the text form of RecordingSurface, in the palette's colours.
std::string ChartOperations(const chart::RecordingSurface& drawing, chart::Colour sky,
                            chart::Palette palette);

}  // namespace platform
