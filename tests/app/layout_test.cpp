#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/form.h"
#include "fakes.h"

namespace app {
namespace {

const std::string kGothic = "ＭＳ Ｐゴシック";

class LayoutTest : public ::testing::Test {
 protected:
  testing::FakeServices fakes;
  Form1 form{fakes.services()};
};

struct Placement {
  std::string name;
  const Control* control;
  Bounds bounds;
  double points;  // 0: the window's default font
};

void ExpectPlacement(const Placement& p) {
  SCOPED_TRACE(p.name);
  EXPECT_EQ(p.control->bounds.left, p.bounds.left);
  EXPECT_EQ(p.control->bounds.top, p.bounds.top);
  EXPECT_EQ(p.control->bounds.width, p.bounds.width);
  EXPECT_EQ(p.control->bounds.height, p.bounds.height);
  EXPECT_EQ(p.control->font.points, p.points);
  EXPECT_EQ(p.control->font.face, p.points == 0 ? "" : kGothic);
  EXPECT_FALSE(p.control->font.bold);
}

TEST_F(LayoutTest, PlacesEveryInputControl) {
  const std::vector<Placement> placements = {
      {"lstCITY", &form.lstCITY, {120, 120, 975, 1230}, 12},
      {"txtYMD(0)", &form.txtYMD[0], {1320, 120, 615, 375}, 14.25},
      {"Label2", &form.Label2, {1920, 120, 495, 375}, 14.25},
      {"txtYMD(1)", &form.txtYMD[1], {2280, 120, 375, 375}, 14.25},
      {"Label3", &form.Label3, {2640, 120, 495, 375}, 14.25},
      {"txtYMD(2)", &form.txtYMD[2], {3000, 120, 375, 375}, 14.25},
      {"Label4", &form.Label4, {3360, 120, 495, 375}, 14.25},
      {"txtYMD(3)", &form.txtYMD[3], {3840, 120, 375, 375}, 14.25},
      {"Label5", &form.Label5, {4200, 120, 495, 375}, 14.25},
      {"txtYMD(4)", &form.txtYMD[4], {4680, 120, 375, 375}, 14.25},
      {"Label6", &form.Label6, {5040, 120, 495, 375}, 14.25},
      {"Label10", &form.Label10, {1680, 600, 2895, 255}, 12},
      {"Label1", &form.Label1, {1440, 1020, 615, 255}, 12},
      {"txtIDO", &form.txtIDO, {2040, 960, 855, 375}, 15.75},
      {"Label7", &form.Label7, {3360, 1020, 615, 255}, 12},
      {"txtKEIDO", &form.txtKEIDO, {3960, 960, 975, 375}, 15.75},
      {"Label8", &form.Label8, {6240, 240, 975, 255}, 12},
      {"lstINTV1", &form.lstINTV1, {6360, 480, 615, 510}, 12},
      {"Label9", &form.Label9, {7440, 240, 1455, 255}, 12},
      {"lstINTV2", &form.lstINTV2, {7560, 480, 615, 510}, 12},
      {"optDIR(0)", &form.optDIR[0], {9480, 0, 495, 375}, 12},
      {"optDIR(1)", &form.optDIR[1], {10200, 480, 495, 375}, 12},
      {"optDIR(2)", &form.optDIR[2], {9480, 960, 495, 375}, 12},
      {"optDIR(3)", &form.optDIR[3], {8640, 480, 495, 375}, 12},
      {"Command3", &form.Command3, {9240, 360, 855, 495}, 0},
      {"chkOP(0)", &form.chkOP[0], {11040, 240, 855, 255}, 12},
      {"chkOP(1)", &form.chkOP[1], {11040, 600, 975, 255}, 12},
      {"chkOP(2)", &form.chkOP[2], {12120, 240, 1695, 255}, 12},
      {"chkOP(3)", &form.chkOP[3], {12120, 600, 1935, 255}, 12},
      {"Command2", &form.Command2, {13920, 240, 615, 375}, 0},
      {"Command1", &form.Command1, {14520, 840, 615, 375}, 0},
  };
  for (const auto& placement : placements) ExpectPlacement(placement);
}

TEST_F(LayoutTest, ShowsTheCaptionsAndListItems) {
  EXPECT_EQ(form.Caption, "プラネタリウム");
  const std::vector<std::pair<std::string, std::string>> captions = {
      {form.Label1.Caption, "緯度"},
      {form.Label2.Caption, "年"},
      {form.Label3.Caption, "月"},
      {form.Label4.Caption, "日"},
      {form.Label5.Caption, "時"},
      {form.Label6.Caption, "分"},
      {form.Label7.Caption, "経度"},
      {form.Label8.Caption, "間隔（分)"},
      {form.Label9.Caption, "表示間隔（秒）"},
      {form.optDIR[0].Caption, "北"},
      {form.optDIR[1].Caption, "東"},
      {form.optDIR[2].Caption, "南"},
      {form.optDIR[3].Caption, "西"},
      {form.chkOP[0].Caption, "赤道"},
      {form.chkOP[1].Caption, "黄道"},
      {form.chkOP[2].Caption, "高度・方位線"},
      {form.chkOP[3].Caption, "星の名前"},
      {form.Command1.Caption, "終了"},
      {form.Command2.Caption, "数値"},
      {form.Command3.Caption, "プラネタリウム"},
  };
  for (const auto& [caption, expected] : captions) EXPECT_EQ(caption, expected);
  EXPECT_EQ(form.lstINTV1.items,
            (std::vector<std::string>{" 2", " 5", "10", "15", "30", "60", "90", "120"}));
  EXPECT_EQ(form.lstINTV2.items,
            (std::vector<std::string>{" 0", " 1", " 3", " 6", "10", "20", "30", "60"}));
}

TEST_F(LayoutTest, StartsSouthWithNoOptionTickedAndTheTimerStopped) {
  EXPECT_FALSE(form.optDIR[0].Value);
  EXPECT_FALSE(form.optDIR[1].Value);
  EXPECT_TRUE(form.optDIR[2].Value);
  EXPECT_FALSE(form.optDIR[3].Value);
  for (const auto& box : form.chkOP) EXPECT_EQ(box.Value, 0);
  EXPECT_EQ(form.Timer1.Interval, 0);
}

TEST_F(LayoutTest, ButtonsKeepTheToolkitLook) {
  for (const CommandButton* button : {&form.Command1, &form.Command2, &form.Command3}) {
    SCOPED_TRACE(button->Caption);
    EXPECT_TRUE(button->usesToolkitColours);
    EXPECT_TRUE(button->font.face.empty());
  }
}

// Two blocks of rows 480 twips apart from y = 2280: rows 0..14 left, 15..26 right.
TEST_F(LayoutTest, PlacesTheReadoutRowsInTwoBlocks) {
  struct Row {
    int index, name_x, altitude_x, azimuth_x, y;
  };
  const Row rows[] = {{0, 720, 2640, 3720, 2280},   {1, 720, 2640, 3720, 2760},
                      {14, 720, 2640, 3720, 9000},  {15, 5760, 7560, 8640, 2280},
                      {16, 5760, 7560, 8640, 2760}, {26, 5760, 7560, 8640, 7560}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    const auto i = static_cast<std::size_t>(row.index);
    for (const auto& [label, x, width] : {std::tuple{&form.lblST[i], row.name_x, 1575},
                                          std::tuple{&form.lblH[i], row.altitude_x, 855},
                                          std::tuple{&form.lblV[i], row.azimuth_x, 855}}) {
      EXPECT_EQ(label->bounds.left, x);
      EXPECT_EQ(label->bounds.top, row.y);
      EXPECT_EQ(label->bounds.width, width);
      EXPECT_EQ(label->bounds.height, 375);
      EXPECT_EQ(label->font.face, kGothic);
      EXPECT_EQ(label->font.points, 12);
      EXPECT_TRUE(label->font.bold);
      EXPECT_TRUE(label->Caption.empty());
    }
  }
}

TEST_F(LayoutTest, FocusMovesInTheKeyboardOrder) {
  const std::vector<const Control*> expected = {
      &form.txtYMD[0], &form.txtYMD[1], &form.txtYMD[2], &form.txtYMD[3], &form.txtYMD[4],
      &form.lstCITY,   &form.Command1,  &form.Command2,  &form.txtIDO,    &form.txtKEIDO,
      &form.optDIR[0], &form.optDIR[1], &form.optDIR[2], &form.optDIR[3], &form.Command3,
      &form.lstINTV1,  &form.lstINTV2,  &form.chkOP[0],  &form.chkOP[1],  &form.chkOP[2],
      &form.chkOP[3]};
  std::vector<const Control*> focusable = {
      &form.lstCITY,  &form.txtIDO,   &form.txtKEIDO, &form.lstINTV1, &form.lstINTV2,
      &form.Command1, &form.Command2, &form.Command3, &form.Label1,   &form.Label10};
  for (const auto& c : form.txtYMD) focusable.push_back(&c);
  for (const auto& c : form.optDIR) focusable.push_back(&c);
  for (const auto& c : form.chkOP) focusable.push_back(&c);
  for (const auto& c : form.lblST) focusable.push_back(&c);
  std::erase_if(focusable, [](const Control* c) { return c->TabIndex < 0; });
  std::sort(focusable.begin(), focusable.end(),
            [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
  EXPECT_EQ(focusable, expected);
}

}  // namespace
}  // namespace app
