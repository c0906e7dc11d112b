#pragma once

#include <optional>

#include "astro/horizontal.h"
#include "chart/view_projection.h"

namespace chart {

// The largest magnification of the chart: the Pleiades fill a quarter of it.
inline constexpr double kLargestZoom = 8;

// How much of the whole view the drawing area shows: the view magnified by a
// factor from 1 (the whole view, exactly as it is drawn unmagnified) to
// kLargestZoom, about a centre that stays within the whole view. The centre is
// a point of the unmagnified drawing area, so it keeps its place in the view
// when the direction changes.
class ChartZoom {
 public:
  double Factor() const { return factor_; }
  bool Magnified() const { return factor_ > 1; }

  // Returned: the window mapping that draws the view magnified; at factor 1
  // the unmagnified mapping itself, to the bit.
  WindowMapping Mapping() const;

  // Given: a new factor and a point of the drawing area as now drawn [twips].
  // Notes: the sky under the point stays under it as far as the centre may
  // move; the factor is held within 1..kLargestZoom, and at 1 the whole view
  // returns.
  void ZoomAbout(double factor, const WindowPoint& fixed);
  // Given: how far the drawing is dragged [twips of the drawing area as now
  // drawn, x right, y down]. Notes: stops where the view's edge or zenith
  // would come inside the drawing area.
  void PanBy(double dx, double dy);
  // The whole view again.
  void Reset() { *this = ChartZoom(); }

  // Given: the azimuth of the view's centre [degrees]. Returned: the altitude
  // and azimuth drawn at the middle of the drawing area.
  std::optional<astro::HorizontalPlace> CentrePlace(double view_azimuth) const;
  // Given: a factor, the place to draw at the middle and the view's azimuth
  // [degrees]. Returned: the zoom, its centre held as by PanBy; nothing when
  // the factor is not a number from 1 to kLargestZoom or the whole view does
  // not show the place.
  static std::optional<ChartZoom> Toward(double factor, const astro::HorizontalPlace& centre,
                                         double view_azimuth);

 private:
  // Keeps the centre where the magnified drawing area lies within the whole
  // view and on its sphere.
  void HoldCentre();

  double factor_ = 1;
  WindowPoint centre_{kChartWidth / 2, kChartHeight / 2};  // [twips, unmagnified]
};

}  // namespace chart
