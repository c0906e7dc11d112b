#include "platform/display_list.h"

#include <gtest/gtest.h>

#include "chart/recording_surface.h"

namespace platform {
namespace {

// The same drawing, with the state changes the chart makes between operations.
void DrawSample(chart::Surface& surface) {
  surface.Cls();
  surface.Line(0, 9000, 15500, 9000, chart::RGB(88, 88, 88));
  surface.FillStyle = 0;
  surface.PSet(100.5F, 200.25F, chart::RGB(240, 48, 48));
  surface.FillColor = chart::RGB(224, 80, 16);
  surface.Circle(7000, 4000, 100, chart::RGB(224, 80, 16));
  surface.CurrentX = 7080;
  surface.CurrentY = 4000;
  surface.Print("太陽");
  surface.FillColor = chart::RGB(240, 208, 0);
  surface.FillStyle = 1;
  surface.Circle(1, 2, 10, chart::RGB(240, 208, 0));
  surface.CurrentX = 3500;
  surface.CurrentY = 9100;
  surface.Print("南東");
}

TEST(DisplayList, ReplayDrawsExactlyWhatWasRecorded) {
  chart::RecordingSurface direct;
  direct.BackColor = chart::RGB(32, 96, 192);
  DrawSample(direct);

  DisplayList list;
  DrawSample(list);
  chart::RecordingSurface replayed;
  replayed.BackColor = chart::RGB(32, 96, 192);
  list.Replay(replayed);
  EXPECT_EQ(replayed.Text(), direct.Text());
}

TEST(DisplayList, ClsForgetsTheEarlierDrawing) {
  DisplayList list;
  DrawSample(list);
  ASSERT_EQ(list.Ops().size(), 6u);
  list.Cls();
  EXPECT_TRUE(list.Ops().empty());
  chart::RecordingSurface replayed;
  list.Replay(replayed);
  EXPECT_EQ(replayed.Text(), "cls 0 0 0");
}

TEST(DisplayList, ReplayingTwiceGivesTheSamePicture) {
  DisplayList list;
  DrawSample(list);
  chart::RecordingSurface first, second;
  list.Replay(first);
  list.Replay(second);
  EXPECT_EQ(first.Text(), second.Text());
}

}  // namespace
}  // namespace platform
