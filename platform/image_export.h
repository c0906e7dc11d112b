#pragma once

#include <QWidget>
#include <string>

#include "chart/colour.h"
#include "chart/recording_surface.h"

namespace platform {

// Given: a recorded drawing, the sky colour to clear to and a file name ending in
// .png, .svg or .pdf (any case). Returned: true once the file is written.
// Notes: the picture is the window's client area, 1040 x 640 logical pixels
// (96 per inch); SVG and PDF keep the drawing as vectors.
bool WriteChartImage(const chart::RecordingSurface& drawing, chart::Colour background,
                     const std::string& path);

// True for a file name WriteChartImage can write.
bool IsChartImagePath(const std::string& path);

// Given: a window that has been shown. Returned: true once its picture, as the
// user sees it, is written as PNG.
bool WriteWindowImage(QWidget& window, const std::string& path);

}  // namespace platform
