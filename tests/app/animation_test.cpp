#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form.h"
#include "fakes.h"

namespace app {
namespace {

constexpr chart::Colour kNight{32, 96, 192};
constexpr chart::Colour kDay{0, 144, 255};

// Proleptic Gregorian calendar on whole days (H. Hinnant's civil algorithms),
// independent of the Julian-day conversions the window uses.
long long DaysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::vector<std::string> CivilBoxes(long long minutes) {
  long long z = minutes / 1440 + 719468;
  const long long minute_of_day = minutes % 1440;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp + (mp < 10 ? 3 : -9);
  const long long y = yoe + era * 400 + (m <= 2);
  return {std::to_string(y), std::to_string(m), std::to_string(d),
          std::to_string(minute_of_day / 60), std::to_string(minute_of_day % 60)};
}

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fakes.clock.now = {2005, 10, 22, 21, 0};
    form.Form_Load();
  }
  void SelectStep(const std::string& minutes) {
    form.lstINTV1.ListIndex = testing::ListPosition(form.lstINTV1, minutes);
    ASSERT_GE(form.lstINTV1.ListIndex, 0);
  }
  void SelectInterval(const std::string& seconds) {
    form.lstINTV2.ListIndex = testing::ListPosition(form.lstINTV2, seconds);
    ASSERT_GE(form.lstINTV2.ListIndex, 0);
  }
  void SelectDirection(std::size_t index) {
    for (std::size_t i = 0; i < form.optDIR.size(); ++i) form.optDIR[i].Value = i == index;
  }

  testing::FakeServices fakes;
  Form1 form{fakes.services()};
};

TEST_F(AnimationTest, PlanetariumButtonDrawsSouthAndStartsTheClock) {
  form.Command3_Click();
  EXPECT_EQ(fakes.timer.intervals, std::vector<int>{6000});
  EXPECT_EQ(form.Timer1.Interval, 6000);
  EXPECT_EQ(testing::ClearCount(fakes.surface), 1);
  EXPECT_EQ(testing::CentreDirectionWord(fakes.surface), "南");
  EXPECT_EQ(form.PrevSunAlt, form.observation.BodyAlt[0]);

  form.Timer1_Timer();
  EXPECT_EQ(testing::Boxes(form), (std::vector<std::string>{"2005", "10", "22", "21", "15"}));
  EXPECT_EQ(fakes.timer.intervals, (std::vector<int>{6000, 6000}));
  EXPECT_EQ(testing::ClearCount(fakes.surface), 2);
}

TEST_F(AnimationTest, EveryDisplayIntervalSetsTheTimer) {
  const std::vector<std::pair<std::string, int>> intervals = {
      {" 0", 0},     {" 1", 1000},  {" 3", 3000},  {" 6", 6000},
      {"10", 10000}, {"20", 20000}, {"30", 30000}, {"60", 60000}};
  for (const auto& [item, milliseconds] : intervals) {
    SCOPED_TRACE(item);
    SelectInterval(item);
    form.Command3_Click();
    EXPECT_EQ(fakes.timer.intervals.back(), milliseconds);
    EXPECT_EQ(form.Timer1.Interval, milliseconds);
  }
}

TEST_F(AnimationTest, ZeroIntervalDrawsOnceAndStops) {
  SelectInterval(" 0");
  form.Command3_Click();
  EXPECT_EQ(fakes.timer.intervals, std::vector<int>{0});
  EXPECT_EQ(testing::ClearCount(fakes.surface), 1);
}

TEST_F(AnimationTest, ChoosingZeroWhileAnimatingStopsAfterTheNextTick) {
  form.Command3_Click();
  SelectInterval(" 0");
  form.Timer1_Timer();
  EXPECT_EQ(fakes.timer.intervals, (std::vector<int>{6000, 0}));
  EXPECT_EQ(testing::ClearCount(fakes.surface), 2);
}

TEST_F(AnimationTest, TickCarriesIntoTheNextYear) {
  SelectStep("60");
  testing::SetBoxes(form, {"2005", "12", "31", "23", "30"});
  form.Timer1_Timer();
  EXPECT_EQ(testing::Boxes(form), (std::vector<std::string>{"2006", "1", "1", "0", "30"}));
}

// 96 steps of 2 minutes are 3 hours 12 minutes: no minute is lost on the way.
TEST_F(AnimationTest, NinetySixTwoMinuteTicksFromMidnightEndAtThreeTwelve) {
  SelectStep(" 2");
  testing::SetBoxes(form, {"2005", "10", "22", "0", "0"});
  for (int tick = 0; tick < 96; ++tick) form.Timer1_Timer();
  EXPECT_EQ(testing::Boxes(form), (std::vector<std::string>{"2005", "10", "22", "3", "12"}));
}

