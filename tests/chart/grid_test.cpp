// The dotted altitude/azimuth grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/chart/chart_fixture.h"

namespace chart::testing {
namespace {

constexpr Colour kNightDots = RGB(186, 186, 186);
constexpr Colour kDayDots = RGB(77, 77, 77);

using Operation = RecordingSurface::Operation;

std::vector<Operation> GridDots(double sun_altitude) {
  ChartRig rig;
  rig.observation.BodyAlt[astro::kSun] = sun_altitude;
  rig.chart.DrawGrid();
  return rig.surface.Operations();
}

// Dots within `tolerance` twips of (x, y).
int DotsNear(const std::vector<Operation>& dots, double x, double y, double tolerance) {
  return static_cast<int>(std::count_if(dots.begin(), dots.end(), [&](const Operation& dot) {
    return std::fabs(dot.values[0] - x) <= tolerance && std::fabs(dot.values[1] - y) <= tolerance;
  }));
}

TEST(GridTest, OnlyDots) {
  for (const Operation& dot : GridDots(-10)) {
    ASSERT_EQ(dot.kind, RecordingSurface::Kind::kPSet);
  }
}

// Sample dots of both passes at their window places.
TEST(GridTest, SampleDots) {
  // Where a circle meets an azimuth line both passes put a dot at the place.
  struct Sample {
    const char* what;
    double x, y;
    int dots;
  };
  const Sample samples[] = {
      {"azimuth line a=0 at t=1", 7000, 8920, 1},
      {"azimuth line a=15 at t=45", 8446, 5396, 1},
      {"azimuth line a=-15 at t=45", 5554, 5396, 1},
      {"altitude circle t=10 at a=0", 7000, 8200, 2},
      {"altitude circle t=10 at a=45", 12027, 8190, 2},
  };
  const std::vector<Operation> dots = GridDots(-10);
  for (const Sample& sample : samples) {
    SCOPED_TRACE(sample.what);
    EXPECT_EQ(DotsNear(dots, sample.x, sample.y, 1.0), sample.dots);
  }
}

// The first dot of the grid is the foot of the line straight behind on the left
// (a = -180), one degree above the horizon (raised a little by the bend of the
// chart's edge): the horizon itself gets no dot.
TEST(GridTest, FirstDotIsOneDegreeUp) {
  const std::vector<Operation> dots = GridDots(-10);
  ASSERT_FALSE(dots.empty());
  EXPECT_LT(dots.front().values[0], 7000 - 150 * 100);
  EXPECT_GT(dots.front().values[1], 8850);
  EXPECT_LT(dots.front().values[1], 8950);
}

TEST(GridTest, NoDotOnTheHorizonOrAtTheZenith) {
  for (const Operation& dot : GridDots(-10)) {
    // The lowest grid dots are one degree up (80 twips above y = 9000).
    ASSERT_LT(dot.values[1], 8950.0f) << dot.values[0];
    // The zenith maps onto the line y = 1800; the highest dots are a degree lower.
    ASSERT_GT(dot.values[1], 1820.0f) << dot.values[0];
  }
}

TEST(GridTest, DayAndNightDifferOnlyInColour) {
  const std::vector<Operation> night = GridDots(-0.5);
  const std::vector<Operation> day = GridDots(0);
  ASSERT_EQ(night.size(), day.size());
  for (std::size_t i = 0; i < night.size(); ++i) {
    ASSERT_EQ(night[i].values, day[i].values) << i;
    ASSERT_EQ(night[i].colour, kNightDots) << i;
    ASSERT_EQ(day[i].colour, kDayDots) << i;
  }
}

// Mirror image about the centre line, dot for dot.
TEST(GridTest, SymmetricAboutTheCentreLine) {
  const std::vector<Operation> dots = GridDots(-10);
  int unmatched = 0;
  for (const Operation& dot : dots) {
    if (DotsNear(dots, 14000 - dot.values[0], dot.values[1], 0.01) == 0) ++unmatched;
  }
  EXPECT_EQ(unmatched, 0);
}

// 25 azimuth lines of 91 points, less the horizon and the zenith points
// (2275 - 50), and eight altitude circles of 361 points (the 90 degree circle
// is the zenith). Only dots on the centre line near the zenith may be missing.
TEST(GridTest, DotCount) {
  const std::vector<Operation> dots = GridDots(-10);
  const std::size_t full = 2225 + 8 * 361;
  EXPECT_LE(dots.size(), full);
  EXPECT_GE(dots.size(), full - 20);
  int off_centre_line = 0;
  for (const Operation& dot : dots) {
    if (std::fabs(dot.values[0] - 7000) > 1) ++off_centre_line;
  }
  // Every dot away from the centre line exists: 24 lines of 89 and 8 circles of 360.
  EXPECT_EQ(off_centre_line, 24 * 89 + 8 * 360);
}

// The grid keeps to itself: the shared projection variables are untouched.
TEST(GridTest, LeavesWorkingVariablesAlone) {
  ChartRig rig;
  rig.observation.horizontal.ObjAlt = 12.5;
  rig.observation.horizontal.ObjAz = 210.25;
  rig.chart.ChartX = -3.5;
  rig.chart.ChartY = 4.75;
  rig.chart.DrawGrid();
  EXPECT_EQ(rig.observation.horizontal.ObjAlt, 12.5);
  EXPECT_EQ(rig.observation.horizontal.ObjAz, 210.25);
  EXPECT_EQ(rig.chart.ChartX, -3.5);
  EXPECT_EQ(rig.chart.ChartY, 4.75);
}

// The same pattern for any site and time: the grid reads only the Sun's altitude.
TEST(GridTest, IndependentOfSiteAndTime) {
  ChartRig a;
  a.observation.BodyAlt[astro::kSun] = -5;
  a.chart.DrawGrid();
  ChartRig b;
  b.observation.BodyAlt[astro::kSun] = -40;
  b.observation.horizontal.SiteLat = -33.9;
  b.observation.horizontal.SiteLon = 151.2;
  b.observation.horizontal.SidTime = 17.25;
  b.chart.DrawGrid();
  EXPECT_EQ(a.surface.Text(), b.surface.Text());
}

}  // namespace
}  // namespace chart::testing
