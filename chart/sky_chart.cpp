#include "chart/sky_chart.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "astro/sky_as_seen.h"

namespace chart {
namespace {

constexpr Colour kHorizonColour = RGB(88, 88, 88);

// Window x of the three direction words [twips] and their drop below the horizon,
// as the unmagnified chart draws them.
constexpr std::array<double, 3> kWordX = {3500, 6950, 10200};
constexpr double kWordDrop = 100;

}  // namespace

SkyChart::SkyChart(const astro::Observation& observation, const catalog::StarTables& chart_stars,
                   Surface& surface)
    : observation_(observation), chart_stars_(chart_stars), surface_(surface) {}

void SkyChart::DrawNorth() {
  Draw(kDirectionRows[0]);
}

void SkyChart::DrawEast() {
  Draw(kDirectionRows[1]);
}

void SkyChart::DrawSouth() {
  Draw(kDirectionRows[2]);
}

void SkyChart::DrawWest() {
  Draw(kDirectionRows[3]);
}

// The chart's layers from the bottom up: the horizon, the grid, the dotted
// lines, the figures, the bodies, by night the stars, each disc with its
// name, the figures' names and the direction words.
void SkyChart::Draw(const DirectionRow& view) {
  const ViewProjection projection(view.centreAzimuth, Mapping());
  drawn_.clear();
  labels_.Clear();
  surface_.CurrentLayer = Layer::kHorizon;
  surface_.Cls();
  const double magnification = Magnification();
  surface_.Line(static_cast<float>(CentreX - 7000 * magnification), static_cast<float>(HorizonY),
                static_cast<float>(CentreX + 8500 * magnification), static_cast<float>(HorizonY),
                kHorizonColour);
  surface_.FillStyle = 0;
  if (Options.Has(Option::kGrid)) DrawGrid();
  if (Options.Has(Option::kEquator) || Options.Has(Option::kEcliptic)) {
    DrawEclipticAndEquator(projection);
  }
  if (Options.Has(Option::kConstellations)) DrawConstellations(projection);
  if (Options.Has(Option::kAsterisms)) DrawAsterisms(projection);
  for (const BodyRow& body : kBodyRows) {
    if (body.byDay) DrawBody(projection, body);
  }
  if (SunNow().NightObjectsShown()) {
    for (const BodyRow& body : kBodyRows) {
      if (!body.byDay) DrawBody(projection, body);
    }
    DrawStars(projection);
  }
  NameFigures(projection);
  surface_.CurrentLayer = Layer::kDirections;
  for (std::size_t place = 0; place < view.words.size(); ++place) {
    Label(CentreX + (kWordX[place] - kCentreX) * magnification, HorizonY + kWordDrop,
          view.words[place]);
  }
}

void SkyChart::UseMapping(const WindowMapping& mapping) {
  ScaleX = mapping.ScaleX;
  ScaleY = mapping.ScaleY;
  CentreX = mapping.CentreX;
  HorizonY = mapping.HorizonY;
}

int SkyChart::DotsPerDegree() const {
  return std::max(1, static_cast<int>(Magnification()));
}

astro::HorizontalPlace SkyChart::SkyPlace(double ra_hours, double dec_deg) const {
  astro::HorizontalPlace place = observation_.horizontal.PlaceOf(ra_hours, dec_deg);
  if (AsSeen) place.altitude = astro::SeenAltitude(place.altitude);
  return place;
}

void SkyChart::Record(DrawnObject::Kind kind, int index, std::string_view name,
                      const astro::HorizontalPlace& place, const WindowPoint& point,
                      double radius) {
  drawn_.push_back({kind, index, name, place.altitude, place.azimuth, point.x, point.y, radius,
                    ViewProjection::OnChart(point, radius)});
}

void SkyChart::Label(double x, double y, std::string_view text) {
  if (text.empty()) return;
  surface_.CurrentX = static_cast<float>(x);
  surface_.CurrentY = static_cast<float>(y);
  surface_.Print(text);
}

}  // namespace chart
