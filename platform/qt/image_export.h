#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QSize>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chart/colour.h"
#include "chart/recording_surface.h"
#include "platform/qt/print_page.h"
#include "platform/qt/whole_file.h"

namespace platform {

// Paints a picture onto a painter whose coordinates are logical pixels (96 an inch).
using Painting = std::function<void(QPainter&)>;

// The ending of a file name after its last dot, in lower case ("" for none).
std::string LowerSuffix(std::string_view name);

// True for a file name WritePicture can write: .png, .svg or .pdf, any case.
bool IsPicturePath(std::string_view path);

// Given:    a file name ending in .png, .svg or .pdf (any case), the picture's
//           size in logical pixels, the pixels per logical pixel for PNG
//           (1 to 8) and the painting.
// Returned: nullopt once the file is written; otherwise why not.
// Notes:    the painting is done at the PNG's full resolution, so that text,
//           discs and lines stay sharp at any scale, and the PNG says
//           96 x scale dots per inch so that it prints at the same size. SVG
//           and PDF keep the drawing as vectors and ignore the scale. The file
//           is written whole or not at all (WriteWholeFile): a failure leaves
//           an older file of that name as it was.
std::optional<FileFailure> WritePicture(const std::string& path, QSize size_px, int png_scale,
                                        const Painting& paint);

// Given:    a file name, the recorded chart, its sky colour, its caption and
//           the page's layout (the print dialog's paper, by default
//           ChartPageLayout).
// Returned: nullopt once the printed page (PaintChartPage) is written there
//           as a one-page PDF, whole or not at all; otherwise why not.
std::optional<FileFailure> WritePrintedPage(const std::string& path,
                                            const chart::RecordingSurface& drawing,
                                            chart::Colour sky, const std::string& caption,
                                            const QPageLayout& layout = ChartPageLayout());

}  // namespace platform
