// The constellations' figures and the asterisms: lines along the sky between
// their stars, beneath the stars, wide enough to be seen across a classroom.

#include <cstddef>
#include <vector>

#include "catalog/constellations.h"
#include "catalog/star_names.h"
#include "chart/sky_chart.h"

namespace chart {
namespace {

// On the night sky pale lines, on the day sky dark ones; the asterisms warm
// and wider, so that they stand out from the figures around them.
constexpr Colour kNightFigureColour = RGB(170, 210, 255);
constexpr Colour kDayFigureColour = RGB(0, 40, 110);
constexpr Colour kNightAsterismColour = RGB(255, 190, 80);
constexpr Colour kDayAsterismColour = RGB(120, 30, 0);
constexpr float kFigureWidth = 2;    // [window pixels]
constexpr float kAsterismWidth = 3;  // [window pixels]

// The figure stars fainter than the chart catalogue, drawn as small dim discs.
constexpr Colour kFaintStarColour = RGB(200, 175, 40);
constexpr double kFaintStarRadius = 8;  // [twips]

// The stars of the figures that are no rows of the chart catalogue, as
// indexes into catalog::SkyStars().
const std::vector<std::size_t>& FaintFigureStars() {
  static const std::vector<std::size_t> faint = [] {
    std::vector<bool> used(catalog::kSkyStarCount, false);
    for (const catalog::FigureLine& line : catalog::ConstellationLines()) {
      used[line.from] = used[line.to] = true;
    }
    std::vector<std::size_t> stars;
    for (std::size_t i = 0; i < used.size(); ++i) {
      if (used[i] && catalog::SkyStars()[i].chart_row == 0) stars.push_back(i);
    }
    return stars;
  }();
  return faint;
}

}  // namespace

astro::EquatorialPlace SkyChart::FigureStarPlace(std::size_t sky_star) const {
  const catalog::SkyStar& star = catalog::SkyStars()[sky_star];
  if (star.chart_row == 0) {
    return AsSeen ? (*AsSeen->figures)[sky_star]
                  : astro::EquatorialPlace{star.ra_hours, star.dec_deg};
  }
  return {Stars().StarTable(catalog::kRightAscension, star.chart_row),
          Stars().StarTable(catalog::kDeclination, star.chart_row)};
}

void SkyChart::DrawFigureLines(const ViewProjection& projection,
                               std::span<const catalog::FigureLine> lines, Colour colour,
                               float width) {
  surface_.DrawWidth = width;
  const auto place = [this](std::size_t star) {
    const astro::EquatorialPlace at = FigureStarPlace(star);
    return SkyPlace(at.ra, at.dec);
  };
  for (const catalog::FigureLine& line : lines) {
    projection.Segment(place(line.from), place(line.to),
                       [&](const WindowPoint& a, const WindowPoint& b) {
                         surface_.Line(static_cast<float>(a.x), static_cast<float>(a.y),
                                       static_cast<float>(b.x), static_cast<float>(b.y), colour);
                       });
  }
  surface_.DrawWidth = 1;
}

void SkyChart::DrawConstellations(const ViewProjection& projection) {
  const DayNight sun = SunNow();
  surface_.CurrentLayer = Layer::kConstellations;
  DrawFigureLines(projection, catalog::ConstellationLines(),
                  sun.Night() ? kNightFigureColour : kDayFigureColour, kFigureWidth);
  if (!sun.NightObjectsShown()) return;
  surface_.FillStyle = 0;
  surface_.FillColor = kFaintStarColour;
  for (const std::size_t star : FaintFigureStars()) {
    const astro::EquatorialPlace at = FigureStarPlace(star);
    const astro::HorizontalPlace place = SkyPlace(at.ra, at.dec);
    if (!(place.altitude >= 0)) continue;
    const auto point = projection.ToWindow(place);
    if (!point) continue;
    surface_.Circle(static_cast<float>(point->x), static_cast<float>(point->y),
                    static_cast<float>(kFaintStarRadius), kFaintStarColour);
    Record(DrawnObject::Kind::kFigureStar, static_cast<int>(star),
           catalog::StarLabel(catalog::SkyStars()[star].hr), place, *point, kFaintStarRadius);
  }
}

void SkyChart::DrawAsterisms(const ViewProjection& projection) {
  surface_.CurrentLayer = Layer::kAsterisms;
  DrawFigureLines(projection, catalog::AsterismLines(),
                  SunNow().Night() ? kNightAsterismColour : kDayAsterismColour, kAsterismWidth);
}

}  // namespace chart
