#pragma once

#include <functional>
#include <optional>

#include "astro/horizontal.h"
#include "chart/winkel_tripel.h"

namespace chart {

// The drawing area the charts are laid out on: the window's client area [twips].
inline constexpr double kChartWidth = 15600;
inline constexpr double kChartHeight = 9600;

// A place on the drawing area [twips from its top left, y down].
struct WindowPoint {
  double x = 0, y = 0;
};

// How chart places (degrees of chart, x right of the view centre, y up from
// the horizon) lie on the drawing area: at x = CentreX + ScaleX * x,
// y = HorizonY - ScaleY * y [twips].
struct WindowMapping {
  double ScaleX, ScaleY;  // [twips per degree of chart]
  double CentreX;         // window x of the view centre [twips]
  double HorizonY;        // window y of the horizon [twips]
  friend bool operator==(const WindowMapping&, const WindowMapping&) = default;
};

// The projection of one view onto the drawing area, both ways: the Winkel
// tripel projection of the horizontal sphere centred on the horizon point
// straight ahead, then the window mapping.
class ViewProjection {
 public:
  // Given: the azimuth of the view centre [degrees, north 0, east 90] and the mapping.
  ViewProjection(double centre_azimuth, const WindowMapping& mapping)
      : centre_azimuth_(centre_azimuth), mapping_(mapping) {}

  // Given: an altitude and azimuth [degrees]. Returned: where it is drawn, or
  // nothing where the projection has no result (see PlotInView). Notes: the
  // very arithmetic of every disc and dot the views draw.
  std::optional<WindowPoint> ToWindow(const astro::HorizontalPlace& place) const;
  // Given: a chart place [degrees of chart]. Returned: where it is drawn.
  WindowPoint ToWindow(const ChartPoint& point) const;

  // Given: a place on the drawing area [twips]. Returned: the altitude and
  // azimuth drawn there, to under an arcsecond, or nothing outside the
  // projected sphere (beyond the seam behind the viewer, below the nadir).
  std::optional<astro::HorizontalPlace> FromWindow(const WindowPoint& point) const;

  // A piece of a line on the drawing area [twips].
  using Piece = std::function<void(const WindowPoint& from, const WindowPoint& to)>;

  // Given: two places on the sky and what draws a straight piece. Notes: the
  // great circle between them, in pieces short enough to lie within a
  // window pixel of the projected curve, only above the horizon and never
  // across the seam behind the viewer, where the chart's two edges meet.
  void Segment(const astro::HorizontalPlace& from, const astro::HorizontalPlace& to,
               const Piece& piece) const;

  // True where a disc of that radius [twips] centred there lies at least in
  // part on the drawing area.
  static bool OnChart(const WindowPoint& centre, double radius);

  double CentreAzimuth() const { return centre_azimuth_; }
  const WindowMapping& Mapping() const { return mapping_; }

 private:
  double centre_azimuth_;
  WindowMapping mapping_;
};

}  // namespace chart
