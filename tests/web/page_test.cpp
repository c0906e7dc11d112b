// The web page's binding of the window model, on a browser in memory: the
// elements as the window lays out its controls, the address, the events, the
// chart on the canvas, the timer and the start file in the page's storage.

#include "web/page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "chart/sky_chart.h"
#include "fake_browser.h"

namespace web {
namespace {

constexpr chart::Colour kNight{32, 96, 192};
constexpr chart::Colour kDay{0, 144, 255};

class PageTest : public ::testing::Test {
 protected:
  Page& Open(std::string_view query = "") {
    page_ = std::make_unique<Page>(browser);
    page_->Start(query);
    return *page_;
  }
  // The element of a control, by the model's name ("txtYMD(0)", "Command3").
  int Id(const std::string& name) {
    const std::vector<app::ControlEntry> table = app::FormControls(page_->Form());
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (table[i].name == name) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no control " << name;
    return -1;
  }
  testing::FakeBrowser::Element& Element(const std::string& name) { return browser.At(Id(name)); }
  app::Form1& Form() { return page_->Form(); }
  std::vector<std::string> DateTexts() {
    std::vector<std::string> texts;
    texts.reserve(5);
    for (int i = 0; i < 5; ++i) texts.push_back(Element("txtYMD(" + std::to_string(i) + ")").text);
    return texts;
  }
  testing::FakeBrowser browser;

 private:
  std::unique_ptr<Page> page_;
};

// Positions [CSS pixels] and focus order as the window shows them: twips / 15,
// focus from the date boxes through the site list, the exit and readout
// buttons, the coordinates, the compass rose, the planetarium button and the
// interval lists to the display options.
TEST_F(PageTest, ElementsStandWhereTheWindowsControlsStandInItsFocusOrder) {
  Open();
  struct Expected {
    const char* name;
    ElementKind kind;
    int left, top, width, height, font_pixels, stack_level;
  };
  const Expected expected[] = {{"lstCITY", ElementKind::kList, 8, 8, 65, 82, 16, 2},
                               {"txtYMD(0)", ElementKind::kTextBox, 88, 8, 41, 25, 19, 2},
                               {"Label2", ElementKind::kLabel, 128, 8, 33, 25, 19, 1},
                               {"txtIDO", ElementKind::kTextBox, 136, 64, 57, 25, 21, 2},
                               {"optDIR(1)", ElementKind::kOption, 680, 32, 33, 25, 16, 2},
                               {"chkOP(3)", ElementKind::kCheck, 808, 40, 129, 17, 16, 2},
                               {"Command3", ElementKind::kButton, 616, 24, 57, 33, 12, 2},
                               {"lblST(15)", ElementKind::kLabel, 384, 152, 105, 25, 16, 3},
                               {"lblV(26)", ElementKind::kLabel, 576, 504, 57, 25, 16, 3}};
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    const ElementLayout& layout = Element(e.name).layout;
    EXPECT_EQ(layout.kind, e.kind);
    EXPECT_EQ(std::vector<int>({layout.left, layout.top, layout.width, layout.height,
                                layout.fontPixels, layout.stackLevel}),
              std::vector<int>({e.left, e.top, e.width, e.height, e.font_pixels, e.stack_level}));
    EXPECT_EQ(layout.transparent, e.stack_level == 3);
    EXPECT_EQ(layout.fontFace, "ＭＳ Ｐゴシック");
  }
  // Boxes and lists are named by their captions, buttons by their own; the
  // readout cells are a table.
  EXPECT_EQ(Element("txtYMD(0)").layout.accessibleName, "年");
  EXPECT_EQ(Element("Command3").layout.accessibleName, "");
  const TableCell cell = Element("lblH(11)").layout.cell.value_or(TableCell{});
  EXPECT_EQ(std::tie(cell.row, cell.columnName), std::make_tuple(11, "高度"));
  EXPECT_TRUE(Element("lblH(0)").layout.bold);
  EXPECT_FALSE(Element("Label1").layout.bold);

