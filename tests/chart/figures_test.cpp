// The constellations' figures and the asterisms on the chart.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
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

// The Moon in its phase, seen facing south from Tokyo: at the first quarter
// of 2026-01-26 the evening Moon is lit on its right, toward the set Sun, and
// dark on its left; the shade covers the unlit share of the disc, as
// Astronomy Engine's Illumination gives it (1 - phase_fraction at 09:00 UT).
TEST(Phases, TheLitSideFacesTheSunAndTheShadeItsShare) {
  struct Case {
    int day, hour;
    double dark_share;  // of the disc: 1 minus the Moon's lit fraction
    int dark_side;      // -1 the shade lies left of the centre, +1 right
  } cases[] = {{26, 18, 0.479, -1}, {23, 18, 0.792, -1}, {30, 18, 0.087, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    astro::Observation observation;
    observation.Compute(2026, 1, static_cast<double>(c.day), c.hour, 0, 35.65, 139.75);
    const catalog::StarTables stars = catalog::ChartCatalogue();
    RecordingSurface surface;
    SkyChart chart(observation, stars, surface);
    chart.Options.Set(Option::kPhases);
    chart.DrawSouth();
    const RecordingSurface::Operation* moon = nullptr;
    const RecordingSurface::Operation* shade = nullptr;
    for (const auto& op : surface.Operations()) {
      if (op.kind == Kind::kCircle && op.values[2] == 120) moon = &op;
      if (op.kind == Kind::kPolygon) shade = &op;
    }
    ASSERT_TRUE(moon && shade);
    // The shoelace area and centroid of the shade.
    double area = 0, cx = 0;
    const auto& p = shade->points;
    for (std::size_t i = 0; i < p.size(); ++i) {
      const auto& a = p[i];
      const auto& b = p[(i + 1) % p.size()];
      const double cross = static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
      area += cross / 2;
      cx += (a.x + b.x) * cross / 6;
    }
    const double radius = moon->values[2];
    EXPECT_NEAR(std::fabs(area) / (std::numbers::pi * radius * radius), c.dark_share, 0.03);
    EXPECT_EQ((cx / area > moon->values[0]) ? 1 : -1, c.dark_side);
  }
}

}  // namespace
}  // namespace chart
