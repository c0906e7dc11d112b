// The sky chart: its Winkel tripel view projection, the dotted altitude/azimuth
// grid and the four direction views.
#include "chart/sky_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "chart/recording_surface.h"
#include "chart/winkel_tripel.h"

namespace chart {
namespace {

const double kNaN = std::nan("");
using Kind = RecordingSurface::Kind;
using Operation = RecordingSurface::Operation;

// The four views: centre azimuth [degrees] and their procedures.
struct ViewCase {
  double centre;
  void (SkyChart::*draw)();
  const char* name;
};
constexpr ViewCase kViews[] = {
    {0, &SkyChart::DrawNorth, "north"},
    {90, &SkyChart::DrawEast, "east"},
    {180, &SkyChart::DrawSouth, "south"},
    {270, &SkyChart::DrawWest, "west"},
};

// The compass point at an azimuth of 0, 90, 180 or 270 degrees.
std::string Cardinal(double azimuth) {
  const char* points[] = {"北", "東", "南", "西"};
  return points[static_cast<int>(std::fmod(azimuth + 360, 360)) / 90];
}

// What a view should write under its horizon: in the middle the compass point
// it faces, at the left and the right the points 45 degrees aside, named as
// the Japanese compass names them, the point faced first ("南東" left of south).
std::array<std::string, 3> DirectionWords(const ViewCase& view) {
  const std::string ahead = Cardinal(view.centre);
  return {ahead + Cardinal(view.centre - 90), ahead, ahead + Cardinal(view.centre + 90)};
}
constexpr const ViewCase& kNorth = kViews[0];
constexpr const ViewCase& kEast = kViews[1];
constexpr const ViewCase& kSouth = kViews[2];

// A chart drawing onto a recording surface, with an observation set by hand.
struct ChartRig {
  astro::Observation observation;
  const catalog::StarTables stars = catalog::ChartCatalogue();
  RecordingSurface surface;
  SkyChart chart{observation, stars, surface};
  void Draw(const ViewCase& view) { (chart.*view.draw)(); }
};

// Projects one object for the view.
std::optional<ChartPoint> Project(const ViewCase& view, double altitude, double azimuth) {
  return PlotInView(altitude, azimuth, view.centre);
}

// Places rounded to two decimals, with the window places to the twip where quoted.
TEST(ProjectionTest, WorkedPlaces) {
  const struct {
    const ViewCase& view;
    double altitude, azimuth, chart_x, chart_y, window_x, window_y;
  } rows[] = {
      {kSouth, 0, 180, 0.00, 0.00, 7000, 9000},     {kSouth, 0, 135, -33.75, 0.00, 1937.5, 9000},
      {kSouth, 0, 120, -45.00, 0.00, 250, 9000},    {kSouth, 30, 180, 0.00, 30.00, 7000, 6600},
      {kSouth, 45, 270, 57.14, 46.99, 15571, 5240}, {kSouth, 60, 200, 11.04, 60.10, 8655, 4192},
      {kSouth, 89, 0, -46.57, 89.49, 14, 1841},     {kNorth, 20, 10, 7.29, 20.01, kNaN, kNaN},
      {kNorth, 20, 350, -7.29, 20.01, kNaN, kNaN},  {kEast, 80, 359, -33.11, 81.18, kNaN, kNaN},
      {kEast, 80, 1, -32.42, 81.13, kNaN, kNaN}};
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.view.name << row.altitude << " " << row.azimuth);
    const auto place = Project(row.view, row.altitude, row.azimuth);
    ASSERT_TRUE(place);
    EXPECT_NEAR(place->x, row.chart_x, 0.005);
    EXPECT_NEAR(place->y, row.chart_y, 0.005);
    if (std::isnan(row.window_x)) continue;
    const ChartRig rig;
    EXPECT_NEAR(rig.chart.CentreX + rig.chart.ScaleX * place->x, row.window_x, 1.0);
    EXPECT_NEAR(rig.chart.HorizonY - rig.chart.ScaleY * place->y, row.window_y, 1.0);
  }
}

