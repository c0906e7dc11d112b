// "What is that?" by pointing: a click on a star's disc names it with the
// readout's altitude and azimuth; the keys step through the chart's objects
// left to right, round at either end, and the animation keeps the pointed one.

#include "app/object_pointer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/form.h"
#include "fakes.h"
#include "text/number_text.h"

namespace app {
namespace {

struct Sky {
  testing::Texts boxes;
  int direction;  // as chart::kDirectionRows
};

void Draw(testing::FakeWindow& window, const Sky& sky) {
  Form1& form = window.form;
  form.Form_Load();
  testing::Select(form.lstCITY, "東京");
  window.SetBoxes(sky.boxes);
  for (int d = 0; d < 4; ++d) form.optDIR[static_cast<std::size_t>(d)].Value = d == sky.direction;
  form.chkOP[3].Value = 1;  // star names: the disc drawn before a name is that star's
  form.Command3_Click();
}

// Returned: the centre of the disc drawn just before the label [twips].
std::vector<float> DiscBefore(const chart::RecordingSurface& surface, const std::string& label) {
  const chart::RecordingSurface::Operation* disc = nullptr;
  for (const auto& op : surface.Operations()) {
    if (op.kind == chart::RecordingSurface::Kind::kCircle) disc = &op;
    if (op.kind == chart::RecordingSurface::Kind::kPrint && op.text == label && disc) {
      return {disc->values[0], disc->values[1]};
    }
  }
  return {};
}

TEST(ObjectPointer, AClickOnAStarsDiscNamesItWithTheReadoutsAltitudeAndAzimuth) {
  struct Case {
    Sky sky;
    std::size_t readout_row;  // of the star in the readout (bodies 1..6, then the bright stars)
    const char* label;        // printed beside its disc
    const char* name;         // its name in full
  };
  const Case cases[] = {{{{"2026", "1", "15", "21", "0"}, 2}, 13, "ｼﾘｳｽ", "シリウス"},
                        {{{"2026", "1", "15", "21", "0"}, 1}, 17, "ﾚｸﾞﾙｽ", "レグルス"},
                        {{{"2005", "10", "22", "21", "0"}, 0}, 26, "北極星", "北極星"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeWindow window;
    window.form.Form_Load();
    testing::Select(window.form.lstCITY, "東京");
    window.SetBoxes(c.sky.boxes);
    window.form.Command2_Click();
    ASSERT_EQ(window.form.ReadoutName[c.readout_row], c.label);
    const double altitude = window.form.ReadoutAlt[c.readout_row];
    const double azimuth = window.form.ReadoutAz[c.readout_row];
    Draw(window, c.sky);
    const std::vector<float> disc = DiscBefore(window.surface, c.label);
    ASSERT_EQ(disc.size(), 2u);

    ObjectPointer pointer;
    const auto pointed = pointer.At(window.form, disc[0] + 90, disc[1] - 60);  // 6 and 4 pixels off
    ASSERT_TRUE(pointed);
    EXPECT_EQ(pointed->info.name, c.name);
    EXPECT_EQ(pointed->info.altitude, altitude);
    EXPECT_EQ(pointed->info.azimuth, azimuth);
    EXPECT_EQ(static_cast<float>(pointed->x), disc[0]);  // the disc, not the click
    EXPECT_NE(pointed->info.Text().find(" 高度 " + text::FormatOneDecimal(altitude) + " 方位 " +
                                        text::FormatOneDecimal(azimuth)),
              std::string::npos)
        << pointed->info.Text();
  }
}

TEST(ObjectPointer, KeysStepLeftToRightRoundTheEndsAndOnFromAClick) {
  testing::FakeWindow window;
  Draw(window, {{"2026", "1", "15", "21", "0"}, 2});
  const std::vector<PointedObject> objects = ObjectsOnChart(window.form);
  ASSERT_GT(objects.size(), 20u);
  const auto id = [](const std::optional<PointedObject>& o) { return o ? o->info.id : "none"; };

  ObjectPointer pointer;
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kPrevious)), objects.back().info.id);
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kNext)), objects.front().info.id);
  for (std::size_t i = 1; i <= objects.size(); ++i) {
    const std::string got = id(pointer.Step(window.form, ObjectStep::kNext));
    ASSERT_EQ(got, objects[i % objects.size()].info.id) << "step " << i;
  }
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kLast)), objects.back().info.id);
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kFirst)), objects.front().info.id);

  // Empty sky at the middle of the top: the keys go on from there.
  ASSERT_FALSE(pointer.At(window.form, 7800, 30));
  std::size_t right = 0;
  while (objects[right].x <= 7800) ++right;
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kNext)), objects[right].info.id);
  ASSERT_FALSE(pointer.At(window.form, 7800, 30));
  EXPECT_EQ(id(pointer.Step(window.form, ObjectStep::kPrevious)), objects[right - 1].info.id);
}

// A tick of the animation renews the pointed star; a view without it lets it go.
TEST(ObjectPointer, TheAnimationKeepsThePointedObjectUntilItLeavesTheChart) {
  testing::FakeWindow window;
  Draw(window, {{"2026", "1", "15", "21", "0"}, 2});
  const std::vector<float> sirius = DiscBefore(window.surface, "ｼﾘｳｽ");
  ASSERT_EQ(sirius.size(), 2u);
  ObjectPointer pointer;
  const auto before = pointer.At(window.form, sirius[0], sirius[1]);
  ASSERT_TRUE(before);
  window.form.Timer1_Timer();
  const auto after = pointer.Follow(window.form);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->info.id, "sirius");
  EXPECT_GT(after->x, before->x);  // westwards, to the right of a southern view
  EXPECT_NE(after->info.altitude, before->info.altitude);

  window.form.optDIR[2].Value = false;
  window.form.optDIR[0].Value = true;  // the north
  window.form.Command3_Click();
  EXPECT_FALSE(pointer.Follow(window.form));
  EXPECT_FALSE(pointer.Follow(window.form));  // let go for good
}

}  // namespace
}  // namespace app
