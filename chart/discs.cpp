// The bodies and the stars as discs, each with its optional name.

#include <cstddef>

#include "chart/sky_chart.h"

namespace chart {
namespace {

constexpr Colour kBodyColour = RGB(224, 80, 16);
constexpr Colour kStarColour = RGB(240, 208, 0);
constexpr double kLabelShift = 80;  // labels start right of the disc centre [twips]

}  // namespace

// Where the projection gives up (zenith, or the guard beside the view centre)
// an object is skipped rather than drawn at some other object's place.
void SkyChart::DrawBody(const ViewProjection& projection, const BodyRow& body) {
  const auto slot = static_cast<std::size_t>(body.index);
  if (!(observation_.BodyAlt[slot] >= 0)) return;
  const astro::HorizontalPlace place{observation_.BodyAlt[slot], observation_.BodyAz[slot]};
  const auto point = projection.ToWindow(place);
  if (!point) return;
  surface_.CurrentLayer = Layer::kBodies;
  surface_.FillColor = kBodyColour;
  surface_.FillStyle = 0;
  surface_.Circle(static_cast<float>(point->x), static_cast<float>(point->y),
                  static_cast<float>(body.radius), kBodyColour);
  if (body.index == astro::kMoon && Options.Has(Option::kPhases)) {
    DrawPhase(projection, place, *point, body.radius);
  }
  if (Options.Has(Option::kNames)) Name(*point, body.label);
  Record(DrawnObject::Kind::kBody, body.index, body.label, place, *point, body.radius);
}

void SkyChart::Name(const WindowPoint& disc, std::string_view name) {
  surface_.CurrentLayer = Layer::kNames;
  Label(disc.x + kLabelShift, disc.y, name);
  if (!name.empty()) labels_.Add({disc.x + kLabelShift, disc.y, TextWidth(name), kTextHeight});
}

void SkyChart::DrawStars(const ViewProjection& projection) {
  for (int row = 1; row <= catalog::kChartStarCount; ++row) {
    const catalog::StarTables& stars = Stars();
    const astro::HorizontalPlace place = SkyPlace(stars.StarTable(catalog::kRightAscension, row),
                                                  stars.StarTable(catalog::kDeclination, row));
    if (!(place.altitude >= 0)) continue;
    const auto point = projection.ToWindow(place);
    if (!point) continue;
    surface_.CurrentLayer = Layer::kStars;
    surface_.FillColor = kStarColour;
    // Brighter stars get larger discs: 50 twips at magnitude 0, 10 at magnitude 4.
    const double radius = (5 - stars.StarTable(catalog::kMagnitude, row)) * 10;
    surface_.Circle(static_cast<float>(point->x), static_cast<float>(point->y),
                    static_cast<float>(radius), kStarColour);
    const std::string_view name = stars.StarName[static_cast<std::size_t>(row)];
    if (Options.Has(Option::kNames)) Name(*point, name);
    Record(DrawnObject::Kind::kStar, row, name, place, *point, radius);
  }
}

}  // namespace chart
