// The window at any size: the form scaled alike to the largest size that
// fits, centred; the chart redrawn at that scale from its recording; the
// opening size within the screen; full screen and back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <string>

#include "app/control_table.h"
#include "chart/recording_surface.h"
#include "platform/qt/chart_picture.h"
#include "platform/qt/painter_surface.h"
#include "platform/window/form_scale.h"
#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct IgnoredProcess final : app::Process {
  void End() override {}
};

TEST(FormScale, FitsTheFormCentredAndOpensWithinTheScreen) {
  const struct {
    QSize window;
    double scale;
    QPoint origin;
  } cases[] = {{{1040, 640}, 1, {0, 0}},        {{2080, 1280}, 2, {0, 0}},
               {{1920, 1080}, 1.6875, {82, 0}}, {{3840, 2160}, 3.375, {165, 0}},
               {{520, 640}, 0.5, {0, 160}},     {{844, 390}, 0.609375, {105, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window.width());
    const FormScale scale = FormScale::Fitting(c.window);
    EXPECT_DOUBLE_EQ(scale.Scale(), c.scale);
    EXPECT_EQ(scale.Origin(), c.origin);
    EXPECT_TRUE(QRect(QPoint(0, 0), c.window).contains(scale.FormRect()));
  }
  // At its own size every control stands where 15 twips a pixel put it.
  const FormScale own;
  EXPECT_EQ(own.Map({9240, 360, 855, 495}), QRect(616, 24, 57, 33));
  EXPECT_EQ(FormScale::Fitting({2080, 1280}).Map({9240, 360, 855, 495}), QRect(1232, 48, 114, 66));

  EXPECT_EQ(OpeningSize({1904, 1032}), QSize(1040, 640));  // room enough: its own size
  // A 1920 × 1080 screen at a scale factor of 2 offers 960 × 540 logical
  // pixels, less a panel and the frame: the whole form still fits.
  const QSize opening = OpeningSize(QSize(960, 513) - QSize(16, 48));
  EXPECT_LE(opening.width(), 944);
  EXPECT_LE(opening.height(), 465);
  EXPECT_EQ(opening, QSize(755, 465));
}

class ScaledWindowTest : public ::testing::Test {
 protected:
  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
};

// The window does not shrink below half the form, where its words are still
// legible, and the lists show their selected item at every size.
TEST_F(ScaledWindowTest, TheFormStaysLegibleAndTheSelectionsInSight) {
  w.show();
  for (const QSize size : {QSize(150, 90), QSize(520, 320), QSize(700, 300), QSize(1040, 640)}) {
    SCOPED_TRACE(size.width());
    w.resize(size);
    QApplication::processEvents();
    EXPECT_GE(w.width(), 520);
    EXPECT_GE(w.height(), 320);
    for (const char* name : {"lstCITY", "lstINTV1", "lstINTV2"}) {
      auto& list = Find<QListWidget>(w, name);
      const QRect item = list.visualItemRect(list.currentItem());
      EXPECT_TRUE(item.top() >= 0 && item.bottom() < list.viewport()->height()) << name;
    }
  }
}

// Doubled, every control keeps its place and size in proportion, and its type.
TEST_F(ScaledWindowTest, EveryControlScalesAlike) {
  w.show();
  Find<QPushButton>(w, "Command2").click();
  std::vector<std::pair<QWidget*, QRect>> at_one;
  for (const app::ControlEntry& entry : app::FormControls(w.Form())) {
    QWidget& widget = Find<QWidget>(w, entry.name);
    at_one.emplace_back(&widget, widget.geometry());
  }
  const int date_font = Find<QLineEdit>(w, "txtYMD(1)").font().pixelSize();
  w.resize(2080 + 200, 1280);  // the margins, 100 pixels either side, show the sky
  for (const auto& [widget, rect] : at_one) {
    SCOPED_TRACE(widget->objectName().toStdString());
    const QRect doubled(rect.left() * 2 + 100, rect.top() * 2, rect.width() * 2, rect.height() * 2);
    EXPECT_LE((widget->geometry().topLeft() - doubled.topLeft()).manhattanLength(), 2);
    EXPECT_LE(std::abs(widget->height() - doubled.height()), 2);
    if (widget->inherits("QRadioButton") || widget->inherits("QCheckBox")) {
      EXPECT_GE(widget->width(), doubled.width() - 2);  // or wider, for its caption
    } else {
      EXPECT_LE(std::abs(widget->width() - doubled.width()), 2);
    }
  }
  EXPECT_EQ(Find<QLineEdit>(w, "txtYMD(1)").font().pixelSize(), 2 * date_font);
  EXPECT_EQ(Find<QWidget>(w, "chart").geometry(), QRect(100, 0, 2080, 1280));
  const QImage shown = w.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(50, 640)), QColor(32, 96, 192));  // a margin
}

