#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/form.h"
#include "fakes.h"

namespace app {
namespace {

using testing::Texts;

struct AnimationTest : testing::FormTest {
  void SetUp() override { form.Form_Load(); }
};

// The defaults: south, a tick every 6 s moving the boxes on by 15 minutes.
// Every press draws once; " 0" chosen while animating lets the tick under way
// draw, then stops the clock.
TEST_F(AnimationTest, PlanetariumButtonStartsTheClockAtTheDisplayInterval) {
  form.Command3_Click();
  EXPECT_EQ(CentreDirectionWord(), "南");
  form.Timer1_Timer();
  EXPECT_EQ(Boxes(), (Texts{"2005", "10", "22", "21", "15"}));
  EXPECT_EQ(timer.intervals, (std::vector<int>{6000, 6000}));
  EXPECT_EQ(ClearCount(), 2);
  for (const std::string& item : form.lstINTV2.items) {  // " 0" to "60" seconds
    SCOPED_TRACE(item);
    testing::Select(form.lstINTV2, item);
    surface.Clear();
    form.Command3_Click();
    EXPECT_EQ(timer.intervals.back(), std::stoi(item) * 1000);
    EXPECT_EQ(ClearCount(), 1);
  }
  testing::Select(form.lstINTV2, " 0");
  form.Timer1_Timer();
  EXPECT_EQ(timer.intervals.back(), 0);
  EXPECT_EQ(ClearCount(), 2);
}

// A whole minute advances exactly by the step; a fractional one is rounded to
// the nearest second after the step and its minute shown. A year or month
// outside 16 bits, or a step out of the calendar, skips the tick: the boxes
// stay and nothing is drawn.
TEST_F(AnimationTest, TickAdvancesTheBoxesByTheStep) {
  const std::tuple<Texts, std::string, Texts> cases[] = {
      {{"2005", "12", "31", "23", "30"}, "60", {"2006", "1", "1", "0", "30"}},
      {{"2005", "10", "22", "10", "59.99"}, " 2", {"2005", "10", "22", "11", "1"}},
      {{"2005", "10", "22", "10", "59.995"}, " 2", {"2005", "10", "22", "11", "2"}},
      {{"2005", "10", "22", "23", "59.999"}, " 2", {"2005", "10", "23", "0", "2"}},
      {{"2005", "10", "22", "10.5", "0"}, "15", {"2005", "10", "22", "10", "45"}},
      {{"40000", "1", "1", "0", "0"}, "15", {"40000", "1", "1", "0", "0"}},
      {{"2005", "70000", "1", "0", "0"}, "15", {"2005", "70000", "1", "0", "0"}},
      {{"-32768", "1", "1", "0", "0"}, "15", {"-32768", "1", "1", "0", "0"}},
      {{"32767", "12", "31", "23", "59"}, "15", {"32767", "12", "31", "23", "59"}},
      // A day's step keeps the clock time: into a leap day, across the days
      // the calendar reform of 1582 skips.
      {{"2024", "2", "28", "20", "0"}, "1440", {"2024", "2", "29", "20", "0"}},
      {{"1582", "10", "4", "20", "0"}, "1440", {"1582", "10", "15", "20", "0"}}};
  for (const auto& [boxes, step, expected] : cases) {
    SCOPED_TRACE(boxes[0] + "-" + boxes[1] + " " + boxes[3] + ":" + boxes[4] + " +" + step);
    testing::Select(form.lstINTV1, step);
    SetBoxes(boxes);
    surface.Clear();
    const std::size_t timer_settings = timer.intervals.size();
    form.Timer1_Timer();
    EXPECT_EQ(Boxes(), expected);
    EXPECT_EQ(ClearCount(), boxes == expected ? 0 : 1);
    EXPECT_EQ(timer.intervals.size(), timer_settings + (boxes == expected ? 0 : 1));
  }
}

// Day colours from a press in daylight, before the chart is drawn; night from
// the first tick after sunset, and later night ticks leave the colours alone.
TEST_F(AnimationTest, ColoursFollowTheSun) {
  const chart::Colour day{0, 144, 255}, night{32, 96, 192};
  SetBoxes({"2005", "10", "22", "16", "0"});
  form.Command3_Click();
  ASSERT_GT(form.observation.BodyAlt[0], 0);
  EXPECT_EQ(form.BackColor, day);
  for (const ControlEntry& entry : FormControls(form)) {
    if (entry.schemeColoured) {
      EXPECT_EQ(Base(entry).BackColor, day) << entry.name;
    }
  }
  EXPECT_EQ(surface.Operations().front().colour, day);
  int ticks = 0;
  for (; form.observation.BodyAlt[0] > 0 && ticks < 20; ++ticks) {
    EXPECT_EQ(form.BackColor, day);
    surface.Clear();
    form.Timer1_Timer();
  }
  ASSERT_LT(form.observation.BodyAlt[0], 0);
  EXPECT_GT(ticks, 1);
  EXPECT_EQ(form.BackColor, night);
  EXPECT_EQ(surface.Operations().front().colour, night);
  form.lstCITY.BackColor = {1, 2, 3};
  for (int more = 0; more < 8; ++more) form.Timer1_Timer();
  EXPECT_EQ(form.lstCITY.BackColor, (chart::Colour{1, 2, 3}));
}

// Direction and display options change nothing until the next tick draws.
TEST_F(AnimationTest, ChoicesWhileAnimatingTakeEffectAtTheNextTick) {
  form.Command3_Click();
  form.chkOP[2].Value = form.chkOP[3].Value = 1;
  for (const auto& [index, word] :
       {std::pair<std::size_t, std::string>{1, "東"}, {3, "西"}, {0, "北"}, {2, "南"}}) {
    SCOPED_TRACE(word);
    surface.Clear();
    for (std::size_t i = 0; i < 4; ++i) form.optDIR[i].Value = i == index;
    EXPECT_TRUE(surface.Operations().empty());
    form.Timer1_Timer();
    EXPECT_EQ(ClearCount(), 1);
    EXPECT_EQ(CentreDirectionWord(), word);
  }
  const auto& options = form.skyChart.Options;
  using chart::Option;
  EXPECT_TRUE(!options.Has(Option::kEquator) && !options.Has(Option::kEcliptic) &&
              options.Has(Option::kGrid) && options.Has(Option::kNames));
}

// A named site replaces typed coordinates with its own; "入力" keeps them. The
// site label follows the selection at the press already, so it never names
// another site than the chart's.
TEST_F(AnimationTest, PlanetariumButtonAppliesTheSelectedSite) {
  const std::array<std::string, 5> cases[] = {{"ロンドン", "1", "1", "51.15", "-0.18"},
                                              {"入力", "35", "135", "35", "135"},
                                              {"東京", "0", "0", "35.65", "139.75"},
                                              {"大津", "1", "1", "35", "135.867"},
                                              {"サンパウロ", "", "", "-23.5", "-46.62"}};
  for (const auto& [site, typed_lat, typed_lon, lat, lon] : cases) {
    SCOPED_TRACE(site);
    testing::Select(form.lstCITY, site);
    form.txtIDO.Text = typed_lat;
    form.txtKEIDO.Text = typed_lon;
    form.Command3_Click();
    EXPECT_EQ(form.Label10.Caption, site);
    EXPECT_EQ(form.txtIDO.Text, lat);
    EXPECT_EQ(form.txtKEIDO.Text, lon);
    EXPECT_EQ(form.observation.horizontal.SiteLat, std::stod(lat));
    EXPECT_EQ(form.observation.horizontal.SiteLon, std::stod(lon));
    form.Timer1_Timer();
    EXPECT_EQ(form.Label10.Caption, site);
  }
}

}  // namespace
}  // namespace app