// At altitude t and azimuth offset a: straight ahead t is kept; the horizon is
// y = 0 at 0.75 degree of chart per degree of half-width; all views agree, +a and
// -a mirror exactly. Directly behind, -180 is drawn on the left, +180 on the right.
// PROJ's own test of its Winkel tripel ("wintri" in test/gie/builtins.gie,
// +R=6400000 +lat_1=0): longitude and latitude 2 and 1 degrees, each sign,
// to x = 223390.801533485 m and y = 111703.907505745 m. PROJ's standard
// parallel there is 0 degrees (cos 1), the chart's 60 (cos 0.5): the Aitoff
// half of x and all of y are the same, so the chart's x is PROJ's less a
// quarter of the longitude. Without the guard beside the centre line the two
// agree within PROJ's tolerance of 0.1 mm, some 1e-9 degrees.
TEST(ProjectionTest, AgreesWithProjsWinkelTripel) {
  constexpr double kRadius = 6400000;                           // [m]
  constexpr double kDegreesPerRadian = 180 / std::numbers::pi;  // the reference's, not the chart's
  constexpr double kProjX = 223390.801533485, kProjY = 111703.907505745;  // [m]
  constexpr WinkelGuards kNoGuard{0, 1e-12, false};
  for (const double longitude : {2.0, -2.0}) {
    for (const double latitude : {1.0, -1.0}) {
      SCOPED_TRACE(::testing::Message() << longitude << " " << latitude);
      const double proj_x = std::copysign(kProjX, longitude) / kRadius * kDegreesPerRadian;
      const double proj_y = std::copysign(kProjY, latitude) / kRadius * kDegreesPerRadian;
      const auto place = WinkelTripel(latitude, longitude, kNoGuard);
      ASSERT_TRUE(place.has_value());
      EXPECT_NEAR(place->x, proj_x - longitude * (1 - 0.5) / 2, 1e-9);
      EXPECT_NEAR(place->y, proj_y, 1e-9);
    }
  }
}

TEST(ProjectionTest, CentreLineHorizonAndMirror) {
  for (double t = 0; t <= 85; t += 0.5) {
    const auto ahead = Project(kNorth, t, 0);
    ASSERT_TRUE(ahead);
    EXPECT_NEAR(ahead->y, t, 1e-6);
    EXPECT_NEAR(ahead->x, 0.0, 1e-4);
    for (double a = 0.25; a < 180; a += 0.25) {
      const auto place = Project(kNorth, t, a);
      ASSERT_TRUE(place);
      const auto [x, y] = *place;
      ASSERT_TRUE(t > 0 || (y == 0 && std::fabs(x - 0.75 * (a - 0.0001)) < 1e-6))
          << a << ": " << x << ", " << y;
      for (const ViewCase& view : kViews) {
        for (const double side : {1.0, -1.0}) {
          const auto mirrored = Project(view, t, std::fmod(view.centre + side * a + 360, 360));
          ASSERT_TRUE(mirrored && mirrored->x == side * x && mirrored->y == y)
              << view.name << " t " << t << " a " << side * a;
        }
      }
    }
  }
  const auto left = Project(kSouth, 10, 0);
  const auto right = Project(kEast, 10, 270);
  ASSERT_TRUE(left && right);
  EXPECT_TRUE(left->x < -100 && right->x > 100 && right->y == left->y);
}

// No result at the zenith, at the centre guard on the horizon, or for inputs that are
// not numbers. Near the zenith places are finite and at the top.
TEST(ProjectionTest, StopsGiveNoPlace) {
  const struct {
    const ViewCase& view;
    double altitude, azimuth;
  } stops[] = {{kSouth, 90, 180},     {kNorth, 90, 123.5},   {kViews[3], 90, 90},
               {kSouth, 0, 180.0001}, {kEast, 0, 89.9999},   {kSouth, 30, kNaN},
               {kSouth, kNaN, 200},   {kNorth, 10, HUGE_VAL}};
  for (const auto& stop : stops) {
    EXPECT_FALSE(Project(stop.view, stop.altitude, stop.azimuth))
        << stop.altitude << " " << stop.azimuth;
  }
  for (double altitude = 88; altitude <= 90; altitude += 0.001) {
    for (const double offset : {0.0, 0.0001, 0.001, 1.0, 45.0, 90.0, 179.0, 180.0}) {
      const auto place = Project(kSouth, altitude, std::fmod(180 + offset, 360));
      if (!place) continue;
      ASSERT_TRUE(std::isfinite(place->x) && std::fabs(place->y - 89.5) <= 1.6)
          << altitude << " " << offset << ": " << place->x << ", " << place->y;
    }
  }
}