// The option and check boxes' captions keep their right edges at every
// scale: past the last column that shows the caption's ink lies at least one
// column of the box's own colour. Their neighbours stay clear of them.
TEST_F(ScaledWindowTest, CaptionsOfOptionAndCheckBoxesAreNeverCut) {
  w.show();
  for (const QSize size :
       {QSize(1920, 1080), QSize(2080, 1280), QSize(3840, 2160), QSize(520, 320)}) {
    w.resize(size);
    SCOPED_TRACE(size.width());
    for (const char* name : {"optDIR(0)", "optDIR(1)", "optDIR(2)", "optDIR(3)", "chkOP(0)",
                             "chkOP(1)", "chkOP(2)", "chkOP(3)"}) {
      SCOPED_TRACE(name);
      QWidget& box = Find<QWidget>(w, name);
      const QImage image = box.grab().toImage();
      const QColor back = box.palette().color(QPalette::Window);
      int last_ink_column = -1;
      for (int x = image.width() - 1; x >= 0 && last_ink_column < 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
          if (QColor(image.pixel(x, y)).lightness() < back.lightness() / 2) {
            last_ink_column = x;
            break;
          }
        }
      }
      EXPECT_GT(last_ink_column, 0);
      EXPECT_LT(last_ink_column, image.width() - 1);
    }
    EXPECT_LT(Find<QWidget>(w, "optDIR(3)").geometry().right(),
              Find<QWidget>(w, "Command3").geometry().left());
  }
}

// The chart replayed at scale s draws every disc, dot and line at s times its
// place: the pixel under each scaled place has the operation's colour.
TEST(ScaledChart, EveryOperationAtScaleTimesItsPlace) {
  chart::RecordingSurface drawing(chart::RecordingSurface::Keep::kSinceLastCls);
  drawing.BackColor = chart::RGB(32, 96, 192);
  drawing.Cls();
  drawing.Line(0, 9000, 15500, 9000, chart::RGB(88, 88, 88));
  drawing.FillStyle = 0;
  drawing.FillColor = chart::RGB(240, 208, 0);
  drawing.Circle(7000, 4500, 40, chart::RGB(240, 208, 0));
  drawing.FillColor = chart::RGB(224, 80, 16);
  drawing.Circle(12345, 2345, 100, chart::RGB(224, 80, 16));
  drawing.PSet(3000, 6000, chart::RGB(186, 186, 186));
  for (const double s : {1.0, 2.0, 3.375}) {
    SCOPED_TRACE(s);
    QImage image(int(std::lround(kClientWidthPx * s)), int(std::lround(kClientHeightPx * s)),
                 QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(s, s);
    PaintChart(painter, drawing, drawing.BackColor, chart::Palette::kScreen);
    painter.end();
    for (const auto& op : drawing.Operations()) {
      if (op.kind == chart::RecordingSurface::Kind::kCls) continue;
      const bool line = op.kind == chart::RecordingSurface::Kind::kLine;
      const double x = (line ? (op.values[0] + op.values[2]) / 2 : op.values[0]) / 15 * s;
      const double y = op.values[1] / 15 * s;
      EXPECT_EQ(QColor(image.pixel(int(x), int(y))), ToQColor(op.colour))
          << chart::FormatOperation(op);
    }
  }
}

// F11 shows the window on the whole screen and Escape brings it back; at the
// screen's size the form fills its width or its height, centred.
TEST_F(ScaledWindowTest, F11TogglesFullScreenAndEscapeLeavesIt) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::keyClick(&w, Qt::Key_F11);
  EXPECT_TRUE(w.isFullScreen());
  QTest::qWait(50);
  const QRect form = Find<QWidget>(w, "chart").geometry();
  EXPECT_TRUE(form.width() == w.width() || form.height() == w.height());
  EXPECT_LE((form.center() - w.rect().center()).manhattanLength(), 2);
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_FALSE(w.isFullScreen());
  QTest::keyClick(&w, Qt::Key_Escape);  // nothing to leave: nothing happens
  EXPECT_FALSE(w.isFullScreen());
}

}  // namespace
}  // namespace platform
