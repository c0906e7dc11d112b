// The recording surface and its one-line-per-operation text form.
#include "chart/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chart {
namespace {

TEST(RecordingSurfaceTest, TextFormOfEveryOperation) {
  RecordingSurface surface;
  surface.BackColor = RGB(0, 0, 64);
  surface.Cls();
  surface.Line(0, 9000, 15500, 9000, RGB(88, 88, 88));
  surface.PSet(7000.25f, 8920.5f, RGB(186, 186, 186));
  surface.FillStyle = 0;
  surface.FillColor = RGB(224, 80, 16);
  surface.Circle(7000, 9000, 100, RGB(224, 80, 16));
  surface.FillStyle = 1;
  surface.Circle(10, 20, 64.6f, RGB(1, 2, 3));
  surface.CurrentX = 7080;
  surface.CurrentY = 9000;
  surface.Print("太陽");
  EXPECT_EQ(surface.Text(),
            "cls 0 0 64\n"
            "line 0 9000 15500 9000 88 88 88\n"
            "pset 7000.25 8920.5 186 186 186\n"
            "circle 7000 9000 100 224 80 16 224 80 16\n"
            "circle 10 20 64.6 1 2 3\n"
            "print 7080 9000 太陽");
}

// Numbers are the shortest text that reads back as the same single-precision value.
TEST(RecordingSurfaceTest, ShortestRoundTripNumbers) {
  const struct {
    float value;
    const char* text;
  } cases[] = {{0.1f, "0.1"},    {-33.75f, "-33.75"},        {1937.5f, "1937.5"},
               {1e-7f, "1e-07"}, {15571.4287f, "15571.429"}, {-0.0f, "-0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingSurface surface;
    surface.PSet(c.value, 1, RGB(0, 0, 0));
    EXPECT_EQ(surface.Text(), std::string("pset ") + c.text + " 1 0 0 0");
  }
}

TEST(RecordingSurfaceTest, StructuredRecords) {
  RecordingSurface surface;
  surface.FillStyle = 0;
  surface.FillColor = RGB(240, 208, 0);
  surface.Circle(1.5f, 2.5f, 10.1f, RGB(240, 208, 0));
  surface.CurrentX = 3500;
  surface.CurrentY = 9100;
  surface.Print("南東");
  ASSERT_EQ(surface.Operations().size(), 2u);
  const auto& circle = surface.Operations()[0];
  EXPECT_EQ(circle.kind, RecordingSurface::Kind::kCircle);
  EXPECT_EQ(circle.values[0], 1.5f);
  EXPECT_EQ(circle.values[1], 2.5f);
  EXPECT_EQ(circle.values[2], 10.1f);
  EXPECT_TRUE(circle.filled);
  EXPECT_EQ(circle.fill, RGB(240, 208, 0));
  const auto& print = surface.Operations()[1];
  EXPECT_EQ(print.kind, RecordingSurface::Kind::kPrint);
  EXPECT_EQ(print.values[0], 3500.0f);
  EXPECT_EQ(print.values[1], 9100.0f);
  EXPECT_EQ(print.text, "南東");
}

TEST(RecordingSurfaceTest, CountsNonFiniteCoordinates) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  RecordingSurface surface;
  surface.PSet(1, 2, RGB(0, 0, 0));
  EXPECT_EQ(surface.nonFiniteCount(), 0u);
  surface.PSet(nan, 2, RGB(0, 0, 0));
  surface.Line(0, -inf, inf, 0, RGB(0, 0, 0));
  surface.Circle(0, 0, nan, RGB(0, 0, 0));
  surface.CurrentX = inf;
  surface.Print("x");
  EXPECT_EQ(surface.nonFiniteCount(), 5u);
  surface.Clear();
  EXPECT_EQ(surface.nonFiniteCount(), 0u);
  EXPECT_TRUE(surface.Operations().empty());
  EXPECT_EQ(surface.Text(), "");
}

}  // namespace
}  // namespace chart
