#pragma once

#include <span>
#include <string_view>

#include "chart/colour.h"
#include "chart/layers.h"

namespace chart {

// A point of the drawing area [twips], as the surface receives it.
struct PointF {
  float x = 0, y = 0;
};

// The drawing operations of the chart. Coordinates are twips (1/1440 inch)
// from the top left of the drawing area, y growing downward, handed over as
// single-precision numbers. Implementations: the window, image files, and a
// recording surface for tests.
class Surface {
 public:
  virtual ~Surface() = default;

  // Clears the whole surface to BackColor.
  virtual void Cls() = 0;
  // Straight line between two points, DrawWidth wide.
  virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
  // One point; drawn so that it stays visible at any scale.
  virtual void PSet(float x, float y, Colour colour) = 0;
  // Circle outline in `colour`, its inside filled with FillColor when FillStyle is 0.
  virtual void Circle(float x, float y, float radius, Colour colour) = 0;
  // Text with its top left corner at (CurrentX, CurrentY).
  virtual void Print(std::string_view utf8_text) = 0;
  // A closed shape through the points, filled with FillColor, without outline.
  virtual void Polygon(std::span<const PointF> points) = 0;

  Colour BackColor{};  // background, the colour of the sky
  int FillStyle = 1;   // 0 solid fill, 1 transparent
  Colour FillColor{};  // fill colour of closed shapes
  float CurrentX = 0;  // where the next Print begins [twips]
  float CurrentY = 0;
  float DrawWidth = 1;  // width of lines [window pixels, 15 twips each]
  // The part of the chart the next operations belong to: a picture may keep
  // the parts apart (the groups of an SVG); drawing on a screen ignores it.
  Layer CurrentLayer = Layer::kHorizon;
};

}  // namespace chart