  // The document holds the inputs in the window's focus order (the window's
  // own first), then the captions, then the readout table row by row.
  const char* order[] = {
      "txtYMD(0)", "txtYMD(1)", "txtYMD(2)", "txtYMD(3)", "txtYMD(4)", "lstCITY",   "Command1",
      "Command2",  "txtIDO",    "txtKEIDO",  "optDIR(0)", "optDIR(1)", "optDIR(2)", "optDIR(3)",
      "Command3",  "lstINTV1",  "lstINTV2",  "chkOP(0)",  "chkOP(1)",  "chkOP(2)",  "chkOP(3)"};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    EXPECT_EQ(browser.documentOrder.at(i), Id(order[i])) << order[i];
  }
  const auto inputs = static_cast<std::size_t>(std::ranges::count_if(
      app::FormControls(Form()), [](const auto& entry) { return app::Base(entry).TabIndex >= 0; }));
  EXPECT_EQ(browser.documentOrder.at(inputs), Id("Label1"));
  EXPECT_EQ(
      browser.documentOrder.at(browser.elements.size() - 3 * std::size_t{app::kReadoutLabels}),
      Id("lblST(0)"));
  EXPECT_EQ(browser.documentOrder.back(), Id("lblV(26)"));
}

// "暦", the last control of the focus order, shows the almanac in the panel;
// the chart and the address stay as they were.
TEST_F(PageTest, TheAlmanacButtonShowsTheDaysTableInThePanel) {
  Page& page = Open("site=Sapporo&at=2026-09-02T20:00&dir=east");
  const ElementLayout& button = Element("cmdKOYOMI").layout;
  EXPECT_EQ(std::vector<int>({static_cast<int>(button.kind), button.left, button.top, button.width,
                              button.height, button.fontPixels}),
            std::vector<int>({static_cast<int>(ElementKind::kButton), 968, 88, 41, 25, 12}));
  const auto inputs = static_cast<std::size_t>(std::ranges::count_if(
      app::FormControls(Form()), [](const auto& entry) { return app::Base(entry).TabIndex >= 0; }));
  EXPECT_EQ(browser.documentOrder.at(inputs - 1), Id("cmdKOYOMI"));
  const std::string chart = browser.canvas.Text();
  const int address_changes = browser.addressChanges;
  page.Click(Id("cmdKOYOMI"));
  ASSERT_TRUE(browser.almanac);
  EXPECT_EQ(browser.almanac->title,
            "札幌（北緯 43.067°、東経 141.35°） 2026年9月2日（日本標準時）");
  ASSERT_EQ(browser.almanac->bodies.size(), 6u);
  EXPECT_EQ(browser.almanac->bodies[1][0], "月");
  EXPECT_EQ(browser.almanac->facts.size(), 5u);
  EXPECT_EQ(browser.canvas.Text(), chart);
  EXPECT_EQ(browser.addressChanges, address_changes);

  page.Edit(Id("txtYMD(0)"), "70000");
  page.Click(Id("cmdKOYOMI"));
  EXPECT_FALSE(browser.almanac);
  EXPECT_EQ(browser.almanacMessage, std::string(app::kNoAlmanacMessage));
}

// Start-up without an address: the clock's time, Tokyo, the night colours on
// the page and every control but the buttons, and no chart.
TEST_F(PageTest, OpensOnTheClocksTimeAtNightWithoutAChart) {
  browser.now = {2024, 2, 29, 7, 5};
  Open();
  EXPECT_EQ(browser.title, "プラネタリウム");
  EXPECT_EQ(DateTexts(), (std::vector<std::string>{"2024", "2", "29", "7", "5"}));
  EXPECT_EQ(Element("lstCITY").items.size(), 75u);
  EXPECT_EQ(Element("lstCITY").items[12], "東京");
  EXPECT_EQ(Element("lstCITY").selection, 12);
  EXPECT_EQ(Element("lstINTV1").selection, 3);
  EXPECT_EQ(Element("Command3").text, "プラネタリウム");
  EXPECT_EQ(Element("chkOP(2)").text, "高度・方位線");
  EXPECT_TRUE(Element("optDIR(2)").checked);
  EXPECT_EQ(browser.pageColour, kNight);
  EXPECT_EQ(Element("Label9").back, kNight);
  EXPECT_EQ(Element("txtYMD(0)").textColour, (chart::Colour{0, 0, 0}));
  EXPECT_FALSE(Element("Command1").back.has_value());
  EXPECT_EQ(browser.canvas.Text(), "cls 32 96 192");
  EXPECT_FALSE(browser.timerMs.has_value());
  EXPECT_FALSE(browser.operations.has_value());
  EXPECT_EQ(browser.message, "");
}