// 25 azimuth lines of 91 points less horizon and zenith (2275 - 50) and eight
// circles of 361 (the 90 degree circle is the zenith); only dots on the centre
// line near the zenith may be missing. No dot on the horizon or at the zenith
// (y = 1800); the pattern is its own mirror image, the same by day for any site
// but for the colour.
TEST(GridTest, PatternAndColours) {
  ChartRig night;
  night.observation.BodyAlt[astro::kSun] = -0.5;
  night.chart.DrawGrid();
  const std::vector<Operation>& dots = night.surface.Operations();
  const auto DotsNear = [&dots](double x, double y, double tolerance) {
    return std::ranges::count_if(dots, [&](const Operation& dot) {
      return std::fabs(dot.values[0] - x) <= tolerance && std::fabs(dot.values[1] - y) <= tolerance;
    });
  };
  const std::size_t full = 2225 + 8 * 361;
  ASSERT_TRUE(dots.size() <= full && dots.size() >= full - 20) << dots.size();
  EXPECT_EQ(DotsNear(7000, 8920, 1), 1);  // azimuth line a = 0 at t = 1
  EXPECT_EQ(DotsNear(8446, 5396, 1), 1);
  EXPECT_EQ(DotsNear(5554, 5396, 1), 1);
  EXPECT_EQ(DotsNear(7000, 8200, 1), 2);  // circle t = 10 meets line a = 0
  EXPECT_EQ(DotsNear(12027, 8190, 1), 2);
  // The first dot is a degree up the line straight behind on the left.
  EXPECT_TRUE(dots[0].values[0] < 7000 - 150 * 100 && dots[0].values[1] > 8850);
  ChartRig day;
  day.observation.horizontal = {.SidTime = 17.25, .SiteLat = -33.9, .SiteLon = 151.2};
  day.chart.DrawGrid();  // the Sun on the horizon counts as day
  ASSERT_EQ(day.surface.Operations().size(), dots.size());
  int off_centre_line = 0;
  for (std::size_t i = 0; i < dots.size(); ++i) {
    const Operation& dot = dots[i];
    SCOPED_TRACE(::testing::Message() << i << ": " << dot.values[0] << ", " << dot.values[1]);
    ASSERT_TRUE(dot.kind == Kind::kPSet && dot.values[1] < 8950 && dot.values[1] > 1820);
    ASSERT_GE(DotsNear(14000 - dot.values[0], dot.values[1], 0.01), 1);
    if (std::fabs(dot.values[0] - 7000) > 1) ++off_centre_line;
    ASSERT_EQ(day.surface.Operations()[i].values, dot.values);
    ASSERT_EQ(day.surface.Operations()[i].colour, RGB(77, 77, 77));
    ASSERT_EQ(dot.colour, RGB(186, 186, 186));
  }
  EXPECT_EQ(off_centre_line, 24 * 89 + 8 * 360);
}

// The grid follows a change of the window mapping after it has been drawn once:
// a chart drawn, re-mapped and drawn again matches a chart mapped that way from
// the start.
TEST(GridTest, FollowsTheWindowMapping) {
  ChartRig reused;
  reused.chart.DrawGrid();
  reused.chart.ScaleX = 120;
  reused.chart.HorizonY = 8000;
  reused.surface.Clear();
  reused.chart.DrawGrid();
  ChartRig fresh;
  fresh.chart.ScaleX = 120;
  fresh.chart.HorizonY = 8000;
  fresh.chart.DrawGrid();
  EXPECT_EQ(reused.surface.Text(), fresh.surface.Text());
  ChartRig unchanged;
  unchanged.chart.DrawGrid();
  EXPECT_NE(unchanged.surface.Text(), fresh.surface.Text());
}

constexpr Colour kBodyColour = RGB(224, 80, 16);
constexpr Colour kStarColour = RGB(240, 208, 0);
constexpr Colour kEquator = RGB(240, 48, 48);
constexpr float kSiriusRadius = 64.6f;  // [twips], published for magnitude -1.46
const std::vector<std::string> kBodyLabels = {"太陽", "月", "金星", "火星", "木星", "土星"};

using Six = std::array<double, 6>;  // one value per body, Sun to Saturn
constexpr Six kOffsets = {-10, -30, 30, 10, -15, 50};
const auto Up = [](double sun) { return Six{sun, 20, 10, 40, 25, 15}; };

// A site at 35 N on the Greenwich meridian with Sirius near the meridian; the
// bodies placed by hand, azimuths as offsets from the view centre.
void SetUpSky(ChartRig& rig, const ViewCase& view, Six altitudes, Six offsets = kOffsets) {
  rig.observation.horizontal = {.SidTime = 6.75, .SiteLat = 35, .SiteLon = 0};
  rig.observation.BodyAlt = altitudes;
  for (std::size_t i = 0; i < 6; ++i) {
    rig.observation.BodyAz[i] = std::fmod(view.centre + offsets[i] + 360, 360);
  }
}

std::vector<Operation> Drawn(const ChartRig& rig, Kind kind, Colour colour) {
  std::vector<Operation> drawn = rig.surface.Operations();
  std::erase_if(drawn, [&](const Operation& op) { return op.kind != kind || op.colour != colour; });
  return drawn;
}

