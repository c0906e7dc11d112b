#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "astro/observation.h"
#include "catalog/star_tables.h"
#include "chart/surface.h"

namespace chart {

// What the option boxes ask the chart to draw.
struct ChartOptions {
  bool equator = false;   // dotted celestial equator
  bool ecliptic = false;  // dotted ecliptic
  bool grid = false;      // altitude/azimuth grid
  bool names = false;     // labels beside bodies and named stars
};

// The sky toward one of four directions, in a Winkel tripel projection of the
// horizontal sphere centred on the horizon point straight ahead. It draws the
// positions of the last run of the observation pipeline and uses its
// Horizontal (ObjRA, ObjDec -> ObjAlt, ObjAz) for stars and dotted lines.
class SkyChart {
 public:
  SkyChart(astro::Observation& observation, catalog::StarTables& stars, Surface& surface);

  // Window mapping [twips]: x = CentreX + ScaleX * ChartX, y = HorizonY - ScaleY * ChartY.
  double ScaleX = 150;
  double ScaleY = 80;
  double CentreX = 7000;
  double HorizonY = 9000;

  ChartOptions Options;  // read by the views when they draw

  // Projection outputs [degrees of chart]: right of centre and up from the horizon.
  double ChartX = 0;
  double ChartY = 0;

  // Projects (ObjAlt, ObjAz) of the Horizontal for a view centred on the given
  // azimuth [degrees]. Returns false, leaving ChartX/ChartY unchanged, where the
  // projection has no defined result: the zenith, and the horizon point
  // 0.0001 degree beside the view centre where the guard of the centre bites,
  // and inputs that are not finite numbers.
  bool Plot(double centre_azimuth);
  bool PlotNorth() { return Plot(0); }
  bool PlotEast() { return Plot(90); }
  bool PlotSouth() { return Plot(180); }
  bool PlotWest() { return Plot(270); }

  // Clear the surface and draw the view toward one direction.
  void DrawNorth();
  void DrawEast();
  void DrawSouth();
  void DrawWest();

  // The dotted altitude/azimuth grid, the same for every view; day or night colour.
  void DrawGrid();

 private:
  struct View;
  struct Body;
  struct WindowPoint {
    double x, y;  // [twips]
  };
  struct GridDot {
    float x, y;  // [twips], as handed to PSet
  };

  void Draw(const View& view);
  // Projects the Horizontal's (ObjAlt, ObjAz) for the view and maps it onto the
  // window; false where the projection has no result (the object is then skipped).
  bool Project(const View& view, WindowPoint& point);
  // The dotted ecliptic and celestial equator, each only under its option.
  void DrawEclipticAndEquator(const View& view);
  // One body as a disc with its optional label, when it is above the horizon.
  void DrawBody(const View& view, const Body& body);
  // The chart catalogue stars above the horizon, with their optional names.
  void DrawStars(const View& view);
  // Label text with its top left corner at (x, y) [twips]; empty texts print nothing.
  void Label(double x, double y, std::string_view text);
  // Fills grid_dots_ for the current window mapping, unless they already belong to it.
  void UpdateGridDots();

  astro::Observation& observation_;
  catalog::StarTables& stars_;
  Surface& surface_;

  // The grid's dots in drawing order: they depend on nothing but the window
  // mapping, so they are projected once and kept until the mapping changes.
  std::vector<GridDot> grid_dots_;
  std::array<double, 4> grid_mapping_{};  // ScaleX, ScaleY, CentreX, HorizonY of grid_dots_
  bool grid_dots_ready_ = false;
};

}  // namespace chart