// A fractional minute: the instant after the step is rounded to the nearest
// second, and the boxes show its whole minute.
TEST_F(AnimationTest, FractionalMinutesShowTheMinuteOfTheNearestSecond) {
  struct Case {
    std::string hour, minute, step;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"10", "30.5", " 2", {"2005", "10", "22", "10", "32"}},
      {"10", "0.25", " 5", {"2005", "10", "22", "10", "5"}},
      {"10", "59.99", " 2", {"2005", "10", "22", "11", "1"}},   // 11:01:59.4
      {"10", "59.995", " 2", {"2005", "10", "22", "11", "2"}},  // 11:01:59.7
      {"23", "59.999", " 2", {"2005", "10", "23", "0", "2"}},   // 00:01:59.94
      {"10.5", "0", "15", {"2005", "10", "22", "10", "45"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + ":" + c.minute + " +" + c.step);
    SelectStep(c.step);
    testing::SetBoxes(form, {"2005", "10", "22", c.hour, c.minute});
    form.Timer1_Timer();
    EXPECT_EQ(testing::Boxes(form), c.expected);
  }
}

// Every tick moves the boxes by exactly the step, for every step in the list.
TEST_F(AnimationTest, NoDriftOverAThousandTicksOfEveryStep) {
  SelectDirection(0);
  for (const std::string& step : form.lstINTV1.items) {
    SCOPED_TRACE("step " + step);
    SelectStep(step);
    const int step_minutes = std::stoi(step);
    long long minutes = DaysFromCivil(2005, 10, 22) * 1440 + 10 * 60 + 10;
    testing::SetBoxes(form, CivilBoxes(minutes));
    for (int tick = 1; tick <= 1000; ++tick) {
      fakes.surface.Clear();
      form.Timer1_Timer();
      minutes += step_minutes;
      if (testing::Boxes(form) != CivilBoxes(minutes)) {
        ADD_FAILURE() << "tick " << tick << ": got " << form.txtYMD[3].Text << ":"
                      << form.txtYMD[4].Text << " on day " << form.txtYMD[2].Text;
        break;
      }
    }
  }
}

TEST_F(AnimationTest, DaytimeButtonPressTurnsTheColoursToDayBeforeDrawing) {
  testing::SetBoxes(form, {"2005", "6", "21", "12", "0"});
  form.Command3_Click();
  ASSERT_GT(form.observation.BodyAlt[0], 0);
  EXPECT_EQ(form.ColourScheme, 2);
  EXPECT_EQ(form.BackColor, kDay);
  for (const Control* control : form.SchemeColouredControls()) EXPECT_EQ(control->BackColor, kDay);
  ASSERT_FALSE(fakes.surface.Operations().empty());
  EXPECT_EQ(fakes.surface.Operations().front().kind, chart::RecordingSurface::Kind::kCls);
  EXPECT_EQ(fakes.surface.Operations().front().colour, kDay);
}

// The Sun sets between two ticks: the tick that first sees it below the
// horizon turns the colours to night, later night ticks leave them alone.
TEST_F(AnimationTest, ColoursSwitchAtSunsetBetweenTicksAndNotAgain) {
  testing::SetBoxes(form, {"2005", "10", "22", "16", "0"});
  form.Command3_Click();
  ASSERT_GT(form.observation.BodyAlt[0], 0);
  ASSERT_EQ(form.ColourScheme, 2);

  int ticks = 0;
  while (form.observation.BodyAlt[0] > 0 && ticks < 20) {
    EXPECT_EQ(form.ColourScheme, 2);
    fakes.surface.Clear();
    form.Timer1_Timer();
    ++ticks;
  }
  ASSERT_LT(form.observation.BodyAlt[0], 0);
  EXPECT_GT(ticks, 1);
  EXPECT_EQ(form.ColourScheme, 1);
  EXPECT_EQ(form.BackColor, kNight);
  EXPECT_EQ(fakes.surface.Operations().front().colour, kNight);

  const chart::Colour marker{1, 2, 3};
  form.lstCITY.BackColor = marker;
  for (int more = 0; more < 8; ++more) form.Timer1_Timer();
  EXPECT_LT(form.observation.BodyAlt[0], 0);
  EXPECT_EQ(form.ColourScheme, 1);
  EXPECT_EQ(form.lstCITY.BackColor, marker);
}