// Horizon first, the view's words last, whatever the site; with no box ticked
// only discs between. By day only the Sun, Moon and Venus; the Sun on the horizon
// counts as night. Bodies without a place or where the projection gives up are
// skipped, not drawn at a NaN place or the previous object's. Labels sit 80 twips
// right of their disc, top level with its centre; only twenty stars are named.
TEST(ViewsTest, BodiesWordsAndLabels) {
  const double n = kNaN;  // a body without a place
  const struct {
    const char* what;
    double latitude;
    Six altitudes, offsets;
    std::vector<std::string> drawn;
  } cases[] = {
      {"sun on the horizon", 35, Up(0), kOffsets, kBodyLabels},
      {"by day", -33.9, Up(30), kOffsets, {"太陽", "月", "金星"}},
      {"below the horizon", 64.1, {-10, -0.001, 5, -30, -1e-9, 2}, kOffsets, {"金星", "土星"}},
      {"NaN", 35, {-20, 20, 10, 40, n, 15}, {-10, -30, 30, n, -15, 50}, {"月", "金星", "土星"}},
      {"unprojectable", 35, {20, 0, 90, 40, 25, 15}, {30, 0.0001, 30, 10, -15, 50}, {"太陽"}}};
  const float radii[] = {100, 120, 50, 50, 50, 40};
  const std::string places[] = {"3500", "6950", "10200"};
  for (const ViewCase& view : kViews) {
    for (const auto& c : cases) {
      for (const bool names : {false, true}) {
        SCOPED_TRACE(::testing::Message() << c.what << ", " << view.name << ", " << names);
        ChartRig rig;
        SetUpSky(rig, view, c.altitudes, c.offsets);
        rig.observation.horizontal.SiteLat = c.latitude;
        rig.surface.BackColor = RGB(0, 0, 32);
        rig.chart.Options.Set(Option::kNames, names);
        rig.Draw(view);
        const std::string start = "cls 0 0 32\nline 0 9000 15500 9000 88 88 88\n";
        EXPECT_EQ(rig.surface.Text().substr(0, start.size()), start);
        const auto& ops = rig.surface.Operations();
        ASSERT_GE(ops.size(), 5u);
        for (std::size_t i = 0; i < 3; ++i) {
          EXPECT_EQ(FormatOperation(ops[ops.size() - 3 + i]),
                    "print " + places[i] + " 9100 " + DirectionWords(view)[i]);
        }
        std::vector<std::string> bodies;
        std::size_t labels = 0;
        for (std::size_t i = 2; i + 3 < ops.size(); ++i) {
          if (ops[i].kind == Kind::kCircle) continue;
          const Operation& disc = ops[i - 1];
          ++labels;
          ASSERT_TRUE(names && ops[i].kind == Kind::kPrint && disc.kind == Kind::kCircle) << i;
          EXPECT_FALSE(ops[i].text.empty());
          EXPECT_NEAR(ops[i].values[0], disc.values[0] + 80, 0.01) << ops[i].text;
          EXPECT_EQ(ops[i].values[1], disc.values[1]) << ops[i].text;
          const auto body = std::ranges::find(kBodyLabels, ops[i].text);
          if (body == kBodyLabels.end()) continue;
          bodies.push_back(*body);
          EXPECT_EQ(disc.values[2], radii[body - kBodyLabels.begin()]) << *body;
        }
        const auto discs = Drawn(rig, Kind::kCircle, kBodyColour);
        ASSERT_EQ(discs.size(), c.drawn.size());
        for (const Operation& disc : discs) EXPECT_TRUE(disc.filled && disc.fill == kBodyColour);
        // Stars only at night, Sirius (up at every site here) among them.
        const bool day = c.altitudes[0] > 0;
        std::vector<float> stars;
        for (const Operation& star : Drawn(rig, Kind::kCircle, kStarColour)) {
          ASSERT_TRUE(star.filled && star.fill == kStarColour);
          stars.push_back(star.values[2]);
        }
        EXPECT_EQ(stars.empty(), day);
        EXPECT_EQ(std::ranges::count(stars, kSiriusRadius), day ? 0 : 1);
        EXPECT_EQ(rig.surface.nonFiniteCount(), 0u);
        if (!names) continue;
        EXPECT_EQ(bodies, c.drawn);
        EXPECT_TRUE(labels <= c.drawn.size() + 20 && (labels > c.drawn.size()) == !day) << labels;
        // The Sun on the horizon line 10 degrees left: 112.5 twips per degree.
        if (c.altitudes[0] != 0) continue;
        EXPECT_EQ(discs[0].values[1], 9000.0f);
        EXPECT_NEAR(discs[0].values[0], 7000 - 112.5 * 10, 0.1);
      }
    }
  }
}

