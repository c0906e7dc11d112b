// The view projection: a Winkel tripel projection of the horizontal sphere.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tests/chart/chart_fixture.h"

namespace chart::testing {
namespace {

constexpr double kCentres[] = {0, 90, 180, 270};

// Azimuth c + offset brought into 0..360 as the horizontal conversion delivers it.
double AzimuthFrom(double centre, double offset) {
  double azimuth = centre + offset;
  if (azimuth < 0) azimuth += 360;
  if (azimuth >= 360) azimuth -= 360;
  return azimuth;
}

// Worked values of the south view, rounded to two decimals, with their window places.
TEST(ProjectionTest, SouthViewTable) {
  struct Row {
    double altitude, azimuth, chart_x, chart_y, window_x, window_y;
  };
  const Row rows[] = {
      {0, 180, 0.00, 0.00, 7000, 9000},     {0, 135, -33.75, 0.00, 1937.5, 9000},
      {0, 120, -45.00, 0.00, 250, 9000},    {30, 180, 0.00, 30.00, 7000, 6600},
      {45, 270, 57.14, 46.99, 15571, 5240}, {60, 200, 11.04, 60.10, 8655, 4192},
      {89, 0, -46.57, 89.49, 14, 1841},
  };
  for (const Row& row : rows) {
    std::ostringstream trace;
    trace << "alt " << row.altitude << " az " << row.azimuth;
    SCOPED_TRACE(trace.str());
    ChartRig rig;
    ASSERT_TRUE(rig.Project(180, row.altitude, row.azimuth));
    const SkyChart& chart = rig.chart;
    EXPECT_NEAR(chart.ChartX, row.chart_x, 0.005);
    EXPECT_NEAR(chart.ChartY, row.chart_y, 0.005);
    // The window places are quoted to the whole twip.
    EXPECT_NEAR(chart.CentreX + chart.ScaleX * chart.ChartX, row.window_x, 1.0);
    EXPECT_NEAR(chart.HorizonY - chart.ScaleY * chart.ChartY, row.window_y, 1.0);
  }
}

// Azimuths c + a and c - a mirror each other exactly in every view.
TEST(ProjectionTest, MirrorSymmetry) {
  ChartRig rig;
  for (const double centre : kCentres) {
    for (double altitude = 0; altitude <= 85; altitude += 5) {
      for (double offset = 0.25; offset < 180; offset += 0.25) {
        ASSERT_TRUE(rig.Project(centre, altitude, AzimuthFrom(centre, offset)));
        const double right_x = rig.chart.ChartX;
        const double right_y = rig.chart.ChartY;
        ASSERT_TRUE(rig.Project(centre, altitude, AzimuthFrom(centre, -offset)));
        if (rig.chart.ChartY != right_y || rig.chart.ChartX != -right_x) {
          ADD_FAILURE() << "centre " << centre << " alt " << altitude << " offset " << offset
                        << ": right (" << right_x << ", " << right_y << ") left ("
                        << rig.chart.ChartX << ", " << rig.chart.ChartY << ")";
        }
      }
    }
  }
}

// The horizon maps onto the line y = 0, three quarters of a degree of chart per
// degree of half-width.
TEST(ProjectionTest, HorizonIsStraight) {
  ChartRig rig;
  for (const double centre : kCentres) {
    for (double offset = -179.5; offset < 180; offset += 0.5) {
      if (std::fabs(offset) < 0.01) continue;
      SCOPED_TRACE(::testing::Message() << "centre " << centre << " offset " << offset);
      ASSERT_TRUE(rig.Project(centre, 0, AzimuthFrom(centre, offset)));
      const double w = std::fabs(offset) - 0.0001;
      EXPECT_EQ(rig.chart.ChartY, 0.0);
      EXPECT_NEAR(rig.chart.ChartX, std::copysign(0.75 * w, offset), 1e-6);
    }
  }
}

// Straight ahead the altitude is kept: the central vertical is undistorted.
TEST(ProjectionTest, CentreAzimuthKeepsAltitude) {
  ChartRig rig;
  for (const double centre : kCentres) {
    for (double altitude = 0; altitude <= 80; altitude += 0.5) {
      SCOPED_TRACE(::testing::Message() << "centre " << centre << " alt " << altitude);
      ASSERT_TRUE(rig.Project(centre, altitude, centre));
      EXPECT_NEAR(rig.chart.ChartY, altitude, 1e-6);
      EXPECT_NEAR(rig.chart.ChartX, 0.0, 1e-4);
    }
  }
}

TEST(ProjectionTest, NorthViewEitherSideOfNorth) {
  ChartRig rig;
  ASSERT_TRUE(rig.Project(0, 20, 10));
  EXPECT_NEAR(rig.chart.ChartX, 7.29, 0.005);
  EXPECT_NEAR(rig.chart.ChartY, 20.01, 0.005);
  ASSERT_TRUE(rig.Project(0, 20, 350));
  EXPECT_NEAR(rig.chart.ChartX, -7.29, 0.005);
  EXPECT_NEAR(rig.chart.ChartY, 20.01, 0.005);
}

// North is an ordinary place inside the east view: no jump between 359 and 1.
TEST(ProjectionTest, EastViewAcrossNorth) {
  ChartRig rig;
  ASSERT_TRUE(rig.Project(90, 80, 359));
  EXPECT_NEAR(rig.chart.ChartX, -33.11, 0.005);
  EXPECT_NEAR(rig.chart.ChartY, 81.18, 0.005);
  ASSERT_TRUE(rig.Project(90, 80, 1));
  EXPECT_NEAR(rig.chart.ChartX, -32.42, 0.005);
  EXPECT_NEAR(rig.chart.ChartY, 81.13, 0.005);
}

// Straight behind the observer: -180 goes to the left edge, +180 to the right.
TEST(ProjectionTest, BehindTheObserver) {
  ChartRig rig;
  ASSERT_TRUE(rig.Project(180, 10, 0));  // difference -180
  EXPECT_LT(rig.chart.ChartX, -100);
  const double left_y = rig.chart.ChartY;
  ASSERT_TRUE(rig.Project(90, 10, 270));  // difference +180
  EXPECT_GT(rig.chart.ChartX, 100);
  EXPECT_EQ(rig.chart.ChartY, left_y);
}

TEST(ProjectionTest, FourViewsDifferOnlyInCentre) {
  ChartRig rig;
  for (const double altitude : {0.0, 12.5, 44.0, 71.25}) {
    ASSERT_TRUE(rig.Project(180, altitude, 200));
    const double x = rig.chart.ChartX;
    const double y = rig.chart.ChartY;
    rig.observation.horizontal.ObjAz = 20;
    ASSERT_TRUE(rig.chart.PlotNorth());
    EXPECT_EQ(rig.chart.ChartX, x);
    EXPECT_EQ(rig.chart.ChartY, y);
    rig.observation.horizontal.ObjAz = 110;
    ASSERT_TRUE(rig.chart.PlotEast());
    EXPECT_EQ(rig.chart.ChartX, x);
    rig.observation.horizontal.ObjAz = 290;
    ASSERT_TRUE(rig.chart.PlotWest());
    EXPECT_EQ(rig.chart.ChartX, x);
    rig.observation.horizontal.ObjAz = 200;
    ASSERT_TRUE(rig.chart.PlotSouth());
    EXPECT_EQ(rig.chart.ChartX, x);
  }
}

// Where the projection has no result it says so and leaves its outputs alone.
TEST(ProjectionTest, StopsLeaveOutputsUnchanged) {
  struct Case {
    const char* what;
    double centre, altitude, azimuth;
  };
  const Case cases[] = {
      {"zenith in the south view", 180, 90, 180},
      {"zenith seen from the side", 0, 90, 123.5},
      {"zenith behind", 270, 90, 90},
      {"horizon at the centre guard", 180, 0, 180.0001},
      {"horizon at the centre guard, left", 90, 0, 89.9999},
      {"azimuth not a number", 180, 30, std::nan("")},
      {"altitude not a number", 180, std::nan(""), 200},
      {"infinite azimuth", 0, 10, HUGE_VAL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChartRig rig;
    rig.chart.ChartX = 123.25;
    rig.chart.ChartY = -77.5;
    EXPECT_FALSE(rig.Project(c.centre, c.altitude, c.azimuth));
    EXPECT_EQ(rig.chart.ChartX, 123.25);
    EXPECT_EQ(rig.chart.ChartY, -77.5);
  }
}

// Close to the zenith the projection either gives a finite place near the top
// of the chart or gives up without touching its outputs.
TEST(ProjectionTest, NearZenithFiniteOrUnchanged) {
  ChartRig rig;
  for (double altitude = 88; altitude <= 90; altitude += 0.001) {
    for (const double offset : {0.0, 0.0001, 0.001, 1.0, 45.0, 90.0, 179.0, 180.0}) {
      rig.chart.ChartX = 500;
      rig.chart.ChartY = 500;
      if (rig.Project(180, altitude, AzimuthFrom(180, offset))) {
        ASSERT_TRUE(std::isfinite(rig.chart.ChartX) && std::isfinite(rig.chart.ChartY))
            << altitude << " " << offset;
        ASSERT_NEAR(rig.chart.ChartY, 89.5, 1.6) << altitude << " " << offset;
      } else {
        ASSERT_EQ(rig.chart.ChartX, 500) << altitude << " " << offset;
        ASSERT_EQ(rig.chart.ChartY, 500) << altitude << " " << offset;
      }
    }
  }
}

// The projection reads only ObjAlt/ObjAz and writes only ChartX/ChartY.
TEST(ProjectionTest, LeavesItsInputsAlone) {
  ChartRig rig;
  ASSERT_TRUE(rig.Project(270, 33.5, 301.25));
  EXPECT_EQ(rig.observation.horizontal.ObjAlt, 33.5);
  EXPECT_EQ(rig.observation.horizontal.ObjAz, 301.25);
}

}  // namespace
}  // namespace chart::testing
