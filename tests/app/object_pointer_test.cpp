// "What is that?" by pointing: a click beside a star's disc names it with the
// readout's altitude and azimuth; the keys step left to right, round the ends.

#include "app/object_pointer.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace app {
namespace {

TEST(ObjectPointer, AClickBesideAStarsDiscNamesItWithTheReadoutsAltitudeAndAzimuth) {
  const struct {
    testing::Texts boxes;
    int direction;            // as chart::kDirectionRows
    std::size_t readout_row;  // bodies 1..6, then the bright stars
    const char* label;        // printed beside its disc
    const char* name;
  } cases[] = {{{"2026", "1", "15", "21", "0"}, 2, 13, "ｼﾘｳｽ", "シリウス"},
               {{"2026", "1", "15", "21", "0"}, 1, 17, "ﾚｸﾞﾙｽ", "レグルス"},
               {{"2005", "10", "22", "21", "0"}, 0, 26, "北極星", "北極星"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeWindow window;
    Form1& form = window.form;
    form.Form_Load();
    window.SetBoxes(c.boxes);
    form.Command2_Click();
    ASSERT_EQ(form.ReadoutName[c.readout_row], c.label);
    for (int d = 0; d < 4; ++d) form.optDIR[static_cast<std::size_t>(d)].Value = d == c.direction;
    form.chkOP[3].Value = 1;  // star names: the disc drawn before a name is that star's
    form.Command3_Click();
    const chart::RecordingSurface::Operation* disc = nullptr;
    for (const auto& op : window.surface.Operations()) {
      if (op.kind == chart::RecordingSurface::Kind::kCircle) disc = &op;
      if (op.kind == chart::RecordingSurface::Kind::kPrint && op.text == c.label) break;
    }
    ASSERT_NE(disc, nullptr);
    ObjectPointer pointer;
    const auto pointed = pointer.At(form, disc->values[0] + 90, disc->values[1] - 60);
    ASSERT_TRUE(pointed);
    EXPECT_EQ(pointed->info.name, c.name);
    EXPECT_EQ(pointed->info.altitude, form.ReadoutAlt[c.readout_row]);
    EXPECT_EQ(pointed->info.azimuth, form.ReadoutAz[c.readout_row]);
    EXPECT_EQ(static_cast<float>(pointed->x), disc->values[0]);  // the disc, not the click
  }
}

TEST(ObjectPointer, KeysStepLeftToRightRoundTheEndsAndOnFromAClick) {
  testing::FakeWindow window;
  window.form.Form_Load();
  window.form.Command3_Click();
  const std::vector<PointedObject> objects = ObjectsOnChart(window.form);
  ASSERT_GT(objects.size(), 20u);
  ObjectPointer pointer;
  const auto step = [&](ObjectStep s) { return pointer.Step(window.form, s)->info.id; };
  EXPECT_EQ(step(ObjectStep::kPrevious), objects.back().info.id);  // from none: round to the last
  for (std::size_t i = 0; i <= objects.size(); ++i) {
    ASSERT_EQ(step(ObjectStep::kNext), objects[i % objects.size()].info.id) << "step " << i;
  }
  EXPECT_EQ(step(ObjectStep::kPrevious), objects.back().info.id);  // round from the first
  EXPECT_EQ(step(ObjectStep::kLast), objects.back().info.id);
  EXPECT_EQ(step(ObjectStep::kFirst), objects.front().info.id);
  ASSERT_FALSE(pointer.At(window.form, 7800, 30));  // empty sky: the keys go on from there
  std::size_t right = 0;
  while (objects[right].x <= 7800) ++right;
  EXPECT_EQ(step(ObjectStep::kNext), objects[right].info.id);
}

}  // namespace
}  // namespace app
