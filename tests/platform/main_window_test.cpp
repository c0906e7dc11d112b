#include "platform/main_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "fakes.h"

namespace platform {
namespace {

constexpr QColor kNight(32, 96, 192);
constexpr QColor kDay(0, 144, 255);
constexpr QColor kHorizon(88, 88, 88);

std::string Text(const QLabel& label) {
  return label.text().toStdString();
}
std::string Text(const QLineEdit& box) {
  return box.text().toStdString();
}
std::string Text(const QListWidget& list) {
  return list.currentItem()->text().toStdString();
}

class MainWindowTest : public ::testing::Test {
 protected:
  QColor PixelAt(int x, int y) { return QColor(w.grab().toImage().pixel(x, y)); }

  platform_test::FixedClock clock;  // 2000-01-01 21:00
  platform_test::MemoryStartFile start_file;
  platform_test::CountingProcess process;
  MainWindow w{clock, start_file, process};
};

TEST_F(MainWindowTest, ShowsTheLayoutAndTheModelAfterStartUp) {
  EXPECT_EQ(w.windowTitle().toStdString(), "プラネタリウム");
  EXPECT_GE(w.width(), 1034);  // the horizon line: 15500 twips at 15 twips a pixel
  EXPECT_GE(w.height(), 625);  // the lowest readout row and the direction words
  EXPECT_EQ(w.SiteList().geometry(), QRect(8, 8, 65, 82));  // 120, 120, 975, 1230 twips
  EXPECT_EQ(w.ReadoutName(14).geometry().top(), 600);       // y = 9000 twips
  EXPECT_EQ(w.ReadoutName(15).geometry().left(), 384);      // x = 5760 twips
  // "年" (Label2) reaches under the month box; the box stays on top.
  const QPoint inside_month = w.DateBox(1).geometry().topLeft() + QPoint(2, 5);
  EXPECT_EQ(w.childAt(inside_month), &w.DateBox(1));
  EXPECT_EQ(w.SiteList().count(), 75);
  const std::pair<std::string, const char*> shown[] = {
      {Text(w.SiteList()), "東京"},     {Text(w.CaptionLabel(10)), "東京"},
      {Text(w.LatitudeBox()), "35.65"}, {Text(w.LongitudeBox()), "139.75"},
      {Text(w.DateBox(0)), "2000"},     {Text(w.DateBox(1)), "1"},
      {Text(w.DateBox(2)), "1"},        {Text(w.DateBox(3)), "21"},
      {Text(w.DateBox(4)), "0"},        {Text(w.StepList()), "15"},
      {Text(w.IntervalList()), " 6"}};
  for (const auto& [text, expected] : shown) EXPECT_EQ(text, expected);
  EXPECT_TRUE(w.DirectionOption(2).isChecked());
  EXPECT_EQ(w.palette().color(QPalette::Window), kNight);
  EXPECT_FALSE(w.Timer().Active());
}

TEST_F(MainWindowTest, EditsReachTheModelAtOnce) {
  app::Form1& form = w.Form();
  w.LatitudeBox().selectAll();
  QTest::keyClicks(&w.LatitudeBox(), "43.1");
  EXPECT_EQ(form.txtIDO.Text, "43.1");
  w.SiteList().setCurrentRow(48);
  EXPECT_EQ(form.lstCITY.ListIndex, 48);
  w.StepList().setCurrentRow(5);
  EXPECT_EQ(form.lstINTV1.Text(), "60");
  QTest::mouseClick(&w.ChartOption(3), Qt::LeftButton);
  EXPECT_EQ(form.chkOP[3].Value, 1);
  w.DirectionOption(1).click();
  EXPECT_TRUE(form.optDIR[1].Value);
  EXPECT_FALSE(form.optDIR[2].Value);
}

TEST_F(MainWindowTest, TheNumericButtonFillsTheLabels) {
  w.ReadoutButton().click();
  EXPECT_EQ(Text(w.ReadoutName(0)), " 太陽");
  EXPECT_EQ(Text(w.ReadoutName(1)), " 月　");
  for (int i = 0; i < 26; ++i) {
    EXPECT_FALSE(w.ReadoutName(i).text().isEmpty()) << i;
    for (const QLabel* label : {&w.ReadoutAltitude(i), &w.ReadoutAzimuth(i)}) {
      const QString value = label->text();  // "0.0": one decimal
      ASSERT_GE(value.size(), 3) << i;
      EXPECT_EQ(value[value.size() - 2], u'.') << i;
    }
  }
  EXPECT_TRUE(w.ReadoutName(26).text().isEmpty());
  EXPECT_EQ(w.palette().color(QPalette::Window), kNight);
  // A tick renews the table and then draws the chart; the labels are text
  // only, so the chart shows between them.
  w.Tick();
  EXPECT_FALSE(w.ReadoutName(0).text().isEmpty());
  EXPECT_FALSE(w.ReadoutName(0).autoFillBackground());
  EXPECT_EQ(PixelAt(1000, 600), kHorizon);
}

TEST_F(MainWindowTest, DaytimeColoursReachEveryColouredWidget) {
  w.DateBox(3).selectAll();
  QTest::keyClicks(&w.DateBox(3), "12");
  w.PlanetariumButton().click();
  EXPECT_EQ(w.palette().color(QPalette::Window), kDay);
  for (QWidget* filled : std::vector<QWidget*>{&w.CaptionLabel(1), &w.CaptionLabel(10),
                                               &w.DirectionOption(0), &w.ChartOption(3)}) {
    EXPECT_EQ(filled->palette().color(filled->backgroundRole()), kDay);
    EXPECT_TRUE(filled->autoFillBackground());
  }
  for (QWidget* input :
       std::vector<QWidget*>{&w.DateBox(0), &w.DateBox(4), &w.LatitudeBox(), &w.LongitudeBox(),
                             &w.SiteList(), &w.StepList(), &w.IntervalList()}) {
    EXPECT_EQ(input->palette().color(QPalette::Base), kDay) << input->metaObject()->className();
  }
  EXPECT_EQ(w.DateBox(0).palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_NE(w.PlanetariumButton().palette().color(QPalette::Button), kDay);
  EXPECT_EQ(PixelAt(500, 300), kDay);  // open sky
}

TEST_F(MainWindowTest, ThePlanetariumButtonDrawsAndAnimates) {
  w.PlanetariumButton().click();
  EXPECT_EQ(PixelAt(500, 600), kHorizon);  // y = 9000 twips
  w.resize(900, 500);  // the chart is kept, not recomputed, when the window changes
  w.resize(1040, 640);
  EXPECT_EQ(PixelAt(500, 600), kHorizon);
  EXPECT_EQ(PixelAt(500, 630), kNight);
  EXPECT_EQ(w.Timer().Interval(), 6000);
  w.Timer().Fire();
  EXPECT_EQ(Text(w.DateBox(3)), "21");
  EXPECT_EQ(Text(w.DateBox(4)), "15");
  EXPECT_TRUE(w.Timer().Active());
}

TEST_F(MainWindowTest, FocusFollowsTheTabOrder) {
  const std::vector<QWidget*> expected = {
      &w.DateBox(0),         &w.DateBox(1),         &w.DateBox(2),          &w.DateBox(3),
      &w.DateBox(4),         &w.SiteList(),         &w.ExitButton(),        &w.ReadoutButton(),
      &w.LatitudeBox(),      &w.LongitudeBox(),     &w.DirectionOption(0),  &w.DirectionOption(1),
      &w.DirectionOption(2), &w.DirectionOption(3), &w.PlanetariumButton(), &w.StepList(),
      &w.IntervalList(),     &w.ChartOption(0),     &w.ChartOption(1),      &w.ChartOption(2),
      &w.ChartOption(3)};
  std::vector<QWidget*> chain;
  QWidget* next = expected.front();
  do {
    if (next->focusPolicy() & Qt::TabFocus) chain.push_back(next);
    next = next->nextInFocusChain();
  } while (next != expected.front() && chain.size() < 100);
  EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, ExitWritesTheStartFileAndEndsAtOnce) {
  w.PlanetariumButton().click();
  w.ExitButton().click();
  EXPECT_EQ(start_file.written.value_or("").rfind(" 12 ", 0), 0u);
  EXPECT_EQ(process.ends, 1);
  EXPECT_TRUE(w.Ended());
  EXPECT_FALSE(w.Timer().Active());
  w.Timer().Fire();  // no event is handled any more
  w.PlanetariumButton().click();
  EXPECT_EQ(Text(w.DateBox(4)), "0");
  EXPECT_EQ(process.ends, 1);
}

}  // namespace
}  // namespace platform
