#pragma once

#include "chart/colour.h"
#include "chart/surface.h"

namespace chart {

// The colours a picture of the chart is drawn in: the window's own, or black
// on white for printers (white sky, black discs and words, greys for the
// horizon, the grid and the dotted lines).
enum class Palette { kScreen, kPrint };

// What a colour is used for on the chart.
enum class ColourUse {
  kSky,    // the background cleared to
  kLine,   // solid lines: the horizon, the constellations' figures
  kDot,    // single dots: the grid, the dotted equator and ecliptic
  kDisc,   // outline and fill of the bodies and stars
  kShade,  // the fill of shapes over a disc: the unlit part of the Moon
};

// Given: a palette, a use and the colour the chart asked for. Returned: the
// colour to draw. Notes: the screen palette returns the colour unchanged; the
// print palette turns grey dots (the grid) light grey and coloured dots and
// lines darker greys by their luminance, so that the equator, the ecliptic,
// the grid and the figures stay apart; grey lines (the horizon) mid grey,
// discs black and the shade over a disc light grey.
Colour MapColour(Palette palette, ColourUse use, Colour colour);

// The colour of the chart's words: white on the screen, black in print.
Colour WordColour(Palette palette);

// Hands every operation, with the surface state it depends on, on to another
// surface with only its colours mapped: the same drawing in another palette.
// The words' colour is the target's own (see WordColour).
class PaletteSurface final : public Surface {
 public:
  PaletteSurface(Surface& target, Palette palette) : target_(target), palette_(palette) {}

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void PSet(float x, float y, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;
  void Print(std::string_view utf8_text) override;
  void Polygon(std::span<const PointF> points) override;

 private:
  // Copies the surface state to the target, its colours mapped.
  void Share();

  Surface& target_;
  Palette palette_;
};

}  // namespace chart
