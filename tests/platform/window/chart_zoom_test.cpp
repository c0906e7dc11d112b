// Zoom and pan in the window: the wheel magnifies about the pointer by its
// turn, however many events bring it, keeping the star under the pointer; a
// drag carries that star along; Ctrl+0 brings back the whole view, painted
// exactly as before.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <optional>
#include <string>

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

void Wheel(QWidget& chart, QPoint at, int angle) {
  QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&chart, &wheel);
}

class ChartZoomWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.resize(1560, 960);  // one and a half times the form: 10 twips a view pixel
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Find<QPushButton>(w, "Command3").click();
    w.Timer().Halt();
  }
  // The identity of the object at a point of the view, or "" for none.
  std::string At(QPoint point) {
    const std::optional<app::ObjectInfo> info =
        app::ObjectAt(w.Form(), point.x() * 10.0, point.y() * 10.0);
    return info ? info->id : "";
  }
  QPoint Sirius() {
    for (const app::PointedObject& o : app::ObjectsOnChart(w.Form())) {
      if (o.info.id == "sirius") return QPointF(o.x / 10, o.y / 10).toPoint();
    }
    ADD_FAILURE() << "Sirius is not on the chart";
    return {};
  }

  platform_test::FixedClock clock;  // Tokyo, 2000-01-01 21:00, the south
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
};

TEST_F(ChartZoomWindowTest, TheWheelZoomsByItsTurnAboutThePointer) {
  QWidget& chart = Find<QWidget>(w, "chart");
  const QPoint sirius = Sirius();
  for (const int events : {1, 8}) {
    SCOPED_TRACE(events);
    for (int i = 0; i < events; ++i) Wheel(chart, sirius, 120 / events);
    EXPECT_NEAR(w.Form().chartZoom.Factor(), std::exp2(0.25), 1e-12);
    EXPECT_EQ(At(sirius), "sirius");
    Wheel(chart, sirius, -120);
    EXPECT_FALSE(w.Form().chartZoom.Magnified());
  }
}

TEST_F(ChartZoomWindowTest, ADragPansAndCtrl0BringsBackTheWholeViewAsItWas) {
  QWidget& chart = Find<QWidget>(w, "chart");
  const QImage whole = chart.grab().toImage();
  const QPoint sirius = Sirius();
  EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
  Wheel(chart, sirius, 4 * 120);
  EXPECT_EQ(chart.cursor().shape(), Qt::OpenHandCursor);
  const QPoint by(-60, -30);
  QTest::mousePress(&chart, Qt::LeftButton, {}, sirius);
  QTest::mouseMove(&chart, sirius + by / 2);
  QTest::mouseMove(&chart, sirius + by);
  EXPECT_EQ(chart.cursor().shape(), Qt::ClosedHandCursor);
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, sirius + by);
  EXPECT_EQ(At(sirius + by), "sirius");
  EXPECT_EQ(Find<QWidget>(w, "objectPanel").isVisible(), false);  // a drag names nothing
  QTest::keyClick(&chart, Qt::Key_Plus);
  EXPECT_NEAR(w.Form().chartZoom.Factor(), 2 * std::sqrt(2), 1e-12);

  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier);
  EXPECT_FALSE(w.Form().chartZoom.Magnified());
  EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(chart.grab().toImage() == whole);
}

}  // namespace
}  // namespace platform