TEST_F(AnimationTest, DirectionChangeWhileAnimatingTakesEffectAtTheNextTick) {
  form.Command3_Click();
  const std::size_t drawn = fakes.surface.Operations().size();
  const std::vector<std::pair<std::size_t, std::string>> directions = {
      {1, "東"}, {3, "西"}, {0, "北"}, {2, "南"}};
  for (const auto& [index, word] : directions) {
    SCOPED_TRACE(word);
    fakes.surface.Clear();
    SelectDirection(index);
    EXPECT_TRUE(fakes.surface.Operations().empty());
    form.Timer1_Timer();
    EXPECT_EQ(testing::ClearCount(fakes.surface), 1);
    EXPECT_EQ(testing::CentreDirectionWord(fakes.surface), word);
  }
  EXPECT_GT(drawn, 0u);
}

TEST_F(AnimationTest, DisplayOptionsAreReadWhenDrawing) {
  form.Command3_Click();
  form.chkOP[2].Value = 1;
  form.chkOP[3].Value = 1;
  EXPECT_FALSE(form.chart.Options.grid);
  form.Timer1_Timer();
  EXPECT_FALSE(form.chart.Options.equator);
  EXPECT_FALSE(form.chart.Options.ecliptic);
  EXPECT_TRUE(form.chart.Options.grid);
  EXPECT_TRUE(form.chart.Options.names);
}

TEST_F(AnimationTest, YearsAndMonthsThatDoNotFitSkipTheTick) {
  const std::vector<std::vector<std::string>> boxes = {
      {"40000", "1", "1", "0", "0"},
      {"2005", "70000", "1", "0", "0"},
      {"-32768", "1", "1", "0", "0"},     // the year before it leaves 16 bits
      {"32767", "12", "31", "23", "59"},  // the step leaves 16 bits
  };
  for (const auto& texts : boxes) {
    SCOPED_TRACE(texts[0] + "-" + texts[1]);
    testing::SetBoxes(form, texts);
    fakes.surface.Clear();
    fakes.timer.intervals.clear();
    form.Timer1_Timer();
    EXPECT_EQ(testing::Boxes(form), texts);
    EXPECT_TRUE(fakes.surface.Operations().empty());
    EXPECT_TRUE(fakes.timer.intervals.empty());
  }
}

TEST_F(AnimationTest, ReadoutModeShowsTheTimeBeforeTheStep) {
  testing::FakeServices other_fakes;
  Form1 before(other_fakes.services());
  before.Form_Load();
  before.Command2_Click();

  form.Command2_Click();
  form.Timer1_Timer();
  EXPECT_EQ(testing::Boxes(form), (std::vector<std::string>{"2005", "10", "22", "21", "15"}));
  for (std::size_t i = 0; i < 26; ++i) {
    EXPECT_EQ(form.lblST[i].Caption, before.lblST[i].Caption);
    EXPECT_EQ(form.lblH[i].Caption, before.lblH[i].Caption);
    EXPECT_EQ(form.lblV[i].Caption, before.lblV[i].Caption);
  }
  EXPECT_EQ(form.ReadoutMode, 1);
  EXPECT_EQ(testing::CentreDirectionWord(fakes.surface), "南");
}

// The site label follows the selection at once, not only from the next tick.
TEST_F(AnimationTest, SelectingLondonFillsTheBoxesAndTheLabel) {
  form.lstCITY.ListIndex = testing::ListPosition(form.lstCITY, "ロンドン");
  form.Command3_Click();
  EXPECT_EQ(form.txtIDO.Text, "51.15");
  EXPECT_EQ(form.txtKEIDO.Text, "-0.18");
  EXPECT_EQ(form.Label10.Caption, "ロンドン");
  form.Timer1_Timer();
  EXPECT_EQ(form.Label10.Caption, "ロンドン");
}

TEST_F(AnimationTest, SiteSelectionDecidesTheCoordinates) {
  struct Case {
    std::string site, typed_latitude, typed_longitude, latitude, longitude;
    double site_lat, site_lon;
  };
  const std::vector<Case> cases = {
      {"入力", "35", "135", "35", "135", 35, 135},
      {"東京", "0", "0", "35.65", "139.75", 35.65, 139.75},
      {"大津", "1", "1", "35", "135.867", 35, 135.867},
      {"サンパウロ", "", "", "-23.5", "-46.62", -23.5, -46.62},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.site);
    form.lstCITY.ListIndex = testing::ListPosition(form.lstCITY, c.site);
    form.txtIDO.Text = c.typed_latitude;
    form.txtKEIDO.Text = c.typed_longitude;
    form.Command3_Click();
    EXPECT_EQ(form.txtIDO.Text, c.latitude);
    EXPECT_EQ(form.txtKEIDO.Text, c.longitude);
    EXPECT_EQ(form.observation.horizontal.SiteLat, c.site_lat);
    EXPECT_EQ(form.observation.horizontal.SiteLon, c.site_lon);
  }
}

}  // namespace
}  // namespace app