// Star discs have the published radii: 64.6 twips for Sirius (magnitude
// -1.46), the brightest chart star, and 10.1 for Gamma Tucanae (3.99), the
// faintest; every other disc lies between. Each is seen on the meridian.
TEST(ViewsTest, StarDiscsHaveThePublishedRadii) {
  const struct {
    const char* star;
    double sidereal_time, latitude;  // [hours], [degrees]
    float radius;                    // [twips]
  } cases[] = {{"Sirius", 6.755, 35, kSiriusRadius}, {"Gamma Tucanae", 23.294, -40, 10.1f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.star);
    ChartRig rig;
    SetUpSky(rig, kSouth, Up(-20));
    rig.observation.horizontal = {.SidTime = c.sidereal_time, .SiteLat = c.latitude};
    rig.chart.DrawSouth();
    const std::vector<Operation> stars = Drawn(rig, Kind::kCircle, kStarColour);
    ASSERT_GT(stars.size(), 100u);
    std::vector<const Operation*> with_radius;
    for (const Operation& star : stars) {
      EXPECT_TRUE(star.values[2] >= 10.1f && star.values[2] <= kSiriusRadius) << star.values[2];
      if (star.values[2] == c.radius) with_radius.push_back(&star);
    }
    // The one disc of that size stands on the centre line of the view.
    ASSERT_EQ(with_radius.size(), 1u);
    EXPECT_NEAR(with_radius[0]->values[0], 7000, 1);
  }
}

// The dotted lines, each under its own box; by day the ecliptic turns a warmer
// yellow and the equator keeps its red. At 35 N the equator culminates 55
// degrees up in the south.
TEST(ViewsTest, EquatorAndEclipticDots) {
  const Colour night = RGB(240, 255, 0);
  const Colour day = RGB(255, 242, 0);
  const Colour none{};
  const struct {
    double sun;
    Colour equator, ecliptic;
  } cases[] = {{-20, kEquator, none}, {-20, none, night}, {-20, kEquator, night},
               {20, kEquator, none},  {20, none, day},    {0, kEquator, day}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "sun " << c.sun << " case " << &c - cases);
    ChartRig rig;
    SetUpSky(rig, kSouth, Up(c.sun));
    rig.chart.Options.Set(Option::kEquator, c.equator != none);
    rig.chart.Options.Set(Option::kEcliptic, c.ecliptic != none);
    rig.chart.DrawSouth();
    for (const Operation& op : rig.surface.Operations()) {
      if (op.kind != Kind::kPSet) continue;  // dots only above the horizon, y = 9000
      EXPECT_TRUE((op.colour == c.equator || op.colour == c.ecliptic) && op.values[1] <= 9000);
    }
    for (const Colour colour : {c.equator, c.ecliptic}) {
      if (colour == none) continue;
      const auto dots = Drawn(rig, Kind::kPSet, colour);
      ASSERT_TRUE(dots.size() > 100 && dots.size() <= 361) << dots.size();
      if (colour != kEquator) continue;
      const auto top = std::ranges::min_element(dots, {}, [](auto& d) { return d.values[1]; });
      EXPECT_NEAR(top->values[1], 9000 - 80 * 55, 2);
      EXPECT_NEAR(top->values[0], 7000, 120);
    }
  }
}

// With every box ticked the grid follows the horizon line, and no NaN or
// infinity reaches the surface, for any view, site or hour.
TEST(ViewsTest, EveryOptionOnlyFiniteValues) {
  for (const ViewCase& view : kViews) {
    for (const double latitude : {90.0, 66.5, 35.0, 0.0, -45.0, -90.0}) {
      for (double sidereal = 0; sidereal < 24; sidereal += 1.5) {
        ChartRig rig;
        SetUpSky(rig, view, Up(-5));
        rig.observation.horizontal = {.SidTime = sidereal, .SiteLat = latitude};
        for (const OptionRow& option : kOptionRows) rig.chart.Options.Set(option.id);
        rig.Draw(view);
        const Operation& first = rig.surface.Operations()[2];
        ASSERT_TRUE(first.kind == Kind::kPSet && first.colour == RGB(186, 186, 186));
        ASSERT_EQ(rig.surface.nonFiniteCount(), 0u) << view.name << latitude << " " << sidereal;
      }
    }
  }
}

}  // namespace
}  // namespace chart
