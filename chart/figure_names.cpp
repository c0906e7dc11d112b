// The names of the asterisms and the constellations in view, each at its
// figure and, where it can be, on none of the words already drawn.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "catalog/constellations.h"
#include "chart/label_boxes.h"
#include "chart/sky_chart.h"

namespace chart {
namespace {

// The constellations in the order their names are placed: those with the
// brightest stars first, so that where names crowd the well-known ones stand
// where they belong.
const std::vector<std::size_t>& ConstellationsByBrightness() {
  static const std::vector<std::size_t> order = [] {
    std::vector<double> brightest(catalog::kConstellationCount,
                                  std::numeric_limits<double>::infinity());
    for (const catalog::FigureLine& line : catalog::ConstellationLines()) {
      for (const std::uint16_t star : {line.from, line.to}) {
        brightest[line.figure] =
            std::min(brightest[line.figure], catalog::SkyStars()[star].magnitude);
      }
    }
    std::vector<std::size_t> by_brightness(catalog::kConstellationCount);
    for (std::size_t i = 0; i < by_brightness.size(); ++i) by_brightness[i] = i;
    std::stable_sort(by_brightness.begin(), by_brightness.end(),
                     [&](std::size_t a, std::size_t b) { return brightest[a] < brightest[b]; });
    return by_brightness;
  }();
  return order;
}

// Where a name may stand around its point, as offsets of its box's centre
// [twips]: on the point first, then a line below or above, then beside it.
constexpr std::array<std::array<double, 2>, 7> kNamePlaces{{{0, 0},
                                                            {0, kTextHeight},
                                                            {0, -kTextHeight},
                                                            {0, 2 * kTextHeight},
                                                            {0, -2 * kTextHeight},
                                                            {360, 0},
                                                            {-360, 0}}};

}  // namespace

std::optional<WindowPoint> SkyChart::FigureMiddle(const ViewProjection& projection,
                                                  std::span<const catalog::FigureLine> lines,
                                                  int figure) const {
  std::vector<std::uint16_t> counted;
  WindowPoint sum{0, 0};
  int on_chart = 0;
  for (const catalog::FigureLine& line : lines) {
    if (line.figure != figure) continue;
    for (const std::uint16_t star : {line.from, line.to}) {
      if (std::find(counted.begin(), counted.end(), star) != counted.end()) continue;
      counted.push_back(star);
      const astro::EquatorialPlace at = FigureStarPlace(star);
      const astro::HorizontalPlace place = SkyPlace(at.ra, at.dec);
      const auto point = place.altitude >= 0 ? projection.ToWindow(place) : std::nullopt;
      if (!point || !ViewProjection::OnChart(*point, 0)) continue;
      sum = {sum.x + point->x, sum.y + point->y};
      ++on_chart;
    }
  }
  if (on_chart < 2) return std::nullopt;
  return WindowPoint{sum.x / on_chart, sum.y / on_chart};
}

void SkyChart::NameFigure(const ViewProjection& projection, DrawnObject::Kind kind, int index,
                          double ra_hours, double dec_deg, std::string_view name,
                          std::span<const catalog::FigureLine> lines) {
  astro::HorizontalPlace place = SkyPlace(ra_hours, dec_deg);
  auto point = place.altitude >= 0 ? projection.ToWindow(place) : std::nullopt;
  if (!point || !ViewProjection::OnChart(*point, 0)) {
    point = FigureMiddle(projection, lines, index);
    const auto middle = point ? projection.FromWindow(*point) : std::nullopt;
    if (!middle) return;
    place = *middle;
  }
  const double width = TextWidth(name);
  // Whole on the chart, even for a figure at its edge.
  const double left = std::clamp(point->x - width / 2, 0.0, std::max(0.0, kChartWidth - width));
  TextBox chosen{left, point->y - kTextHeight / 2, width, kTextHeight};
  for (const auto& [dx, dy] : kNamePlaces) {
    const TextBox box{chosen.left + dx, chosen.top + dy, width, kTextHeight};
    if (labels_.Free(box)) {
      chosen = box;
      break;
    }
  }
  labels_.Add(chosen);
  Label(chosen.left, chosen.top, name);
  Record(kind, index, name, place, *point, 0);
}

void SkyChart::NameFigures(const ViewProjection& projection) {
  if (Options.Has(Option::kAsterisms)) {
    surface_.CurrentLayer = Layer::kAsterisms;
    for (std::size_t i = 0; i < catalog::kAsterismCount; ++i) {
      const catalog::Asterism& asterism = catalog::Asterisms()[i];
      NameFigure(projection, DrawnObject::Kind::kAsterism, static_cast<int>(i),
                 asterism.name_ra_hours, asterism.name_dec_deg, asterism.japanese,
                 catalog::AsterismLines());
    }
  }
  if (Options.Has(Option::kConstellationNames)) {
    surface_.CurrentLayer = Layer::kConstellationNames;
    for (const std::size_t i : ConstellationsByBrightness()) {
      const catalog::Constellation& constellation = catalog::Constellations()[i];
      NameFigure(projection, DrawnObject::Kind::kConstellation, static_cast<int>(i),
                 constellation.name_ra_hours, constellation.name_dec_deg, constellation.japanese,
                 catalog::ConstellationLines());
    }
  }
}

}  // namespace chart
