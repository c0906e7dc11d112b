#pragma once

#include "chart/chart_zoom.h"
#include "chart/view_projection.h"

namespace app {

// The keys that zoom the chart: + (or =) in, - out, 0 back to the whole view.
enum class ZoomKey { kIn, kOut, kWhole };

// One notch of a mouse wheel [eighths of a degree], as wheels report their turn.
inline constexpr double kWheelNotch = 120;

// Given: the chart's zoom; how far the wheel turned [eighths of a degree,
// away from the user positive] and the point under the pointer [twips of the
// drawing area]. Notes: four notches magnify twice (2^(1/4) a notch), in any
// number of events of any size, as a touchpad sends them; the sky under the
// point stays under it.
void ZoomByWheel(chart::ChartZoom& zoom, double angle, const chart::WindowPoint& under_pointer);

// Given: the chart's zoom and a key. Notes: + and - magnify and reduce by
// √2 about the middle of the drawing area; 0 shows the whole view.
void ZoomByKey(chart::ChartZoom& zoom, ZoomKey key);

// Given: the chart's zoom; how far a gesture moved the drawing [twips of the
// drawing area as drawn before it, x right, y down], how much it magnified it
// (the spread of two fingers now over that before) and where it ends (the
// fingers' midpoint) [twips]. Notes: the sky under the fingers stays under them.
void ZoomByGesture(chart::ChartZoom& zoom, double dx, double dy, double magnified,
                   const chart::WindowPoint& at);

}  // namespace app
