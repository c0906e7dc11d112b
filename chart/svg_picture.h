#pragma once

#include <string>

#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"

namespace chart {

// The face the chart's words are drawn in, as the picture names it.
struct SvgFont {
  std::string families;  // a CSS font-family list: "IPAPGothic, sans-serif"
  double pixels;         // size [logical pixels]
  double ascent;         // from the top of a line to its baseline [logical pixels]
};

// Given:    the recorded chart (the operations after its last Cls), the sky
//           colour it was drawn on, a palette and the words' face.
// Returned: the chart as an SVG document of the drawing area's size in
//           logical pixels (15 twips each): the sky, then one group per layer
//           in drawing order with the layer's name as its id (grid, stars,
//           names, ...), each run of dots as one path, each disc a circle,
//           each word a text, in the palette's colours; layers with nothing
//           drawn are left out. It looks as the PNG picture does.
std::string SvgPicture(const RecordingSurface& drawing, Colour sky, Palette palette,
                       const SvgFont& font);

}  // namespace chart
