#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "astro/observation.h"
#include "catalog/constellations.h"
#include "catalog/star_tables.h"
#include "chart/bodies.h"
#include "chart/day_night.h"
#include "chart/directions.h"
#include "chart/label_boxes.h"
#include "chart/options.h"
#include "chart/surface.h"
#include "chart/view_projection.h"

namespace chart {

// A body or star as the last view drew it: for the chart in words and for
// naming what lies under a point.
struct DrawnObject {
  enum class Kind {
    kBody,           // index: astro::Body
    kStar,           // index: chart catalogue row (1..496)
    kFigureStar,     // a fainter star of the figures; index: catalog::SkyStars()
    kConstellation,  // its name; index: catalog::Constellations()
    kAsterism,       // its name; index: catalog::Asterisms()
  };
  Kind kind;
  int index;
  std::string_view name;  // its label ("月", "ﾍﾞｶﾞ"), whether or not labels are shown; empty
                          // for an unnamed star
  double altitude;  // [degrees above the horizon]
  double azimuth;   // [degrees, north 0, east 90]
  double x, y;      // window position of its centre [twips]
  double radius;    // of its disc [twips]
  bool visible;     // some of its disc lies within the drawing area
};

// The window mapping the charts are drawn with [twips]: a place on the chart
// (x right of the view centre, y up from the horizon, in degrees of chart) is
// drawn at x = kCentreX + kScaleX * x, y = kHorizonY - kScaleY * y.
inline constexpr double kScaleX = 150;     // [twips per degree of chart]
inline constexpr double kScaleY = 80;      // [twips per degree of chart]
inline constexpr double kCentreX = 7000;   // window x of the view centre [twips]
inline constexpr double kHorizonY = 9000;  // window y of the horizon [twips]

// The sky toward one of four directions, in a Winkel tripel projection of the
// horizontal sphere centred on the horizon point straight ahead. It draws the
// positions of the last run of the observation pipeline and the stars of the
// chart catalogue, which it only reads; stars and dotted lines are turned
// into altitude and azimuth for the observation's site and instant.
class SkyChart {
 public:
  // Given: the observation and the chart catalogue (rows 1..496) to draw, and
  // the surface to draw on; all three must outlive the chart.
  SkyChart(const astro::Observation& observation, const catalog::StarTables& chart_stars,
           Surface& surface);

  // The window mapping in use, as above.
  double ScaleX = kScaleX;
  double ScaleY = kScaleY;
  double CentreX = kCentreX;
  double HorizonY = kHorizonY;

  OptionSet Options;  // read by the views when they draw

  // The sky as it is seen from the site: the stars at the date, which the
  // views draw in place of the catalogue's fixed places, and atmospheric
  // refraction, which raises every place they draw from a right ascension
  // and declination. Unset: the catalogue's places, no refraction.
  struct SeenStars {
    const catalog::StarTables* chart;                    // rows 1..496 at the date
    const std::vector<astro::EquatorialPlace>* figures;  // of catalog::SkyStars()
  };
  std::optional<SeenStars> AsSeen;

  // Clear the surface and draw the view toward one direction.
  void DrawNorth();
  void DrawEast();
  void DrawSouth();
  void DrawWest();

  // The dotted altitude/azimuth grid, the same for every view; day or night colour.
  void DrawGrid();

  // The bodies and the stars the last view drew, in drawing order; the names
  // refer to the chart's constant labels and catalogue.
  const std::vector<DrawnObject>& Drawn() const { return drawn_; }

  // The window mapping in use.
  WindowMapping Mapping() const { return {ScaleX, ScaleY, CentreX, HorizonY}; }
  // Draws from now on with another mapping: a magnified one (ChartZoom).
  void UseMapping(const WindowMapping& mapping);

 private:
  struct GridDot {
    float x, y;  // [twips], as handed to PSet
  };

  void Draw(const DirectionRow& view);
  // How many times the mapping in use magnifies the unmagnified one.
  double Magnification() const { return ScaleX / kScaleX; }
  // The dots of a dotted line per degree: more as the chart is magnified,
  // so that it stays a line of dots.
  int DotsPerDegree() const;
  DayNight SunNow() const { return DayNight(observation_.BodyAlt[astro::kSun]); }
  // The chart catalogue the views draw.
  const catalog::StarTables& Stars() const { return AsSeen ? *AsSeen->chart : chart_stars_; }
  // Where the views draw a right ascension [hours] and declination [degrees].
  astro::HorizontalPlace SkyPlace(double ra_hours, double dec_deg) const;
  // The dotted ecliptic and celestial equator, each only under its option.
  void DrawEclipticAndEquator(const ViewProjection& projection);
  // One body as a disc with its optional label, when it is above the horizon.
  void DrawBody(const ViewProjection& projection, const BodyRow& body);
  // The chart catalogue stars above the horizon, with their optional names.
  void DrawStars(const ViewProjection& projection);
  // The Moon's unlit part over its disc, its lit side toward the Sun.
  void DrawPhase(const ViewProjection& projection, const astro::HorizontalPlace& moon,
                 const WindowPoint& centre, double radius);
  // The name beside a disc centred there.
  void Name(const WindowPoint& disc, std::string_view name);
  // A figure star's place [hours, degrees]: for a row of the chart catalogue
  // exactly the place that row is drawn at.
  astro::EquatorialPlace FigureStarPlace(std::size_t sky_star) const;
  // Lines between figure stars along the sky, in a colour and width [window pixels].
  void DrawFigureLines(const ViewProjection& projection, std::span<const catalog::FigureLine> lines,
                       Colour colour, float width);
  // The constellations' figures, with the fainter stars they join at night.
  void DrawConstellations(const ViewProjection& projection);
  // The asterisms' highlighted lines.
  void DrawAsterisms(const ViewProjection& projection);
  // The names of the asterisms and the constellations in view, under their options.
  void NameFigures(const ViewProjection& projection);
  // One name, centred on its place when that is above the horizon and on the
  // chart, otherwise (a magnified chart, a figure at the chart's edge) on the
  // middle of its figure's stars on the chart (`lines`, those of figure
  // `index`), moved to where it covers no other words if it can be; noted in
  // Drawn().
  void NameFigure(const ViewProjection& projection, DrawnObject::Kind kind, int index,
                  double ra_hours, double dec_deg, std::string_view name,
                  std::span<const catalog::FigureLine> lines);
  // The middle of a figure's stars drawn on the chart; none for fewer than two.
  std::optional<WindowPoint> FigureMiddle(const ViewProjection& projection,
                                          std::span<const catalog::FigureLine> lines,
                                          int figure) const;
  // Notes what was just drawn, for Drawn().
  void Record(DrawnObject::Kind kind, int index, std::string_view name,
              const astro::HorizontalPlace& place, const WindowPoint& point, double radius);
  // Label text with its top left corner at (x, y) [twips]; empty texts print nothing.
  void Label(double x, double y, std::string_view text);
  // Fills grid_dots_ for the current window mapping, unless they already belong to it.
  void UpdateGridDots();

  const astro::Observation& observation_;
  const catalog::StarTables& chart_stars_;
  Surface& surface_;

  std::vector<DrawnObject> drawn_;
  LabelBoxes labels_;  // the words on the chart so far

  // The grid's dots in drawing order: they depend on nothing but the window
  // mapping, so they are projected once and kept until the mapping changes.
  std::vector<GridDot> grid_dots_;
  WindowMapping grid_mapping_{};  // of grid_dots_
  bool grid_dots_ready_ = false;
};

}  // namespace chart
