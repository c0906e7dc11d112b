#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/control_table.h"
#include "app/form.h"
#include "catalog/star_tables.h"
#include "fakes.h"
#include "text/number_text.h"

namespace app {
namespace {

using testing::Texts;
using WindowTest = testing::FormTest;

constexpr chart::Colour kNight{32, 96, 192};
const std::string kBodyNames[] = {" 太陽", " 月　", " 金星", " 火星", " 木星", " 土星"};

// SetColours paints every label, check box, option, text box and list (the
// colours themselves are checked at start-up and at a daytime press); the
// buttons and every text colour but the year box's keep theirs.
TEST_F(WindowTest, SetColoursPaintsEveryControlButTheButtons) {
  form.txtYMD[0].ForeColor = form.txtYMD[1].ForeColor = kNight;
  form.ColourScheme = 2;
  form.SetColours();
  EXPECT_EQ(surface.BackColor, (chart::Colour{0, 144, 255}));
  for (const CommandButton* button :
       {&form.Command1, &form.Command2, &form.Command3, &form.cmdKOYOMI}) {
    EXPECT_EQ(button->BackColor, (chart::Colour{255, 255, 255}));
  }
  const Control* coloured[] = {&form.lblV[26], &form.lstINTV2, &form.Label10, &form.chkOP[3]};
  for (const Control* control : coloured) {
    EXPECT_EQ(control->BackColor, (chart::Colour{0, 144, 255}));
  }
  EXPECT_EQ(form.txtYMD[0].ForeColor, (chart::Colour{0, 0, 0}));
  EXPECT_EQ(form.txtYMD[1].ForeColor, kNight);
}

// The control table names each of the form's controls once; only the
// inputs take focus, each at a position of its own with none left out, the
// window's own in the order the window has always had, and only the buttons
// keep their own colours and run a handler when clicked.
TEST_F(WindowTest, ControlTableDescribesEveryControlOnce) {
  const std::vector<ControlEntry> table = FormControls(form);
  std::set<const Control*> controls;
  std::set<std::string> names;
  std::map<int, std::string> focus_order;
  for (const ControlEntry& entry : table) {
    SCOPED_TRACE(entry.name);
    controls.insert(&Base(entry));
    names.insert(entry.name);
    const int tab = Base(entry).TabIndex;
    if (entry.layer == ControlLayer::kInput) {
      EXPECT_TRUE(focus_order.emplace(tab, entry.name).second);
    } else {
      EXPECT_EQ(tab, -1);
    }
    const bool button = entry.name.starts_with("Command") || entry.name == "cmdKOYOMI";
    EXPECT_EQ(entry.schemeColoured, !button);
    EXPECT_EQ(entry.click != nullptr, button);
    EXPECT_EQ(std::holds_alternative<CommandButton*>(entry.control), button);
  }
  EXPECT_EQ(controls.size(), table.size());
  EXPECT_EQ(names.size(), table.size());
  EXPECT_EQ(focus_order.begin()->first, 0);
  EXPECT_EQ(focus_order.rbegin()->first + 1, static_cast<int>(focus_order.size()));
  const std::vector<std::string> window_order = {
      "txtYMD(0)", "txtYMD(1)", "txtYMD(2)", "txtYMD(3)", "txtYMD(4)", "lstCITY",   "Command1",
      "Command2",  "txtIDO",    "txtKEIDO",  "optDIR(0)", "optDIR(1)", "optDIR(2)", "optDIR(3)",
      "Command3",  "lstINTV1",  "lstINTV2",  "chkOP(0)",  "chkOP(1)",  "chkOP(2)",  "chkOP(3)"};
  std::vector<std::string> first;
  for (const auto& [tab, name] : focus_order) {
    if (first.size() < window_order.size()) first.push_back(name);
  }
  EXPECT_EQ(first, window_order);
  EXPECT_EQ(focus_order.rbegin()->second, "cmdKOYOMI");  // the almanac button, added last
  EXPECT_EQ(table.front().name, "Label1");
  EXPECT_EQ(table[table.size() - 2].name, "lblV(26)");
  EXPECT_EQ(table.back().name, "cmdKOYOMI");
  // The exit button's handler is the one that ends the program.
  const auto exit = std::ranges::find(table, "Command1", &ControlEntry::name);
  (form.*exit->click)();
  EXPECT_EQ(process.ends, 1);
}

// Every input and readout cell has a name of its own for assistive
// technology; caption labels are read by their own (changing) caption.
TEST_F(WindowTest, ControlTableNamesEveryControlForAssistiveTechnology) {
  std::set<std::string> names;
  for (const ControlEntry& entry : FormControls(form)) {
    SCOPED_TRACE(entry.name);
    if (entry.layer == ControlLayer::kCaption) {
      EXPECT_EQ(entry.accessibleName, "");
    } else {
      EXPECT_NE(entry.accessibleName, "");
      EXPECT_TRUE(names.insert(entry.accessibleName).second);
    }
  }
}

// Beyond 1887-2090, where the series stray more than 10' from the sky
// (measured against Astronomy Engine), the sky is drawn and a line says so.
TEST_F(WindowTest, ALineCautionsBeyondTheYearsTheSeriesServe) {
  form.Form_Load();
  for (const auto& [year, cautioned] :
       {std::pair{"1886", true}, std::pair{"1887", false}, std::pair{"2090", false},
        std::pair{"2091", true}, std::pair{"1000", true}}) {
    SetBoxes({year, "7", "15", "21", "0"});
    form.Command3_Click();
    EXPECT_EQ(form.lblCHUI.Caption.empty(), !cautioned) << year;
    EXPECT_TRUE(form.ChartOnWindow) << year;
  }
}

// Without a start file: Tokyo, the clock's time, "15" and " 6", south, the
// night colours even at noon, and nothing computed, drawn or started.
TEST_F(WindowTest, StartUpWithoutAStartFileOpensOnTokyoAtNight) {
  clock.now = {2005, 6, 21, 12, 4};
  form.Form_Load();
  EXPECT_EQ(form.lstCITY.Text(), "東京");
  EXPECT_EQ(form.Label10.Caption, "東京");
  EXPECT_EQ(form.txtIDO.Text + " " + form.txtKEIDO.Text, "35.65 139.75");
  EXPECT_EQ(Boxes(), (Texts{"2005", "6", "21", "12", "4"}));
  EXPECT_EQ(form.lstINTV1.Text() + "," + form.lstINTV2.Text(), "15, 6");
  // The window's steps, which later steps may follow.
  const Texts steps = {" 2", " 5", "10", "15", "30", "60", "90", "120"};
  ASSERT_GE(form.lstINTV1.items.size(), steps.size());
  EXPECT_TRUE(std::equal(steps.begin(), steps.end(), form.lstINTV1.items.begin()));
  EXPECT_EQ(form.lstINTV2.items, (Texts{" 0", " 1", " 3", " 6", "10", "20", "30", "60"}));
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(form.optDIR[i].Value, i == 2);
  EXPECT_EQ(form.BackColor, kNight);
  EXPECT_EQ(surface.BackColor, kNight);
  for (const ControlEntry& entry : FormControls(form)) {
    if (entry.schemeColoured) {
      EXPECT_EQ(Base(entry).BackColor, kNight) << entry.name;
    }
  }
  EXPECT_EQ(form.PrevSunAlt, -1);
  EXPECT_TRUE(surface.Operations().empty());
  EXPECT_TRUE(timer.intervals.empty());
  EXPECT_EQ(form.observation.JD, 0);
  EXPECT_EQ(form.lstCITY.items.size(), 75u);
}

// The stored site and, for the typed entry only, the stored coordinates.
TEST(StartUpFromFile, SelectsTheStoredSite) {
  const Texts cases[] = {
      {" 3            38.267        140.867       \r\n", "仙台", "38.267", "140.867"},
      {" 48           43.1          141.3         \r\n", "入力", "43.1", "141.3"},
      {" 48           43.10         141.30\r\n", "入力", "43.1", "141.3"},
      {" 48           北緯35        135\r\n", "入力", "北緯35", "135"},
      {" 5            0             0             \r\n", "山形", "38.25", "140.35"},
      {" 24 0 0\r\n", "大津", "35", "135.867"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    testing::FakeWindow window;
    window.startFile.contents = c[0];
    window.form.Form_Load();
    EXPECT_EQ(window.form.lstCITY.Text(), c[1]);
    EXPECT_EQ(window.form.Label10.Caption, c[1]);
    EXPECT_EQ(window.form.txtIDO.Text + " " + window.form.txtKEIDO.Text, c[2] + " " + c[3]);
  }
}

// Exit writes the site and the box texts and ends the program; what one run
// saves, the next opens with, even a latitude that fills its zone.
TEST_F(WindowTest, ExitSavesTheSiteForTheNextRun) {
  form.Form_Load();
  testing::Select(form.lstCITY, "パリ");
  form.txtIDO.Text = "48.97";
  form.txtKEIDO.Text = "2.45";
  form.Command1_Click();
  EXPECT_EQ(startFile.contents, " 66           48.97         2.45\r\n");
  EXPECT_EQ(process.ends, 1);
  EXPECT_EQ(saveFailure.asked, 0);

  form.lstCITY.ListIndex = 48;
  form.txtIDO.Text = "35.12345678901";
  form.txtKEIDO.Text = "-135.5";
  form.Command1_Click();
  testing::FakeWindow next;
  next.startFile.contents = startFile.contents;
  next.form.Form_Load();
  EXPECT_EQ(next.form.lstCITY.Text(), "入力");
  EXPECT_EQ(next.form.txtIDO.Text + " " + next.form.txtKEIDO.Text, "35.12345678901 -135.5");
}

// A start file that cannot be written is put to the user, naming the file and
// the reason: retrying writes again, quitting ends without saving, going back
// leaves the program running; a failed write never touches the old file.
TEST(ExitWithAFailingDisk, AsksTheUserAndKeepsTheOldFile) {
  using enum AfterFailedSave;
  struct Case {
    std::vector<AfterFailedSave> answers;
    bool space_freed;  // the user frees space before retrying
    int writes, asked, ends;
    std::string file_after;
  };
  const std::string saved = " 12           35.65         139.75\r\n";
  const Case cases[] = {{{kBackToWindow}, false, 1, 1, 0, "old\r\n"},
                        {{kQuitWithoutSaving}, false, 1, 1, 1, "old\r\n"},
                        {{kRetry, kRetry, kBackToWindow}, false, 3, 3, 0, "old\r\n"},
                        {{kRetry}, true, 2, 1, 1, saved}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.writes);
    testing::FakeWindow window;
    window.form.Form_Load();
    window.startFile.contents = "old\r\n";
    window.startFile.failure = "No space left on device";
    window.saveFailure.answers.assign(c.answers.begin(), c.answers.end());
    if (c.space_freed) window.saveFailure.whileAsked = [&] { window.startFile.failure.reset(); };
    window.form.Command1_Click();
    EXPECT_EQ(window.startFile.writes, c.writes);
    EXPECT_EQ(window.saveFailure.asked, c.asked);
    EXPECT_EQ(window.process.ends, c.ends);
    EXPECT_EQ(window.saveFailure.location, "/memory/pstart.txt");
    EXPECT_EQ(window.saveFailure.reason, "No space left on device");
    EXPECT_EQ(window.startFile.contents, c.file_after);
  }
}

struct ReadoutTest : testing::FormTest {
  void SetUp() override { form.Form_Load(); }
  std::string Table() const {
    std::string all;
    for (std::size_t i = 0; i < kReadoutLabels; ++i) {
      all += form.lblST[i].Caption + form.lblH[i].Caption + form.lblV[i].Caption;
    }
    return all;
  }
};

// The boxes are read by their leading numbers, as Japan Standard Time.
TEST_F(ReadoutTest, CalcSkyComputesTheTimeArgumentsFromTheBoxes) {
  const std::tuple<Texts, double, double, double> cases[] = {
      {{"2000", "1", "1", "21", "0"}, 2451545.0, 0.0, 18.697374558000007},
      {{" 2005 ", "10", "22x", "21", "0"}, 2453666.0, 0.058069815195071865, 14.067912238090145}};
  form.txtIDO.Text = "35 x";
  form.txtKEIDO.Text = "135abc";
  for (const auto& [boxes, jd, t, gmst] : cases) {
    SCOPED_TRACE(jd);
    SetBoxes(boxes);
    ASSERT_TRUE(form.CalcSky());
    EXPECT_EQ(form.observation.JD, jd);
    EXPECT_EQ(form.observation.T, t);
    EXPECT_EQ(form.observation.GMST, gmst);
    EXPECT_EQ(form.observation.horizontal.SiteLat, 35);
    EXPECT_EQ(form.observation.horizontal.SiteLon, 135);
    for (std::size_t row = 1; row <= 6; ++row) {
      EXPECT_EQ(form.ReadoutName[row], kBodyNames[row - 1]);
      EXPECT_EQ(form.ReadoutAlt[row], form.observation.BodyAlt[row - 1]);
      EXPECT_EQ(form.ReadoutAz[row], form.observation.BodyAz[row - 1]);
    }
  }
}

// A number that does not fit computes nothing and keeps every previous result;
// the readout then stays empty. The first box at fault is named with its reason.
TEST_F(ReadoutTest, CalcSkyKeepsThePreviousResultsWhenABoxDoesNotFit) {
  form.Command2_Click();
  ASSERT_NE(Table(), "");
  EXPECT_TRUE(form.ReadoutShown);
  ASSERT_FALSE(form.FindSkyBoxFault());
  const double jd = form.observation.JD, sun_altitude = form.observation.BodyAlt[0];
  using R = SkyBoxFault::Reason;
  const std::tuple<Texts, SkyBox, R> cases[] = {
      {{"40000", "10", "22", "21", "0"}, SkyBox::kYear, R::kOutside16Bits},
      {{"2005", "70000", "22", "21", "0"}, SkyBox::kMonth, R::kOutside16Bits},
      {{"-32769", "1e400", "1", "0", "0"}, SkyBox::kYear, R::kOutside16Bits},
      {{"2005", "10", "1e400", "21", "0"}, SkyBox::kDay, R::kTooLarge},
      {{"2005", "10", "22", "-1e999", "0"}, SkyBox::kHour, R::kTooLarge},
      {{"2005", "10", "22", "0", "1e999"}, SkyBox::kMinute, R::kTooLarge},
      {{"-32768", "1", "1", "0", "0"}, SkyBox::kYear, R::kBeyondCalendar},
      {{"2005", "10", "1e300", "0", "0"}, SkyBox::kDay, R::kTooLarge},
      {{"2005", "10", "1", "1e305", "0"}, SkyBox::kHour, R::kTooLarge}};
  for (const auto& [boxes, box, reason] : cases) {
    SCOPED_TRACE(boxes[0] + " " + boxes[1] + " " + boxes[2] + " " + boxes[3] + " " + boxes[4]);
    SetBoxes(boxes);
    form.ReadoutName[1] = "marker";
    EXPECT_FALSE(form.CalcSky());
    EXPECT_EQ(form.observation.JD, jd);
    EXPECT_EQ(form.observation.BodyAlt[0], sun_altitude);
    EXPECT_EQ(form.ReadoutName[1], "marker");
    const auto fault = form.FindSkyBoxFault();
    ASSERT_TRUE(fault);
    EXPECT_EQ(std::tie(fault->box, fault->reason), std::tie(box, reason));
  }
  form.Command2_Click();
  EXPECT_EQ(Table(), "");
  EXPECT_FALSE(form.ReadoutShown);  // the model says so: nothing was computed
  SetBoxes({"2005", "10", "22", "21", "0"});
  for (const auto& [text, box] : {std::pair{&form.txtIDO.Text, SkyBox::kLatitude},
                                  std::pair{&form.txtKEIDO.Text, SkyBox::kLongitude}}) {
    const std::string kept = *text;
    *text = "-1D999";
    EXPECT_EQ(form.FindSkyBoxFault()->box, box);
    *text = kept;
  }
  EXPECT_FALSE(form.FindSkyBoxFault());
}

// A star just below the horizon keeps its minus sign when its altitude rounds
// to zero: Canopus (bright star 6, row 12) from Tokyo at 2000-01-01 00:46 Japan
// Standard Time stands 0.0148 degrees below it.
TEST_F(ReadoutTest, AStarJustBelowTheHorizonShowsMinusZero) {
  testing::Select(form.lstCITY, "東京");
  form.Command3_Click();
  SetBoxes({"2000", "1", "1", "0", "46"});
  form.Command2_Click();
  ASSERT_EQ(form.lblST[11].Caption, "ｶﾉｰﾌﾟｽ");
  EXPECT_NEAR(form.ReadoutAlt[12], -0.0148, 0.00005);
  EXPECT_EQ(form.lblH[11].Caption, "-0.0");
}

// After a night chart (which loads the chart stars over the bright-star rows),
// a daytime readout clears the chart, keeps the night colours and the timer,
// and lists the six bodies and the twenty bright stars; label row 26 stays
// empty. A tick lists the time before its step again, then draws the chart;
// the planetarium button empties the whole table.
TEST_F(ReadoutTest, NumericButtonListsTwentySixRows) {
  form.Command3_Click();
  ASSERT_LT(form.observation.BodyAlt[0], 0);
  SetBoxes({"2005", "6", "21", "12", "0"});
  surface.Clear();
  form.Command2_Click();
  ASSERT_GT(form.observation.BodyAlt[0], 0);
  ASSERT_EQ(surface.Operations().size(), 1u);
  EXPECT_EQ(surface.Operations()[0].kind, chart::RecordingSurface::Kind::kCls);
  EXPECT_EQ(form.BackColor, (chart::Colour{32, 96, 192}));
  EXPECT_EQ(timer.intervals.size(), 1u);
  EXPECT_EQ(form.ReadoutMode, 1);
  const catalog::StarTables bright = catalog::BrightStarTable();
  for (std::size_t i = 0; i < 26; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(form.lblST[i].Caption, i < 6 ? kBodyNames[i] : bright.StarName[i - 5]);
    EXPECT_EQ(form.lblH[i].Caption, text::FormatOneDecimal(form.ReadoutAlt[i + 1]));
    EXPECT_EQ(form.lblV[i].Caption, text::FormatOneDecimal(form.ReadoutAz[i + 1]));
    EXPECT_TRUE(std::abs(form.ReadoutAlt[i + 1]) <= 90 && form.ReadoutAz[i + 1] >= 0 &&
                form.ReadoutAz[i + 1] < 360);
  }
  EXPECT_EQ(form.lblST[26].Caption + form.lblH[26].Caption + form.lblV[26].Caption, "");
  // The pole star stands at about the site's latitude, due north.
  ASSERT_EQ(form.lblST[25].Caption, "北極星");
  EXPECT_NEAR(form.ReadoutAlt[26], 35.65, 1.0);
  EXPECT_LT(std::min(form.ReadoutAz[26], 360 - form.ReadoutAz[26]), 1.5);

  const std::string table = Table();
  for (auto& label : form.lblV) label.Caption.clear();
  form.Timer1_Timer();
  EXPECT_EQ(Boxes(), (Texts{"2005", "6", "21", "12", "15"}));
  EXPECT_EQ(Table(), table);
  EXPECT_EQ(CentreDirectionWord(), "南");
  form.Command3_Click();
  EXPECT_EQ(form.ReadoutMode, 0);
  EXPECT_EQ(Table(), "");
}

}  // namespace
}  // namespace app
