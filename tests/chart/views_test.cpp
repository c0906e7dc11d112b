// The four direction views drawn onto a recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tests/chart/chart_fixture.h"

namespace chart::testing {
namespace {

using Kind = RecordingSurface::Kind;
using Operation = RecordingSurface::Operation;

constexpr Colour kBodyColour = RGB(224, 80, 16);
constexpr Colour kStarColour = RGB(240, 208, 0);
constexpr Colour kEquatorColour = RGB(240, 48, 48);
constexpr Colour kNightEclipticColour = RGB(240, 255, 0);
constexpr Colour kDayEclipticColour = RGB(255, 242, 0);

enum class Direction { kNorth, kEast, kSouth, kWest };

struct ViewCase {
  Direction direction;
  double centre_azimuth;
  std::array<const char*, 3> words;
};

const ViewCase kViews[] = {
    {Direction::kNorth, 0, {"北西", "北", "北東"}},
    {Direction::kEast, 90, {"東北", "東", "東南"}},
    {Direction::kSouth, 180, {"南東", "南", "南西"}},
    {Direction::kWest, 270, {"西南", "西", "西北"}},
};

void Draw(SkyChart& chart, Direction direction) {
  switch (direction) {
    case Direction::kNorth:
      chart.DrawNorth();
      break;
    case Direction::kEast:
      chart.DrawEast();
      break;
    case Direction::kSouth:
      chart.DrawSouth();
      break;
    case Direction::kWest:
      chart.DrawWest();
      break;
  }
}

// A site at 35 N 135 E; every body placed by hand, all of them up.
void SetUpSky(ChartRig& rig, double sun_altitude) {
  rig.observation.horizontal.SiteLat = 35;
  rig.observation.horizontal.SiteLon = 135;
  rig.observation.horizontal.SidTime = 10;
  rig.observation.BodyAlt = {sun_altitude, 20, 10, 40, 25, 15};
  rig.observation.BodyAz = {170, 150, 210, 190, 165, 230};
}

std::vector<Operation> Select(const RecordingSurface& surface, Kind kind) {
  std::vector<Operation> selected;
  for (const Operation& operation : surface.Operations()) {
    if (operation.kind == kind) selected.push_back(operation);
  }
  return selected;
}

std::vector<Operation> Circles(const RecordingSurface& surface, Colour colour) {
  std::vector<Operation> selected;
  for (const Operation& operation : Select(surface, Kind::kCircle)) {
    if (operation.colour == colour) selected.push_back(operation);
  }
  return selected;
}

std::vector<std::string> Texts(const RecordingSurface& surface) {
  std::vector<std::string> texts;
  for (const Operation& operation : Select(surface, Kind::kPrint)) texts.push_back(operation.text);
  return texts;
}

TEST(ViewsTest, BeginsWithClearAndHorizon) {
  ChartRig rig;
  SetUpSky(rig, -20);
  rig.surface.BackColor = RGB(0, 0, 32);
  rig.chart.DrawSouth();
  const auto& operations = rig.surface.Operations();
  ASSERT_GE(operations.size(), 2u);
  const std::string start = "cls 0 0 32\nline 0 9000 15500 9000 88 88 88\n";
  EXPECT_EQ(rig.surface.Text().substr(0, start.size()), start);
  EXPECT_EQ(operations[2].kind, Kind::kCircle);
  EXPECT_EQ(rig.surface.FillStyle, 0);
}

// By day only the Sun, the Moon and Venus, whatever else is up.
TEST(ViewsTest, DayShowsOnlySunMoonVenus) {
  ChartRig rig;
  SetUpSky(rig, 30);
  rig.chart.Options.names = true;
  rig.chart.DrawSouth();
  const auto discs = Select(rig.surface, Kind::kCircle);
  ASSERT_EQ(discs.size(), 3u);
  EXPECT_EQ(discs[0].values[2], 100.0f);
  EXPECT_EQ(discs[1].values[2], 120.0f);
  EXPECT_EQ(discs[2].values[2], 50.0f);
  for (const Operation& disc : discs) {
    EXPECT_EQ(disc.colour, kBodyColour);
    EXPECT_TRUE(disc.filled);
    EXPECT_EQ(disc.fill, kBodyColour);
  }
  EXPECT_EQ(Texts(rig.surface),
            (std::vector<std::string>{"太陽", "月", "金星", "南東", "南", "南西"}));
}

// The Sun exactly on the horizon: its disc and the night objects are all drawn.
TEST(ViewsTest, SunOnHorizonIsNight) {
  ChartRig rig;
  SetUpSky(rig, 0);
  rig.chart.DrawSouth();
  const auto bodies = Circles(rig.surface, kBodyColour);
  ASSERT_EQ(bodies.size(), 6u);
  const float radii[] = {100, 120, 50, 50, 50, 40};
  for (std::size_t i = 0; i < bodies.size(); ++i) EXPECT_EQ(bodies[i].values[2], radii[i]) << i;
  EXPECT_EQ(bodies[0].values[1], 9000.0f);  // the Sun sits on the horizon line
  EXPECT_FALSE(Circles(rig.surface, kStarColour).empty());
}

TEST(ViewsTest, BodyAtAltitudeZeroOnTheHorizonLine) {
  ChartRig rig;
  SetUpSky(rig, -10);
  rig.observation.BodyAlt[astro::kMoon] = 0;
  rig.observation.BodyAz[astro::kMoon] = 200;
  rig.chart.DrawSouth();
  const auto bodies = Circles(rig.surface, kBodyColour);
  const auto moon = std::find_if(bodies.begin(), bodies.end(),
                                 [](const Operation& disc) { return disc.values[2] == 120.0f; });
  ASSERT_NE(moon, bodies.end());
  EXPECT_EQ(moon->values[1], 9000.0f);
  EXPECT_NEAR(moon->values[0], 7000 + 112.5 * 20, 0.1);  // 112.5 twips per degree
}

// Bodies below the horizon are left out, at any time of day.
TEST(ViewsTest, BodiesBelowHorizonSkipped) {
  ChartRig rig;
  SetUpSky(rig, -10);
  rig.observation.BodyAlt = {-10, -0.001, 5, -30, -1e-9, 2};
  rig.chart.Options.names = true;
  rig.chart.DrawEast();
  const auto texts = Texts(rig.surface);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "太陽"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "月"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "金星"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "火星"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "木星"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "土星"), 1);
}