// The address sets the controls and presses the planetarium button: the
// canvas gets the drawing and the operations are shown as the recorder
// writes them; the animation starts at the display interval.
TEST_F(PageTest, AnAddressDrawsItsSkyAndShowsTheOperations) {
  Page& page = Open("site=%E6%9C%AD%E5%B9%8C&at=2005-10-22T21:00&dir=north&grid&names&step=30&ops");
  EXPECT_EQ(Element("lstCITY").selection, 0);
  EXPECT_EQ(Element("txtIDO").text, "43.067");
  EXPECT_EQ(Element("Label10").text, "札幌");
  EXPECT_EQ(DateTexts(), (std::vector<std::string>{"2005", "10", "22", "21", "0"}));
  EXPECT_TRUE(Element("optDIR(0)").checked);
  EXPECT_FALSE(Element("optDIR(2)").checked);
  EXPECT_TRUE(Element("chkOP(3)").checked);
  EXPECT_EQ(Element("lstINTV1").selection, 4);
  const std::string drawing = page.Drawing().Text();
  EXPECT_EQ(drawing.substr(0, 13), "cls 32 96 192");
  EXPECT_NE(drawing.find("print 6950 9100 北"), std::string::npos);
  EXPECT_EQ(browser.operations, drawing + "\n");
  EXPECT_EQ(browser.canvas.Text(), drawing);
  EXPECT_EQ(browser.timerMs, 6000);
  EXPECT_EQ(browser.message, "");
}

TEST_F(PageTest, ABadAddressSaysWhatItIgnoredAndDrawsTheDefaults) {
  Page& page = Open("dir=up&at=yesterday&grid=1&site=Atlantis&step=7&colour=red");
  // The first three messages and how many more there are.
  for (const char* part : {"dir=up", "at=yesterday", "grid=1"}) {
    EXPECT_NE(browser.message.find(std::string("「") + part + "」"), std::string::npos) << part;
  }
  EXPECT_NE(browser.message.find("ほかに 3 件"), std::string::npos) << browser.message;
  EXPECT_EQ(Element("lstCITY").selection, 12);
  EXPECT_EQ(Element("lstINTV1").selection, 3);
  EXPECT_FALSE(Element("chkOP(2)").checked);
  EXPECT_NE(page.Drawing().Text().find("print 6950 9100 南"), std::string::npos);
  EXPECT_FALSE(browser.operations.has_value());
}

// Edits, selections and ticks reach the model; they change nothing on the page
// until a button or the timer runs a handler.
// Values are quoted with their control characters escaped (a NUL would cut
// the message short) and cut when long; an address whose sky cannot be
// computed names the box at fault instead of leaving a blank page.
TEST_F(PageTest, TheFootSaysLegiblyWhatCouldNotBeUsedOrComputed) {
  Open("site=a%00b%1Bc");
  EXPECT_NE(browser.message.find("「site=a\\x00b\\x1bc」"), std::string::npos) << browser.message;
  Open("site=" + std::string(1'000'000, 'x'));
  EXPECT_NE(browser.message.find("…」（ほか 999925 文字）"), std::string::npos);
  EXPECT_LT(browser.message.size(), 400u);

  const std::pair<const char*, const char*> uncomputable[] = {
      {"year=32768", "年の欄（at, year）の「32768」は、-32768 から 32767 までの整数ではありません"},
      {"year=1e308", "年の欄（at, year）の「1e308」は"},
      {"hour=1e308", "時の欄（at, hour）の「1e308」は、大きすぎて計算できません"},
      {"site=入力&lat=1e999", "緯度の欄（lat）"}};
  for (const auto& [query, named] : uncomputable) {
    Open(query);
    EXPECT_NE(browser.message.find(std::string("アドレスの空は計算できません: ") + named),
              std::string::npos)
        << browser.message;
  }
  // No other sky beneath the message: Tokyo's own coordinates would replace the latitude.
  Page& page = Open("site=Tokyo&lat=1e309");
  EXPECT_NE(browser.message.find("緯度の欄（lat）の「1e309」"), std::string::npos);
  EXPECT_EQ(page.Drawing().Text(), "");
}

