#pragma once

#include <QWidget>

#include "app/chart_description.h"
#include "chart/colour.h"
#include "chart/recording_surface.h"

namespace platform {

// What the window does with its chart besides showing it. Each takes the
// recorded chart, its sky colour and what it shows; failures are told in a
// message box over the window, naming the file and the system's reason.

// Asks for a file in a dialog (PNG, SVG or PDF, chosen by its ending; a name
// from the site, date, time and direction offered in the pictures folder, or
// the current one) and writes the chart there as the window shows it, at the
// screen's pixel ratio for PNG, whole or not at all.
void SaveChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
               const app::ChartSubject& subject);

// Prints the chart through the system's print dialog: the printed page of
// PaintChartPage, on one landscape page, in the print palette, with its
// caption. Printed to a PDF file (the dialog offers the file SaveChart
// offers, as .pdf), the page is written whole or not at all, as the command
// line's print writes it.
void PrintChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
                const app::ChartSubject& subject);

// Puts the chart, as the window shows it, on the clipboard as a picture.
void CopyChart(const QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky);

}  // namespace platform