// The stars' discs follow (5 - magnitude) x 10 twips, from Sirius down to 3.99.
TEST(ViewsTest, StarRadiiFollowMagnitude) {
  catalog::StarTables table;
  table.SetStars1();
  table.SetStars2();
  table.SetStars3();
  int brightest = 1, faintest = 1;
  for (int row = 1; row <= catalog::kChartStarCount; ++row) {
    if (table.StarTable(3, row) < table.StarTable(3, brightest)) brightest = row;
    if (table.StarTable(3, row) > table.StarTable(3, faintest)) faintest = row;
  }
  ASSERT_EQ(table.StarTable(3, brightest), -1.46);
  ASSERT_EQ(table.StarTable(3, faintest), 3.99);
  const struct {
    int row;
    float radius;
  } cases[] = {{brightest, 64.6f}, {faintest, 10.1f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    ChartRig rig;
    SetUpSky(rig, -30);
    // Put the star on the meridian, 60 degrees up in the south.
    const double declination = table.StarTable(2, c.row);
    rig.observation.horizontal.SiteLat = declination + 30;
    rig.observation.horizontal.SiteLon = 0;
    rig.observation.horizontal.SidTime = table.StarTable(1, c.row);
    rig.chart.DrawSouth();
    const auto stars = Circles(rig.surface, kStarColour);
    const auto on_meridian = std::find_if(stars.begin(), stars.end(), [](const Operation& disc) {
      return std::fabs(disc.values[0] - 7000) < 1 && std::fabs(disc.values[1] - 4200) < 5;
    });
    ASSERT_NE(on_meridian, stars.end());
    EXPECT_EQ(on_meridian->values[2], c.radius);
    for (const Operation& star : stars) {
      EXPECT_GE(star.values[2], 10.1f);
      EXPECT_LE(star.values[2], 64.6f);
      EXPECT_TRUE(star.filled);
      EXPECT_EQ(star.fill, kStarColour);
    }
  }
}

// Every star above the horizon is drawn once at night.
TEST(ViewsTest, EveryStarAboveHorizonDrawn) {
  ChartRig rig;
  SetUpSky(rig, -30);
  rig.chart.DrawWest();
  int above = 0;
  for (int row = 1; row <= catalog::kChartStarCount; ++row) {
    rig.observation.horizontal.ObjRA = rig.stars.StarTable(1, row);
    rig.observation.horizontal.ObjDec = rig.stars.StarTable(2, row);
    rig.observation.horizontal.EqToHor();
    if (rig.observation.horizontal.ObjAlt >= 0) ++above;
  }
  EXPECT_GT(above, 100);
  EXPECT_EQ(Circles(rig.surface, kStarColour).size(), static_cast<std::size_t>(above));
}

// The words under the horizon belong to the view alone, not to the date or site.
TEST(ViewsTest, DirectionWords) {
  for (const ViewCase& view : kViews) {
    for (const double sun : {-40.0, 25.0}) {
      for (const double latitude : {35.0, -33.9, 64.1}) {
        SCOPED_TRACE(::testing::Message()
                     << view.words[1] << " sun " << sun << " lat " << latitude);
        ChartRig rig;
        SetUpSky(rig, sun);
        rig.observation.horizontal.SiteLat = latitude;
        Draw(rig.chart, view.direction);
        const auto prints = Select(rig.surface, Kind::kPrint);
        ASSERT_EQ(prints.size(), 3u);
        const float places[] = {3500, 6950, 10200};
        for (std::size_t i = 0; i < 3; ++i) {
          EXPECT_EQ(prints[i].text, view.words[i]);
          EXPECT_EQ(prints[i].values[0], places[i]);
          EXPECT_EQ(prints[i].values[1], 9100.0f);
        }
        EXPECT_EQ(rig.surface.Operations().back().kind, Kind::kPrint);
      }
    }
  }
}

// With no option ticked a night chart is the horizon, the discs and three words.
TEST(ViewsTest, NoOptionsOnlyHorizonDiscsAndWords) {
  for (const ViewCase& view : kViews) {
    SCOPED_TRACE(view.words[1]);
    ChartRig rig;
    SetUpSky(rig, -20);
    Draw(rig.chart, view.direction);
    const auto& operations = rig.surface.Operations();
    ASSERT_GE(operations.size(), 5u);
    EXPECT_EQ(operations[0].kind, Kind::kCls);
    EXPECT_EQ(operations[1].kind, Kind::kLine);
    for (std::size_t i = 2; i + 3 < operations.size(); ++i) {
      ASSERT_EQ(operations[i].kind, Kind::kCircle) << i;
    }
    EXPECT_EQ(Select(rig.surface, Kind::kPrint).size(), 3u);
    EXPECT_EQ(Select(rig.surface, Kind::kLine).size(), 1u);
  }
}

// Labels start 80 twips right of the disc centre, top edge level with it.
TEST(ViewsTest, NamesBesideDiscs) {
  ChartRig rig;
  SetUpSky(rig, -20);
  rig.chart.Options.names = true;
  rig.chart.DrawSouth();
  const auto& operations = rig.surface.Operations();
  int labels = 0;
  for (std::size_t i = 0; i + 3 < operations.size(); ++i) {
    if (operations[i].kind != Kind::kPrint) continue;
    ++labels;
    ASSERT_GT(i, 0u);
    const Operation& disc = operations[i - 1];
    ASSERT_EQ(disc.kind, Kind::kCircle) << operations[i].text;
    EXPECT_NEAR(operations[i].values[0], disc.values[0] + 80, 0.01) << operations[i].text;
    EXPECT_EQ(operations[i].values[1], disc.values[1]) << operations[i].text;
    EXPECT_FALSE(operations[i].text.empty());
  }
  const auto texts = Texts(rig.surface);
  for (const char* label : {"太陽", "月", "金星", "火星", "木星", "土星"}) {
    EXPECT_EQ(std::count(texts.begin(), texts.end(), label), label == std::string("太陽") ? 0 : 1)
        << label;
  }
  // Only the named stars get a label: at most twenty, never an empty one.
  EXPECT_LE(labels, 5 + 20);
  EXPECT_GT(labels, 5);
}

TEST(ViewsTest, GridFollowsItsOption) {
  ChartRig rig;
  SetUpSky(rig, -20);
  rig.chart.Options.grid = true;
  rig.chart.DrawNorth();
  const auto& operations = rig.surface.Operations();
  ASSERT_GT(operations.size(), 3u);
  EXPECT_EQ(operations[2].kind, Kind::kPSet);  // the grid comes right after the horizon
  EXPECT_EQ(operations[2].colour, RGB(186, 186, 186));
  const std::size_t with_grid = Select(rig.surface, Kind::kPSet).size();
  EXPECT_GT(with_grid, 5000u);
  rig.surface.Clear();
  rig.chart.Options.grid = false;
  rig.chart.DrawNorth();
  EXPECT_TRUE(Select(rig.surface, Kind::kPSet).empty());
}

// The dotted lines: each under its own option, colours by night and by day.
TEST(ViewsTest, EquatorAndEclipticDots) {
  const struct {
    const char* what;
    double sun;
    bool equator, ecliptic;
    std::vector<Colour> colours;
  } cases[] = {
      {"night equator", -20, true, false, {kEquatorColour}},
      {"night ecliptic", -20, false, true, {kNightEclipticColour}},
      {"night both", -20, true, true, {kNightEclipticColour, kEquatorColour}},
      {"day equator", 20, true, false, {kEquatorColour}},
      {"day ecliptic", 20, false, true, {kDayEclipticColour}},
      {"day both", 0, true, true, {kDayEclipticColour, kEquatorColour}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChartRig rig;
    SetUpSky(rig, c.sun);
    rig.chart.Options.equator = c.equator;
    rig.chart.Options.ecliptic = c.ecliptic;
    rig.chart.DrawSouth();
    const auto dots = Select(rig.surface, Kind::kPSet);
    for (const Colour colour : c.colours) {
      const auto count = std::count_if(dots.begin(), dots.end(),
                                       [&](const Operation& dot) { return dot.colour == colour; });
      EXPECT_GT(count, 100);
      EXPECT_LE(count, 361);
    }
    for (const Operation& dot : dots) {
      EXPECT_NE(std::find(c.colours.begin(), c.colours.end(), dot.colour), c.colours.end());
    }
  }
}

// At 35 N the equator culminates 55 degrees up in the south.
TEST(ViewsTest, EquatorCulminatesAtColatitude) {
  ChartRig rig;
  SetUpSky(rig, -20);
  rig.chart.Options.equator = true;
  rig.chart.DrawSouth();
  const auto dots = Select(rig.surface, Kind::kPSet);
  const auto top = std::min_element(dots.begin(), dots.end(), [](const auto& a, const auto& b) {
    return a.values[1] < b.values[1];
  });
  ASSERT_NE(top, dots.end());
  EXPECT_NEAR(top->values[1], 9000 - 80 * 55, 2);
  EXPECT_NEAR(top->values[0], 7000, 120);
}

// Where the projection gives up (the zenith, the guard beside the view centre)
// the object is left out rather than drawn at the previous object's place.
TEST(ViewsTest, UnprojectableBodySkipped) {
  for (const ViewCase& view : kViews) {
    SCOPED_TRACE(view.words[1]);
    ChartRig rig;
    SetUpSky(rig, 20);
    rig.observation.BodyAz[astro::kSun] = view.centre_azimuth + 30;
    rig.observation.BodyAlt[astro::kMoon] = 0;
    rig.observation.BodyAz[astro::kMoon] = view.centre_azimuth + 0.0001;
    rig.observation.BodyAlt[astro::kVenus] = 90;
    rig.chart.Options.names = true;
    Draw(rig.chart, view.direction);
    const auto discs = Select(rig.surface, Kind::kCircle);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].values[2], 100.0f);
    const auto texts = Texts(rig.surface);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "月"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "金星"), 0);
  }
}