// Coordinates without a site are typed ones, as on the command line.
TEST_F(PageTest, CoordinatesWithoutASiteAreTypedCoordinates) {
  Open("lat=-33.87&lon=151.2&at=2024-06-21T20:00");
  EXPECT_EQ(Element("lstCITY").selection, 48);
  EXPECT_EQ(Element("txtIDO").text + " " + Element("txtKEIDO").text, "-33.87 151.2");
  EXPECT_EQ(Form().ChartDescription.rfind("南の空、緯度 -33.87 経度 151.2、", 0), 0u);
  EXPECT_EQ(browser.addressQuery,
            "site=48&lat=-33.87&lon=151.2&at=2024-06-21T20:00&dir=south&step=15");
}

TEST_F(PageTest, EventsReachTheModelAndButtonsRunTheirHandlers) {
  Page& page = Open();
  page.Edit(Id("txtYMD(0)"), "2005");
  page.Edit(Id("txtYMD(1)"), "10");
  page.Edit(Id("txtYMD(2)"), "22");
  page.Edit(Id("txtYMD(3)"), "23");
  page.Edit(Id("txtYMD(4)"), "50");
  page.Select(Id("lstINTV1"), 1);  // 5 minutes
  page.Check(Id("optDIR(1)"), true);
  page.Check(Id("chkOP(0)"), true);
  EXPECT_FALSE(Element("optDIR(1)").checked);  // the page shows the model only after a handler
  EXPECT_EQ(page.Form().optDIR[1].Value, true);
  EXPECT_EQ(page.Form().optDIR[2].Value, false);
  EXPECT_EQ(page.Form().chkOP[0].Value, 1);

  page.Click(Id("Command3"));
  EXPECT_TRUE(Element("optDIR(1)").checked);
  EXPECT_NE(page.Drawing().Text().find("print 6950 9100 東"), std::string::npos);
  EXPECT_EQ(browser.timerMs, 6000);
  browser.timerMs.reset();
  page.Tick();
  EXPECT_EQ(DateTexts(), (std::vector<std::string>{"2005", "10", "22", "23", "55"}));
  EXPECT_EQ(browser.timerMs, 6000);  // armed again after the tick
  page.Tick();
  EXPECT_EQ(DateTexts(), (std::vector<std::string>{"2005", "10", "23", "0", "0"}));

  page.Click(Id("Command2"));
  EXPECT_EQ(Element("lblST(0)").text, " 太陽");
  EXPECT_EQ(Element("lblST(6)").text, page.Form().ReadoutName[7]);
  EXPECT_FALSE(Element("lblH(0)").text.empty());
  EXPECT_EQ(page.Drawing().Text(), "cls 32 96 192");
  EXPECT_EQ(browser.canvas.Text(), "cls 32 96 192");

  // Events for elements that do not take them, or that do not exist, are ignored.
  page.Edit(Id("Label1"), "x");
  page.Select(Id("txtIDO"), 3);
  page.Click(-1);
  page.Click(1000);
  EXPECT_EQ(page.Form().Label1.Caption, "緯度");
  page.Select(Id("lstINTV2"), 99);
  EXPECT_EQ(page.Form().lstINTV2.ListIndex, -1);
}

// A tick waits while the user types in a box, so that the stepped date does
// not replace what is typed; the edit finished, the animation goes on from it.
TEST_F(PageTest, TheAnimationWaitsWhileTheUserTypes) {
  Page& page = Open("site=12&at=2005-10-22T21:00");
  page.Edit(Id("txtYMD(4)"), "5");
  page.Tick();
  page.Tick();
  EXPECT_EQ(Form().txtYMD[3].Text + ":" + Form().txtYMD[4].Text, "21:5");
  page.Edit(Id("txtYMD(4)"), "50");
  page.EditFinished();
  page.Tick();
  EXPECT_EQ(DateTexts(), (std::vector<std::string>{"2005", "10", "22", "22", "5"}));
}

