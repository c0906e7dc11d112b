// "What is that?" in the window: a click on the chart, at any scale, names
// the object drawn there in a panel beside it; the keys step through the
// objects; Escape and empty sky put the panel away; screen readers hear it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/object_info.h"
#include "app/screen_units.h"
#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct IgnoredProcess final : app::Process {
  void End() override {}
};

std::string AccessibleName(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name).toStdString();
}

class ChartPointingTest : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override {
    w.resize(GetParam());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Find<QPushButton>(w, "Command3").click();  // Tokyo, 2000-01-01 21:00, the south
    objects = app::ObjectsOnChart(w.Form());
    ASSERT_GT(objects.size(), 10u);
  }
  QWidget& Chart() { return Find<QWidget>(w, "chart"); }
  QLabel& Panel() { return Find<QLabel>(w, "objectPanel"); }
  // The object's centre in the chart's own pixels.
  QPoint InChart(const app::PointedObject& object) {
    const double scale = double(Chart().width()) / 1040;  // [view pixels per form pixel]
    return QPointF(object.x * scale / app::kTwipsPerPixel, object.y * scale / app::kTwipsPerPixel)
        .toPoint();
  }

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
  std::vector<app::PointedObject> objects;
};

TEST_P(ChartPointingTest, AClickNamesTheObjectBesideItAndEscapeOrEmptySkyPutsItAway) {
  const app::PointedObject& sirius = *std::find_if(
      objects.begin(), objects.end(), [](const auto& o) { return o.info.id == "sirius"; });
  const QPoint at = InChart(sirius);
  QTest::mouseClick(&Chart(), Qt::LeftButton, {}, at + QPoint(3, -2));
  ASSERT_TRUE(Panel().isVisible());
  EXPECT_EQ(Panel().text().toStdString(), sirius.info.Text());
  EXPECT_EQ(AccessibleName(Chart()), sirius.info.Text());
  // Beside the star, clear of it, inside the window.
  const QPoint in_window = Chart().mapTo(&w, at);
  EXPECT_FALSE(Panel().geometry().adjusted(-4, -4, 4, 4).contains(in_window));
  EXPECT_LT((Panel().geometry().center() - in_window).manhattanLength(), 200);
  EXPECT_TRUE(w.rect().contains(Panel().geometry()));
  ASSERT_EQ(QApplication::focusWidget(), &Chart());
  const QTimer* countdown = Chart().findChild<QTimer*>();
  ASSERT_NE(countdown, nullptr);
  EXPECT_TRUE(countdown->isActive());
  EXPECT_EQ(countdown->interval(), app::kObjectPanelMilliseconds);

  QTest::keyClick(&Chart(), Qt::Key_Escape);
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_EQ(AccessibleName(Chart()), "星図");

  QTest::mouseClick(&Chart(), Qt::LeftButton, {}, at);
  ASSERT_TRUE(Panel().isVisible());
  QTest::mouseClick(&Chart(), Qt::LeftButton, {}, QPoint(Chart().width() / 2, 2));  // empty sky
  EXPECT_FALSE(Panel().isVisible());
  // A press that moved is a drag, not a click.
  QTest::mousePress(&Chart(), Qt::LeftButton, {}, at + QPoint(-40, 0));
  QTest::mouseMove(&Chart(), at);
  QTest::mouseRelease(&Chart(), Qt::LeftButton, {}, at);
  EXPECT_FALSE(Panel().isVisible());
}

// Right from nothing is the leftmost object, Left goes round to the last;
// each becomes the chart's name for screen readers (told over AT-SPI in
// atspi_test.py: offscreen, Qt's accessibility events go nowhere).
TEST_P(ChartPointingTest, KeysStepThroughTheObjects) {
  Chart().setFocus(Qt::TabFocusReason);
  std::vector<std::string> names;
  for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Home, Qt::Key_End,
                            Qt::Key_Right, Qt::Key_Escape}) {
    QTest::keyClick(&Chart(), key);
    names.push_back(AccessibleName(Chart()));
    EXPECT_EQ(Panel().isVisible() ? Panel().text().toStdString() : "星図", names.back());
  }
  EXPECT_EQ(names, (std::vector<std::string>{objects[0].info.Text(), objects.back().info.Text(),
                                             objects[objects.size() - 2].info.Text(),
                                             objects[0].info.Text(), objects.back().info.Text(),
                                             objects[0].info.Text(), "星図"}));
}

INSTANTIATE_TEST_SUITE_P(Scales, ChartPointingTest,
                         ::testing::Values(QSize(1040, 640), QSize(1560, 1000), QSize(600, 600)));

}  // namespace
}  // namespace platform
