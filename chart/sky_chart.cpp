#include "chart/sky_chart.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/ephemeris.h"
#include "chart/bodies.h"
#include "chart/directions.h"
#include "chart/winkel_tripel.h"

namespace chart {

namespace {

constexpr Colour kHorizonColour = RGB(88, 88, 88);
constexpr Colour kBodyColour = RGB(224, 80, 16);
constexpr Colour kStarColour = RGB(240, 208, 0);
constexpr Colour kEquatorColour = RGB(240, 48, 48);  // by night and by day
constexpr Colour kNightEclipticColour = RGB(240, 255, 0);
// By day the ecliptic turns a warmer yellow that stays visible on the light sky;
// the equator keeps its red and each line stays under its own option.
constexpr Colour kDayEclipticColour = RGB(255, 242, 0);

// Window x of the three direction words [twips] and their drop below the horizon.
constexpr std::array<double, 3> kWordX = {3500, 6950, 10200};
constexpr double kWordDrop = 100;
constexpr double kLabelShift = 80;  // labels start right of the disc centre [twips]

// Obliquity of the ecliptic fixed for the dotted line: sine and cosine of 23.44 degrees.
constexpr double kCosObliquity = 0.91748;
constexpr double kSinObliquity = 0.39777;

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

void SkyChart::Draw(const DirectionRow& view) {
  drawn_.clear();
  surface_.Cls();
  surface_.Line(static_cast<float>(CentreX - 7000), static_cast<float>(HorizonY),
                static_cast<float>(CentreX + 8500), static_cast<float>(HorizonY), kHorizonColour);
  surface_.FillStyle = 0;
  if (Options.Has(Option::kGrid)) DrawGrid();
  if (Options.Has(Option::kEquator) || Options.Has(Option::kEcliptic)) {
    DrawEclipticAndEquator(view);
  }
  for (const BodyRow& body : kBodyRows) {
    if (body.byDay) DrawBody(view, body);
  }
  if (SunNotAboveHorizon()) {
    for (const BodyRow& body : kBodyRows) {
      if (!body.byDay) DrawBody(view, body);
    }
    DrawStars(view);
  }
  for (std::size_t place = 0; place < view.words.size(); ++place) {
    Label(kWordX[place], HorizonY + kWordDrop, view.words[place]);
  }
}

bool SkyChart::SunNotAboveHorizon() const {
  return observation_.BodyAlt[astro::kSun] <= 0;
}

bool SkyChart::SunBelowHorizon() const {
  return observation_.BodyAlt[astro::kSun] < 0;
}

// Where the projection gives up (zenith, or the guard beside the view centre)
// the object is skipped rather than drawn at some other object's place.
std::optional<SkyChart::WindowPoint> SkyChart::Project(const DirectionRow& view,
                                                       const astro::HorizontalPlace& place) const {
  const std::optional<ChartPoint> point =
      PlotInView(place.altitude, place.azimuth, view.centreAzimuth);
  if (!point) return std::nullopt;
  return WindowPoint{CentreX + ScaleX * point->x, HorizonY - ScaleY * point->y};
}

void SkyChart::DrawEclipticAndEquator(const DirectionRow& view) {
  const astro::Horizontal& horizontal = observation_.horizontal;
  const Colour ecliptic_colour = SunBelowHorizon() ? kNightEclipticColour : kDayEclipticColour;
  const auto dot = [&](bool wanted, const astro::HorizontalPlace& place, Colour colour) {
    if (!wanted || !(place.altitude >= 0)) return;
    if (const auto point = Project(view, place)) {
      surface_.PSet(static_cast<float>(point->x), static_cast<float>(point->y), colour);
    }
  };
  // One dot per degree of ecliptic longitude; the last repeats the first.
  for (int i = 0; i <= 360; ++i) {
    const double s = std::sin(i * astro::kRad);
    const double c = std::cos(i * astro::kRad);
    // The ecliptic point as an equatorial unit vector.
    const double y = s * kCosObliquity;
    const double x = c;
    const double z = s * kSinObliquity;
    double a = astro::AngleFromRatio(y, x);  // right ascension [degrees]
    if (a < 0) a += 360;
    const double ra = a / 15;  // [hours]
    const double dec = std::atan(z / std::sqrt(1 - z * z)) * astro::kDeg;
    dot(Options.Has(Option::kEcliptic), horizontal.PlaceOf(ra, dec), ecliptic_colour);
    // The equator point at the same right ascension.
    dot(Options.Has(Option::kEquator), horizontal.PlaceOf(ra, 0), kEquatorColour);
  }
}

void SkyChart::DrawBody(const DirectionRow& view, const BodyRow& body) {
  const auto slot = static_cast<std::size_t>(body.index);
  if (!(observation_.BodyAlt[slot] >= 0)) return;
  const auto point = Project(view, {observation_.BodyAlt[slot], observation_.BodyAz[slot]});
  if (!point) return;
  surface_.FillColor = kBodyColour;
  surface_.FillStyle = 0;
  surface_.Circle(static_cast<float>(point->x), static_cast<float>(point->y),
                  static_cast<float>(body.radius), kBodyColour);
  if (Options.Has(Option::kNames)) Label(point->x + kLabelShift, point->y, body.label);
  Record(DrawnObject::Kind::kBody, body.index, body.label,
         {observation_.BodyAlt[slot], observation_.BodyAz[slot]}, *point, body.radius);
}

void SkyChart::DrawStars(const DirectionRow& view) {
  for (int row = 1; row <= catalog::kChartStarCount; ++row) {
    const astro::HorizontalPlace place =
        observation_.horizontal.PlaceOf(chart_stars_.StarTable(catalog::kRightAscension, row),
                                        chart_stars_.StarTable(catalog::kDeclination, row));
    if (!(place.altitude >= 0)) continue;
    const auto point = Project(view, place);
    if (!point) continue;
    surface_.FillColor = kStarColour;
    // Brighter stars get larger discs: 50 twips at magnitude 0, 10 at magnitude 4.
    const double radius = (5 - chart_stars_.StarTable(catalog::kMagnitude, row)) * 10;
    surface_.Circle(static_cast<float>(point->x), static_cast<float>(point->y),
                    static_cast<float>(radius), kStarColour);
    const std::string_view name = chart_stars_.StarName[static_cast<std::size_t>(row)];
    if (Options.Has(Option::kNames)) Label(point->x + kLabelShift, point->y, name);
    Record(DrawnObject::Kind::kStar, row, name, place, *point, radius);
  }
}

void SkyChart::Record(DrawnObject::Kind kind, int index, std::string_view name,
                      const astro::HorizontalPlace& place, const WindowPoint& point,
                      double radius) {
  const bool visible = point.x + radius >= 0 && point.x - radius <= kChartWidth &&
                       point.y + radius >= 0 && point.y - radius <= kChartHeight;
  drawn_.push_back(
      {kind, index, name, place.altitude, place.azimuth, point.x, point.y, radius, visible});
}

void SkyChart::Label(double x, double y, std::string_view text) {
  if (text.empty()) return;
  surface_.CurrentX = static_cast<float>(x);
  surface_.CurrentY = static_cast<float>(y);
  surface_.Print(text);
}

}  // namespace chart