// A body whose place is not a number is left out, not drawn at a NaN position.
TEST(ViewsTest, BodyWithoutAPlaceSkipped) {
  ChartRig rig;
  SetUpSky(rig, -20);
  rig.observation.BodyAz[astro::kMars] = std::nan("");
  rig.observation.BodyAlt[astro::kJupiter] = std::nan("");
  rig.chart.Options.names = true;
  rig.chart.DrawSouth();
  const auto texts = Texts(rig.surface);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "火星"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "木星"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "土星"), 1);
  EXPECT_EQ(rig.surface.nonFiniteCount(), 0u);
}

// No NaN or infinity reaches the surface, for any view, site or hour.
TEST(ViewsTest, OnlyFiniteValuesDrawn) {
  for (const ViewCase& view : kViews) {
    for (const double latitude : {90.0, 66.5, 35.0, 0.0, -45.0, -90.0}) {
      for (double sidereal = 0; sidereal < 24; sidereal += 1.5) {
        ChartRig rig;
        SetUpSky(rig, -5);
        rig.observation.horizontal.SiteLat = latitude;
        rig.observation.horizontal.SidTime = sidereal;
        rig.chart.Options = ChartOptions{true, true, true, true};
        Draw(rig.chart, view.direction);
        ASSERT_EQ(rig.surface.nonFiniteCount(), 0u)
            << view.words[1] << " lat " << latitude << " sidereal " << sidereal;
      }
    }
  }
}

}  // namespace
}  // namespace chart::testing