TEST_F(PageTest, TheDaySkyColoursThePageAndTheControls) {
  Open("at=2005-10-22T09:00&dir=east");
  EXPECT_EQ(browser.pageColour, kDay);
  EXPECT_EQ(Element("lstCITY").back, kDay);
  EXPECT_EQ(Element("lblV(3)").back, kDay);
  EXPECT_EQ(browser.canvas.Operations().front().colour, kDay);
}

// The exit button stores the start file, stops the timer, disables every
// element and says the page may be closed; the next visit reads the file back.
TEST_F(PageTest, ExitStoresTheStartFileAndStopsThePage) {
  Page& page = Open("site=48&lat=-33.9&lon=18.4&at=2005-10-22T21:00");
  EXPECT_TRUE(browser.timerMs.has_value());
  page.Click(Id("Command1"));
  EXPECT_EQ(browser.storage["pstart.txt"],
            " 48" + std::string(11, ' ') + "-33.9" + std::string(9, ' ') + "18.4\r\n");
  EXPECT_FALSE(browser.timerMs.has_value());
  EXPECT_TRUE(browser.disabled);
  EXPECT_TRUE(page.Ended());
  EXPECT_NE(browser.message.find("閉じて"), std::string::npos);
  const int paints = browser.paints;
  page.Tick();
  page.Click(Id("Command3"));
  page.Edit(Id("txtIDO"), "1");
  EXPECT_EQ(page.Form().txtIDO.Text, "-33.9");
  EXPECT_EQ(browser.paints, paints);
  EXPECT_FALSE(browser.timerMs.has_value());

  Open();
  EXPECT_EQ(Element("lstCITY").selection, 48);
  EXPECT_EQ(Element("txtIDO").text + " " + Element("txtKEIDO").text, "-33.9 18.4");
}

TEST_F(PageTest, StoredStartFilesAreReadAsTheFileWouldBe) {
  const std::pair<std::string, int> cases[] = {
      {" 3  38.7  141\r\n", 3},
      {" 3  38.7  141", 3},                         // no line end
      {" 3  38.7  141\n 5 1 1", 3},                 // the first line only
      {std::string(" 3  38.7  141") + '\0', 12},    // binary: the defaults
      {" 3  38.7  " + std::string(5000, '1'), 12},  // too long without a line end
      {"garbage", 12}};
  for (const auto& [stored, site] : cases) {
    SCOPED_TRACE(stored.substr(0, 20));
    browser.storage["pstart.txt"] = stored;
    Open();
    EXPECT_EQ(Element("lstCITY").selection, site);
  }
  // Storage refused: the page says so at its foot and goes on, so that
  // "終了" may be pressed again once storage is back.
  browser.storageFails = true;
  Page& page = Open();
  EXPECT_EQ(Element("lstCITY").selection, 12);
  page.Click(Id("Command1"));
  EXPECT_FALSE(page.Ended());
  EXPECT_NE(browser.message.find("pstart.txt"), std::string::npos);
  EXPECT_NE(browser.message.find("QuotaExceededError"), std::string::npos);
  browser.storageFails = false;
  page.Click(Id("Command1"));
  EXPECT_TRUE(page.Ended());
  EXPECT_EQ(browser.storage["pstart.txt"].rfind(" 12 ", 0), 0u);
}

TEST_F(PageTest, RepaintDrawsTheKeptChartAgain) {
  Page& page = Open("at=2005-10-22T21:00");
  const std::string drawn = browser.canvas.Text();
  EXPECT_EQ(drawn, page.Drawing().Text());
  browser.canvas.Clear();
  page.Repaint();
  EXPECT_EQ(browser.canvas.Text(), drawn);
}

