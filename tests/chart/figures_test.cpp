// The constellations' figures and the asterisms on the chart.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

#include "catalog/constellations.h"
#include "chart/recording_surface.h"
#include "chart/sky_chart.h"

namespace chart {
namespace {

using Kind = RecordingSurface::Kind;

struct Rig {
  astro::Observation observation;
  const catalog::StarTables stars = catalog::ChartCatalogue();
  RecordingSurface surface{RecordingSurface::Keep::kSinceLastCls};
  SkyChart chart{observation, stars, surface};
  explicit Rig(int hour) {
    observation.Compute(2026, 1, 15, hour, 0, 35.65, 139.75);  // Tokyo, a winter evening or noon
    chart.Options.Set(Option::kConstellations);
    chart.Options.Set(Option::kAsterisms);
    chart.DrawSouth();
  }
};

// A line of a figure ends exactly on the disc the chart draws for its star,
// not beside it: both where the whole line is above the horizon.
TEST(Figures, LinesEndOnTheChartsOwnStars) {
  Rig rig(21);
  std::set<std::pair<float, float>> discs, starts, ends;
  for (const auto& op : rig.surface.Operations()) {
    if (op.kind == Kind::kCircle && op.layer == Layer::kStars)
      discs.emplace(op.values[0], op.values[1]);
    if (op.kind == Kind::kLine && op.layer == Layer::kConstellations) {
      starts.emplace(op.values[0], op.values[1]);
      ends.emplace(op.values[2], op.values[3]);
    }
  }
  int checked = 0;
  const ViewProjection projection(180, rig.chart.Mapping());
  for (const catalog::FigureLine& line : catalog::ConstellationLines()) {
    const catalog::SkyStar& from = catalog::SkyStars()[line.from];
    const catalog::SkyStar& to = catalog::SkyStars()[line.to];
    if (from.chart_row == 0 || to.chart_row == 0) continue;
    const auto place = [&](int row) {
      return rig.observation.horizontal.PlaceOf(rig.stars.StarTable(catalog::kRightAscension, row),
                                                rig.stars.StarTable(catalog::kDeclination, row));
    };
    const auto a = place(from.chart_row), b = place(to.chart_row);
    if (a.altitude < 5 || b.altitude < 5 || std::fabs(a.azimuth - 180) > 90 ||
        std::fabs(b.azimuth - 180) > 90) {
      continue;  // wholly above the horizon and in front of the viewer
    }
    const auto at = [&](const astro::HorizontalPlace& p) {
      const auto w = projection.ToWindow(p);
      return std::make_pair(static_cast<float>(w->x), static_cast<float>(w->y));
    };
    EXPECT_TRUE(discs.count(at(a)) && starts.count(at(a))) << "HR " << from.hr;
    EXPECT_TRUE(discs.count(at(b)) && ends.count(at(b))) << "HR " << to.hr;
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

// WCAG 2.2's contrast ratio of two colours (1 to 21).
double Contrast(Colour a, Colour b) {
  const auto luminance = [](Colour c) {
    const auto channel = [](std::uint8_t v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

// The figures' and the asterisms' lines stand out from the sky by night and by
// day as WCAG asks of graphics (3:1), beneath the stars, wider than the grid.
TEST(Figures, LinesReadOnTheNightAndTheDaySky) {
  for (const int hour : {21, 12}) {
    SCOPED_TRACE(hour);
    Rig rig(hour);
    const Colour sky = hour == 21 ? RGB(32, 96, 192) : RGB(0, 144, 255);
    bool star_drawn = false;
    int lines = 0;
    for (const auto& op : rig.surface.Operations()) {
      star_drawn |= op.layer == Layer::kStars;
      if (op.kind != Kind::kLine || op.layer == Layer::kHorizon) continue;
      ++lines;
      EXPECT_FALSE(star_drawn) << "a line over a star";
      EXPECT_GE(op.width, 2);
      EXPECT_GE(Contrast(op.colour, sky), 3.0);
    }
    EXPECT_GT(lines, 200);
  }
}

}  // namespace
}  // namespace chart
