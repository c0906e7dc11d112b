#include "platform/main_window.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "fakes.h"

namespace platform {
namespace {

constexpr QColor kNight(32, 96, 192);
constexpr QColor kDay(0, 144, 255);

QRect Logical(const app::Bounds& b) {
  return QRect(b.left / 15, b.top / 15, b.width / 15, b.height / 15);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetDateTime(const std::vector<const char*>& texts) {
    for (int i = 0; i < 5; ++i) {
      QLineEdit& box = window.DateBox(i);
      box.selectAll();
      QTest::keyClicks(&box, QString::fromUtf8(texts[static_cast<std::size_t>(i)]));
    }
  }
  QRgb PixelAt(int x, int y) { return window.grab().toImage().pixel(x, y); }

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  platform_test::CountingProcess process;
  MainWindow window{clock, start_file, process};
};

TEST_F(MainWindowTest, OpensWithTheCaptionAndRoomForTheWholeLayout) {
  EXPECT_EQ(window.windowTitle().toStdString(), "プラネタリウム");
  EXPECT_GE(window.width(), 1034);  // the horizon line: 15500 twips
  EXPECT_GE(window.height(), 625);  // the lowest readout row and the direction words
}

TEST_F(MainWindowTest, EveryControlAtItsPlace) {
  app::Form1& form = window.Form();
  const struct {
    QWidget* widget;
    const app::Control* control;
    const char* name;
  } controls[] = {
      {&window.SiteList(), &form.lstCITY, "lstCITY"},
      {&window.StepList(), &form.lstINTV1, "lstINTV1"},
      {&window.IntervalList(), &form.lstINTV2, "lstINTV2"},
      {&window.ExitButton(), &form.Command1, "Command1"},
      {&window.ReadoutButton(), &form.Command2, "Command2"},
      {&window.PlanetariumButton(), &form.Command3, "Command3"},
      {&window.CaptionLabel(1), &form.Label1, "Label1"},
      {&window.CaptionLabel(10), &form.Label10, "Label10"},
      {&window.DirectionOption(0), &form.optDIR[0], "optDIR(0)"},
      {&window.DirectionOption(3), &form.optDIR[3], "optDIR(3)"},
      {&window.ChartOption(2), &form.chkOP[2], "chkOP(2)"},
      {&window.ReadoutName(0), &form.lblST[0], "lblST(0)"},
      {&window.ReadoutAltitude(14), &form.lblH[14], "lblH(14)"},
      {&window.ReadoutAzimuth(26), &form.lblV[26], "lblV(26)"},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.widget->geometry(), Logical(c.control->bounds));
  }
  // Text boxes: the edit sits inside its one-pixel sunken border.
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(window.DateBox(i).geometry(),
              Logical(form.txtYMD[static_cast<std::size_t>(i)].bounds).adjusted(1, 1, -1, -1));
  }
  EXPECT_EQ(window.LatitudeBox().geometry(), Logical(form.txtIDO.bounds).adjusted(1, 1, -1, -1));
  // The readout's lowest left row at y = 9000 twips, the right block's first at x = 5760.
  EXPECT_EQ(window.ReadoutName(14).geometry().top(), 600);
  EXPECT_EQ(window.ReadoutName(15).geometry().left(), 384);
}

TEST_F(MainWindowTest, TextBoxesLieAboveTheCaptionsThatReachUnderThem) {
  // "年" (Label2) reaches 135 twips under the month box.
  const QPoint inside_month = window.DateBox(1).geometry().topLeft() + QPoint(2, 5);
  EXPECT_EQ(window.childAt(inside_month), &window.DateBox(1));
  const QPoint inside_day = window.DateBox(2).geometry().topLeft() + QPoint(2, 5);
  EXPECT_EQ(window.childAt(inside_day), &window.DateBox(2));
}