// "What is that?": a click beside Sirius's disc names it in the panel at the
// disc; a tick renews it quietly where the star has moved; the readout, the
// panel's end and empty sky put it away.
TEST_F(PageTest, AClickNamesAnObjectInThePanelUntilItGoes) {
  Page& page = Open("site=12&at=2006-01-15T20:00&dir=south&names");
  const chart::RecordingSurface::Operation* disc = nullptr;
  for (const auto& op : browser.canvas.Operations()) {
    if (op.kind == chart::RecordingSurface::Kind::kCircle) disc = &op;
    if (op.kind == chart::RecordingSurface::Kind::kPrint && op.text == "ｼﾘｳｽ") break;
  }
  const double x = disc->values[0] / 15, y = disc->values[1] / 15;  // [window pixels]
  page.PointAt(x + 4, y - 3);
  ASSERT_TRUE(browser.object);
  EXPECT_EQ(browser.object->text.rfind("シリウス（おおいぬ座α） おおいぬ座 -1.46等 高度 ", 0), 0u);
  EXPECT_LT(std::hypot(browser.object->x - x, browser.object->y - y), 1e-3);  // at the disc
  EXPECT_FALSE(browser.object->renewed);
  page.Tick();
  ASSERT_TRUE(browser.object && browser.object->renewed);
  EXPECT_GT(browser.object->x, x);  // westwards
  page.Click(Id("Command2"));       // the readout replaces the chart
  EXPECT_FALSE(browser.object);
  page.Click(Id("Command3"));
  page.StepObject(app::ObjectStep::kFirst);
  ASSERT_TRUE(browser.object);
  page.DismissObject();
  EXPECT_FALSE(browser.object);
}

// The address follows the sky after the planetarium button and each tick, and
// only then: the readout and edits leave it as it was.
TEST_F(PageTest, TheAddressFollowsTheSkyDrawn) {
  Page& page = Open("site=12&at=2005-10-22T21:00&dir=east&names&ops");
  EXPECT_EQ(browser.addressQuery, "site=12&at=2005-10-22T21:00&dir=east&names&step=15&ops");
  page.Check(Id("optDIR(3)"), true);
  page.Select(Id("lstINTV1"), 4);  // 30 minutes
  EXPECT_EQ(browser.addressChanges, 1);
  page.Click(Id("Command3"));
  EXPECT_EQ(browser.addressQuery, "site=12&at=2005-10-22T21:00&dir=west&names&step=30&ops");
  page.Tick();
  EXPECT_EQ(browser.addressQuery, "site=12&at=2005-10-22T21:30&dir=west&names&step=30&ops");
  page.Click(Id("Command2"));
  EXPECT_EQ(browser.addressChanges, 3);

  // The present time and another zone become the instant itself.
  browser.now = {2024, 8, 13, 5, 0};
  Open("at=now&dir=north");
  EXPECT_EQ(browser.addressQuery, "site=12&at=2024-08-13T05:00&dir=north&step=15");
  Open("at=2024-08-12T22:00&tz=Europe/Paris");
  EXPECT_EQ(browser.addressQuery, "site=12&at=2024-08-13T05:00&dir=south&step=15");
  const int changes = browser.addressChanges;
  Open();
  EXPECT_EQ(browser.addressChanges, changes);
}

// The wheel magnifies about the pointer: the sky under it stays, the address
// gains the zoom and the centre; the whole view is drawn again as it was.
TEST_F(PageTest, ZoomKeepsTheSkyUnderThePointerAndTheAddressFollows) {
  Page& page = Open("site=12&at=2006-01-15T20:00&dir=south");
  const std::string whole = browser.canvas.Text();
  const auto sirius = [this] {
    for (const app::PointedObject& o : app::ObjectsOnChart(Form())) {
      if (o.info.id == "sirius") return chart::WindowPoint{o.x / 15, o.y / 15};  // [window pixels]
    }
    ADD_FAILURE() << "Sirius is not on the chart";
    return chart::WindowPoint{};
  };
  const chart::WindowPoint pointer = sirius();
  for (int notch = 0; notch < 4; ++notch) page.Wheel(app::kWheelNotch, pointer.x, pointer.y);
  EXPECT_NEAR(sirius().x, pointer.x, 0.01);
  EXPECT_NEAR(sirius().y, pointer.y, 0.01);
  EXPECT_TRUE(browser.magnified);
  EXPECT_NE(browser.addressQuery.value_or("").find("&zoom=2&center="), std::string::npos);
  page.Gesture(-40, 25, 1, pointer.x, pointer.y);
  EXPECT_NEAR(sirius().x, pointer.x - 40, 0.01);
  EXPECT_NEAR(sirius().y, pointer.y + 25, 0.01);
  page.ZoomKey(app::ZoomKey::kWhole);
  EXPECT_FALSE(browser.magnified);
  EXPECT_EQ(browser.addressQuery, "site=12&at=2006-01-15T20:00&dir=south&step=15");
  EXPECT_EQ(browser.canvas.Text(), whole);
}

