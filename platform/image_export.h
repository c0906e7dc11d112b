#pragma once

#include <QWidget>
#include <string>

#include "chart/colour.h"
#include "platform/display_list.h"

namespace platform {

// Given: a drawing, the sky colour it was drawn on and a file name ending in
// .png, .svg or .pdf (any case). Returned: true once the file is written.
// Notes: the picture is the window's client area, 1040 x 640 logical pixels
// (96 per inch); SVG and PDF keep the drawing as vectors.
bool WriteChartImage(const DisplayList& drawing, chart::Colour background, const std::string& path);

// True for a file name WriteChartImage can write.
bool IsChartImagePath(const std::string& path);

// Given: a window that has been shown. Returned: true once its picture, as the
// user sees it, is written as PNG.
bool WriteWindowImage(QWidget& window, const std::string& path);

}  // namespace platform
