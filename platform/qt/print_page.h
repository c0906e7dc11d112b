#pragma once

#include <QPageLayout>
#include <QPainter>
#include <string>

#include "chart/colour.h"
#include "chart/recording_surface.h"

namespace platform {

// The printed page of a chart, the same from the window's print and from the
// command line's `print`: one landscape A4 page with 12 mm margins; the
// chart as the window draws it, in the print palette, scaled to the width
// inside the margins, at the top; under it, from its left edge, one caption
// line (where, when, which way) in the Gothic face at 11 points.

// Returned: the page's layout, for a printer or a PDF writer.
QPageLayout ChartPageLayout();

// Given: an active painter on a paged device laid out by ChartPageLayout (its
// coordinates the device's dots from the margins' top left), the recorded
// chart, its sky colour and the caption (UTF-8).
void PaintChartPage(QPainter& painter, const chart::RecordingSurface& drawing, chart::Colour sky,
                    const std::string& caption);

}  // namespace platform
