// "What is that?" in the window: a click on the chart, at any scale, names
// the object there in a panel beside it, which is the chart's accessible name
// meanwhile; Right steps on; Escape (before full screen's) and empty sky put
// it away; a drag names nothing.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/object_info.h"
#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct IgnoredProcess final : app::Process {
  void End() override {}
};

class ChartPointingTest : public ::testing::TestWithParam<QSize> {
 protected:
  platform_test::FixedClock clock;  // Tokyo, 2000-01-01 21:00, the south
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
};

TEST_P(ChartPointingTest, AClickNamesTheObjectBesideItUntilEscapeOrEmptySky) {
  w.resize(GetParam());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  Find<QPushButton>(w, "Command3").click();
  const std::vector<app::PointedObject> objects = app::ObjectsOnChart(w.Form());
  const auto sirius = std::find_if(objects.begin(), objects.end(),
                                   [](const auto& o) { return o.info.id == "sirius"; });
  ASSERT_TRUE(sirius != objects.end() && sirius + 1 != objects.end());
  QWidget& chart = Find<QWidget>(w, "chart");
  QLabel& panel = Find<QLabel>(w, "objectPanel");
  const auto name = [&chart] {
    return QAccessible::queryAccessibleInterface(&chart)->text(QAccessible::Name).toStdString();
  };
  const double scale = chart.width() / 15600.0;  // [window pixels per twip]
  const QPoint at = QPointF(sirius->x * scale, sirius->y * scale).toPoint();

  QTest::mouseClick(&chart, Qt::LeftButton, {}, at + QPoint(3, -2));
  ASSERT_TRUE(panel.isVisible());
  EXPECT_EQ(panel.text().toStdString(), sirius->info.Text());
  EXPECT_EQ(name(), sirius->info.Text());
  const QPoint in_window = chart.mapTo(&w, at);  // beside the star, clear of it, inside the window
  EXPECT_FALSE(panel.geometry().adjusted(-4, -4, 4, 4).contains(in_window));
  EXPECT_LT((panel.geometry().center() - in_window).manhattanLength(), 200);
  EXPECT_TRUE(w.rect().contains(panel.geometry()));
  QTest::keyClick(&chart, Qt::Key_Right);  // the click gave the chart the focus
  EXPECT_EQ(name(), (sirius + 1)->info.Text());
  QTest::keyClick(&chart, Qt::Key_Escape);
  EXPECT_FALSE(panel.isVisible());
  EXPECT_EQ(name(), "星図");

  QTest::mouseClick(&chart, Qt::LeftButton, {}, at);
  ASSERT_TRUE(panel.isVisible());
  QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(chart.width() / 2, 2));  // empty sky
  EXPECT_FALSE(panel.isVisible());
  QTest::mousePress(&chart, Qt::LeftButton, {}, at + QPoint(-40, 0));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, at);
  EXPECT_FALSE(panel.isVisible());
  // In full screen Escape first puts the panel away, then leaves full screen.
  w.showFullScreen();
  ASSERT_TRUE(QTest::qWaitFor([this] { return w.isFullScreen(); }));
  QTest::keyClick(&chart, Qt::Key_Home);
  QTest::keyClick(&chart, Qt::Key_Escape);
  EXPECT_FALSE(panel.isVisible());
  EXPECT_TRUE(w.isFullScreen());
  QTest::keyClick(&chart, Qt::Key_Escape);
  EXPECT_FALSE(w.isFullScreen());
}

INSTANTIATE_TEST_SUITE_P(Scales, ChartPointingTest,
                         ::testing::Values(QSize(1040, 640), QSize(1560, 1000), QSize(600, 600)));

}  // namespace
}  // namespace platform
