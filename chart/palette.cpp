#include "chart/palette.h"

#include <cstdint>

namespace chart {
namespace {

constexpr Colour Grey(std::uint8_t level) {
  return RGB(level, level, level);
}

constexpr Colour kPaper = Grey(255);
constexpr Colour kInk = Grey(0);
constexpr Colour kHorizonGrey = Grey(80);
constexpr Colour kGridGrey = Grey(160);
constexpr Colour kShadeGrey = Grey(200);

// Coloured dots: 32 for black up to 134 for white, by luminance (ITU-R BT.601
// weights), so that the red equator prints darker than the yellow ecliptic.
Colour DotGrey(Colour colour) {
  const int luminance = (299 * colour.r + 587 * colour.g + 114 * colour.b) / 1000;  // 0..255
  return Grey(static_cast<std::uint8_t>(32 + luminance * 2 / 5));
}

bool IsGrey(Colour colour) {
  return colour.r == colour.g && colour.g == colour.b;
}

Colour PrintColour(ColourUse use, Colour colour) {
  switch (use) {
    case ColourUse::kSky:
      return kPaper;
    case ColourUse::kLine:
      return IsGrey(colour) ? kHorizonGrey : DotGrey(colour);
    case ColourUse::kDot:
      return IsGrey(colour) ? kGridGrey : DotGrey(colour);
    case ColourUse::kDisc:
      return kInk;
    case ColourUse::kShade:
      return kShadeGrey;
  }
  return colour;
}

}  // namespace

Colour MapColour(Palette palette, ColourUse use, Colour colour) {
  return palette == Palette::kPrint ? PrintColour(use, colour) : colour;
}

Colour WordColour(Palette palette) {
  return palette == Palette::kPrint ? kInk : kPaper;
}

void PaletteSurface::Share() {
  target_.BackColor = MapColour(palette_, ColourUse::kSky, BackColor);
  target_.FillStyle = FillStyle;
  target_.FillColor = MapColour(palette_, ColourUse::kDisc, FillColor);
  target_.CurrentX = CurrentX;
  target_.CurrentY = CurrentY;
  target_.CurrentLayer = CurrentLayer;
  target_.DrawWidth = DrawWidth;
}

void PaletteSurface::Cls() {
  Share();
  target_.Cls();
}

void PaletteSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  Share();
  target_.Line(x1, y1, x2, y2, MapColour(palette_, ColourUse::kLine, colour));
}

void PaletteSurface::PSet(float x, float y, Colour colour) {
  Share();
  target_.PSet(x, y, MapColour(palette_, ColourUse::kDot, colour));
}

void PaletteSurface::Circle(float x, float y, float radius, Colour colour) {
  Share();
  target_.Circle(x, y, radius, MapColour(palette_, ColourUse::kDisc, colour));
}

void PaletteSurface::Print(std::string_view utf8_text) {
  Share();
  target_.Print(utf8_text);
}

void PaletteSurface::Polygon(std::span<const PointF> points) {
  Share();
  target_.FillColor = MapColour(palette_, ColourUse::kShade, FillColor);
  target_.Polygon(points);
}

}  // namespace chart
