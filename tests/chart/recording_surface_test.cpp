// The recording surface: its text form, its count of places that are not
// numbers, what each way of keeping holds, and the replay of the picture.
#include "chart/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace chart {
namespace {

using Keep = RecordingSurface::Keep;

constexpr Colour kSky = RGB(32, 96, 192);
constexpr Colour kStar = RGB(240, 208, 0);

// Numbers are the shortest text that reads back as the same single-precision
// value; coordinates that are not finite are counted.
TEST(RecordingSurfaceTest, TextFormAndNonFiniteCount) {
  RecordingSurface surface;
  surface.Line(0.1f, -33.75f, 1937.5f, 1e-7f, RGB(88, 88, 88));
  surface.PSet(15571.4287f, -0.0f, RGB(186, 186, 186));
  surface.FillStyle = 0;
  surface.FillColor = RGB(224, 80, 16);
  surface.Circle(7000, 9000, 100, RGB(224, 80, 16));
  surface.FillStyle = 1;
  surface.Circle(10, 20, 64.6f, RGB(1, 2, 3));
  surface.Print("太陽");  // at (CurrentX, CurrentY), here (0, 0)
  EXPECT_EQ(surface.Text(),
            "line 0.1 -33.75 1937.5 1e-07 88 88 88\npset 15571.429 -0 186 186 186\n"
            "circle 7000 9000 100 224 80 16 224 80 16\ncircle 10 20 64.6 1 2 3\nprint 0 0 太陽");
  EXPECT_EQ(surface.nonFiniteCount(), 0u);
  surface.Line(0, -HUGE_VALF, HUGE_VALF, 0, {});
  surface.Circle(0, 0, std::nanf(""), {});
  surface.CurrentX = HUGE_VALF;
  surface.Print("x");
  EXPECT_EQ(surface.nonFiniteCount(), 4u);
  EXPECT_EQ(surface.ReceivedCount(), 8u);
  surface.Clear();
  EXPECT_TRUE(surface.nonFiniteCount() == 0 && surface.ReceivedCount() == 0 &&
              surface.Text().empty());
}

// Two views one after the other, as an animation draws them.
void DrawTwoFrames(Surface& s) {
  s.BackColor = kSky;
  s.Cls();
  s.Line(0, 9000, 15500, 9000, kStar);
  s.BackColor = RGB(0, 144, 255);
  s.Cls();
  s.PSet(100.5F, 200.25F, kStar);
  s.FillStyle = 0;
  s.FillColor = kStar;
  s.Circle(7000, 4000, 100, kStar);
  s.CurrentX = 7080;
  s.CurrentY = 4000;
  s.Print("太陽");
  s.FillStyle = 1;
  s.Circle(1, 2, 10, kStar);
}
constexpr const char* kSecondFrame =
    "pset 100.5 200.25 240 208 0\ncircle 7000 4000 100 240 208 0 240 208 0\n"
    "print 7080 4000 太陽\ncircle 1 2 10 240 208 0";

TEST(RecordingSurfaceTest, EachWayOfKeepingHoldsItsShareOfTheOperations) {
  RecordingSurface log, picture(Keep::kSinceLastCls);
  DrawTwoFrames(log);
  DrawTwoFrames(picture);
  EXPECT_EQ(log.Text(), std::string("cls 32 96 192\nline 0 9000 15500 9000 240 208 0\n") +
                            "cls 0 144 255\n" + kSecondFrame);
  EXPECT_EQ(picture.Text(), std::string("cls 0 144 255\n") + kSecondFrame);
  EXPECT_EQ(log.ReceivedCount(), 7u);
  EXPECT_EQ(picture.ReceivedCount(), 7u);
}

// The replay clears to the target's own background and draws the picture left
// by the last Cls, fill and text places included, whichever way it was kept.
TEST(RecordingSurfaceTest, ReplayDrawsThePictureSinceTheLastCls) {
  for (const Keep keep : {Keep::kEverything, Keep::kSinceLastCls}) {
    SCOPED_TRACE(keep == Keep::kEverything ? "everything" : "since the last Cls");
    RecordingSurface recorded(keep);
    DrawTwoFrames(recorded);
    RecordingSurface target;
    target.BackColor = RGB(1, 2, 3);
    recorded.Replay(target);
    EXPECT_EQ(target.Text(), std::string("cls 1 2 3\n") + kSecondFrame);
    recorded.Cls();
    RecordingSurface blank;
    recorded.Replay(blank);
    EXPECT_EQ(blank.Text(), "cls 0 0 0");
  }
  RecordingSurface never_cleared, target;
  never_cleared.PSet(1, 2, kStar);
  never_cleared.Replay(target);
  EXPECT_EQ(target.Text(), "cls 0 0 0\npset 1 2 240 208 0");
}

}  // namespace
}  // namespace chart