TEST_F(MainWindowTest, ShowsTheModelAfterStartUp) {
  EXPECT_EQ(window.SiteList().count(), 75);
  EXPECT_EQ(window.SiteList().currentItem()->text().toStdString(), "東京");
  EXPECT_EQ(window.CaptionLabel(10).text().toStdString(), "東京");
  EXPECT_EQ(window.LatitudeBox().text().toStdString(), "35.65");
  EXPECT_EQ(window.LongitudeBox().text().toStdString(), "139.75");
  const char* boxes[] = {"2000", "1", "1", "21", "0"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(window.DateBox(i).text().toStdString(), boxes[i]);
  EXPECT_EQ(window.StepList().currentItem()->text().toStdString(), "15");
  EXPECT_EQ(window.IntervalList().currentItem()->text().toStdString(), " 6");
  EXPECT_TRUE(window.DirectionOption(2).isChecked());
  EXPECT_EQ(window.PlanetariumButton().text().toStdString(), "プラネタリウム");
  EXPECT_EQ(window.palette().color(QPalette::Window), kNight);
  EXPECT_FALSE(window.Timer().Active());
}

TEST_F(MainWindowTest, EditsReachTheModelAtOnce) {
  app::Form1& form = window.Form();
  window.LatitudeBox().selectAll();
  QTest::keyClicks(&window.LatitudeBox(), "43.1");
  EXPECT_EQ(form.txtIDO.Text, "43.1");
  window.SiteList().setCurrentRow(48);
  EXPECT_EQ(form.lstCITY.ListIndex, 48);
  window.StepList().setCurrentRow(5);
  EXPECT_EQ(form.lstINTV1.Text(), "60");
  QTest::mouseClick(&window.ChartOption(3), Qt::LeftButton);
  EXPECT_EQ(form.chkOP[3].Value, 1);
  window.DirectionOption(1).click();
  EXPECT_TRUE(form.optDIR[1].Value);
  EXPECT_FALSE(form.optDIR[2].Value);
}

TEST_F(MainWindowTest, TheNumericButtonFillsTheLabels) {
  window.ReadoutButton().click();
  EXPECT_EQ(window.ReadoutName(0).text().toStdString(), " 太陽");
  EXPECT_EQ(window.ReadoutName(1).text().toStdString(), " 月　");
  for (int i = 0; i < 26; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(window.ReadoutName(i).text().isEmpty());
    const QString alt = window.ReadoutAltitude(i).text();
    ASSERT_GE(alt.size(), 3);
    EXPECT_EQ(alt[alt.size() - 2], u'.');
    EXPECT_FALSE(window.ReadoutAzimuth(i).text().isEmpty());
  }
  EXPECT_TRUE(window.ReadoutName(26).text().isEmpty());
  // The readout is text only: the sky (and the chart) shows between the letters.
  EXPECT_FALSE(window.ReadoutName(0).autoFillBackground());
  EXPECT_EQ(window.palette().color(QPalette::Window), kNight);
}

TEST_F(MainWindowTest, DaytimeColoursReachEveryColouredWidget) {
  SetDateTime({"2000", "1", "1", "12", "0"});
  window.PlanetariumButton().click();
  EXPECT_EQ(window.palette().color(QPalette::Window), kDay);
  for (QWidget* w : std::vector<QWidget*>{&window.CaptionLabel(1), &window.CaptionLabel(10),
                                          &window.DirectionOption(0), &window.ChartOption(3)}) {
    SCOPED_TRACE(w->metaObject()->className());
    EXPECT_EQ(w->palette().color(w->backgroundRole()), kDay);
    EXPECT_TRUE(w->autoFillBackground());
  }
  for (QWidget* w : std::vector<QWidget*>{
           &window.DateBox(0), &window.DateBox(4), &window.LatitudeBox(), &window.LongitudeBox(),
           &window.SiteList(), &window.StepList(), &window.IntervalList()}) {
    SCOPED_TRACE(w->metaObject()->className());
    EXPECT_EQ(w->palette().color(QPalette::Base), kDay);
  }
  EXPECT_EQ(window.DateBox(0).palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_NE(window.PlanetariumButton().palette().color(QPalette::Button), kDay);
  EXPECT_EQ(QColor(PixelAt(500, 300)), kDay);  // open sky
}

TEST_F(MainWindowTest, TheChartIsPaintedAndStaysWhenTheWindowIsResized) {
  window.PlanetariumButton().click();
  EXPECT_EQ(QColor(PixelAt(500, 600)), QColor(88, 88, 88));  // the horizon at y = 9000 twips
  window.resize(900, 500);
  window.resize(1040, 640);
  EXPECT_EQ(QColor(PixelAt(500, 600)), QColor(88, 88, 88));
  EXPECT_EQ(QColor(PixelAt(500, 630)), kNight);
}

TEST_F(MainWindowTest, ReadoutAndChartAreSeenTogether) {
  window.ReadoutButton().click();
  window.Tick();  // the table for the time before the step, the chart after it
  EXPECT_FALSE(window.ReadoutName(0).text().isEmpty());
  EXPECT_FALSE(window.Drawing().Ops().empty());
  EXPECT_EQ(QColor(PixelAt(1000, 600)), QColor(88, 88, 88));
}

TEST_F(MainWindowTest, ThePlanetariumButtonStartsTheAnimation) {
  window.PlanetariumButton().click();
  EXPECT_TRUE(window.Timer().Active());
  EXPECT_EQ(window.Timer().Interval(), 6000);
  window.Timer().Fire();
  EXPECT_EQ(window.DateBox(3).text().toStdString(), "21");
  EXPECT_EQ(window.DateBox(4).text().toStdString(), "15");
  EXPECT_EQ(window.CaptionLabel(10).text().toStdString(), "東京");
  EXPECT_TRUE(window.Timer().Active());
}

TEST_F(MainWindowTest, FocusFollowsTheTabOrder) {
  const std::vector<QWidget*> expected = {
      &window.DateBox(0),         &window.DateBox(1),         &window.DateBox(2),
      &window.DateBox(3),         &window.DateBox(4),         &window.SiteList(),
      &window.ExitButton(),       &window.ReadoutButton(),    &window.LatitudeBox(),
      &window.LongitudeBox(),     &window.DirectionOption(0), &window.DirectionOption(1),
      &window.DirectionOption(2), &window.DirectionOption(3), &window.PlanetariumButton(),
      &window.StepList(),         &window.IntervalList(),     &window.ChartOption(0),
      &window.ChartOption(1),     &window.ChartOption(2),     &window.ChartOption(3)};
  std::vector<QWidget*> chain;
  QWidget* w = expected.front();
  do {
    if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != expected.front() && chain.size() < 100);
  EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, ExitWritesTheStartFileAndEndsAtOnce) {
  window.PlanetariumButton().click();
  window.ExitButton().click();
  ASSERT_TRUE(start_file.written);
  EXPECT_EQ(start_file.written->rfind(" 12 ", 0), 0u);
  EXPECT_EQ(process.ends, 1);
  EXPECT_TRUE(window.Ended());
  EXPECT_FALSE(window.Timer().Active());
  const std::string before = window.DateBox(4).text().toStdString();
  window.Timer().Fire();
  window.PlanetariumButton().click();
  EXPECT_EQ(window.DateBox(4).text().toStdString(), before);
  EXPECT_EQ(process.ends, 1);
}

}  // namespace
}  // namespace platform