// "東の空、東京、…: 月 高度 23.1 方位 81.2、土星 高度 …" -> 月, 土星.
std::vector<std::string> NamesDescribed(const std::string& words) {
  std::vector<std::string> names;
  const std::string_view separator = "、";
  std::size_t at = words.find(": ");
  if (at == std::string::npos || words.find("名前のある天体は見えません") != std::string::npos) {
    return names;
  }
  for (at += 2; at < words.size();) {
    const std::size_t end = std::min(words.find(separator, at), words.size());
    const std::string item = words.substr(at, end - at);
    names.push_back(item.substr(0, item.find(" 高度 ")));
    at = end + separator.size();
  }
  return names;
}

// The chart in words follows every drawing; it is read out after the button,
// not on ticks.
TEST_F(PageTest, TheChartsDescriptionFollowsTheChart) {
  // Bright stars and planets by night, only the Sun, the Moon and Venus by
  // day, and of them only those drawn within the chart.
  const std::pair<const char*, std::size_t> queries[] = {
      {"site=12&at=2005-10-22T21:00&dir=south&names", 2},
      {"site=12&at=2005-10-22T09:00&dir=east&names", 1},
      {"site=%E5%85%A5%E5%8A%9B&lat=-33.9&lon=18.4&at=2024-06-21T23:30&dir=west&names", 2},
      {"site=12&at=2005-10-22T12:00&dir=north&names", 0}};
  for (const auto& [query, at_least] : queries) {
    Open(query);
    EXPECT_EQ(browser.description, Form().ChartDescription) << query;
    // Which names the words hold is the window model's business (its own
    // test); the page shows them all.
    EXPECT_GE(NamesDescribed(browser.description).size(), at_least) << query;
  }
  EXPECT_TRUE(browser.announcements.empty());

  Page& page = Open("site=12&at=2005-10-22T21:00&dir=east&names");
  page.Click(Id("Command3"));
  ASSERT_EQ(browser.announcements.size(), 1u);
  EXPECT_EQ(browser.announcements[0], browser.description);
  EXPECT_EQ(browser.description.rfind("東の空、東京、2005年10月22日 21時0分: ", 0), 0u);
  page.Tick();
  EXPECT_NE(browser.description.find("21時15分"), std::string::npos);
  EXPECT_EQ(browser.announcements.size(), 1u);
  page.Click(Id("Command2"));
  EXPECT_EQ(browser.description, "");
}

// The printed page's picture is the chart in the print palette, drawn when
// printing starts and with every drawing until it ends, under it the caption
// of the chart shown; nothing before the first chart.
TEST_F(PageTest, ThePrintedPageHoldsTheChartInThePrintPaletteAndItsCaption) {
  Page& page = Open("at=2005-10-22T21:00");
  EXPECT_EQ(browser.printCanvas.Text(), "");
  page.Print();
  EXPECT_EQ(browser.printCaption,
            "東京（北緯 35.65°、東経 139.75°） 2005年10月22日 21時0分（日本標準時） 南の空");
  const auto& screen = browser.canvas.Operations();
  const auto& paper = browser.printCanvas.Operations();
  ASSERT_EQ(paper.size(), screen.size());
  for (std::size_t i = 0; i < paper.size(); ++i) {
    EXPECT_EQ(std::tie(paper[i].kind, paper[i].values, paper[i].text),
              std::tie(screen[i].kind, screen[i].values, screen[i].text));
  }
  EXPECT_EQ(paper.front().colour, (chart::Colour{255, 255, 255}));
  page.Tick();
  EXPECT_EQ(browser.printCanvas.Operations().size(), browser.canvas.Operations().size());
  EXPECT_NE(browser.printCaption.find("21時15分"), std::string::npos);
  page.Click(Id("Command2"));
  EXPECT_EQ(browser.printCaption, "");
  EXPECT_EQ(browser.printCanvas.Text(), "cls 255 255 255");
  page.Click(Id("Command3"));
  const std::string printed = browser.printCanvas.Text();
  page.PrintEnded();
  page.Tick();
  EXPECT_NE(browser.printCaption.find("21時30分"), std::string::npos);
  EXPECT_EQ(browser.printCanvas.Text(), printed);
}

}  // namespace
}  // namespace web
