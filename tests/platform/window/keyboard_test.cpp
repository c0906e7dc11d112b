// The window by keyboard: a visible mark on the control the keyboard has
// reached, at any scale; Enter presses a button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct IgnoredProcess final : app::Process {
  void End() override {}
};

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  QWidget& Mark() { return Find<QWidget>(w, "focusMark"); }
  // Presses Tab until the named control has the focus.
  void TabTo(const std::string& name) {
    QWidget& target = Find<QWidget>(w, name);
    for (int i = 0; i < 30 && QApplication::focusWidget() != &target; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), &target) << name;
  }

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
};

// The mark stands around the control Tab reached, in amber, outside its edge;
// it follows the control when the window is scaled, and a click puts it away.
TEST_F(KeyboardTest, AMarkShowsWhereTheKeyboardIs) {
  EXPECT_FALSE(Mark().isVisible());  // the window's own first focus: the text cursor shows it
  // Tab reaches the first direction of the group; the arrows the others.
  for (const char* name : {"lstCITY", "Command1", "optDIR(0)", "Command3", "chkOP(2)", "chart"}) {
    SCOPED_TRACE(name);
    TabTo(name);
    ASSERT_TRUE(Mark().isVisible());
    const QRect control = Find<QWidget>(w, name).geometry();
    EXPECT_EQ(Mark().geometry(), control.adjusted(-2, -2, 2, 2));
    const QImage shown = w.grab(Mark().geometry()).toImage();
    EXPECT_EQ(QColor(shown.pixel(0, shown.height() / 2)), QColor(255, 176, 0));
  }
  TabTo("optDIR(0)");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QWidget* arrowed = QApplication::focusWidget();
  ASSERT_NE(arrowed, &Find<QWidget>(w, "optDIR(0)"));
  EXPECT_TRUE(arrowed->objectName().startsWith("optDIR"));
  EXPECT_EQ(Mark().geometry(), arrowed->geometry().adjusted(-2, -2, 2, 2));
  TabTo("Command3");
  w.resize(2080, 1280);
  QTest::qWait(20);
  EXPECT_EQ(Mark().geometry(), Find<QWidget>(w, "Command3").geometry().adjusted(-4, -4, 4, 4));
  QTest::mouseClick(&Find<QLineEdit>(w, "txtIDO"), Qt::LeftButton);
  EXPECT_FALSE(Mark().isVisible());
}

// Enter and Return on a focused button press it, as Space does.
TEST_F(KeyboardTest, EnterPressesTheFocusedButton) {
  TabTo("Command3");
  QTest::keyClick(&Find<QPushButton>(w, "Command3"), Qt::Key_Return);
  QTest::qWait(200);  // the button's pressed look lasts a moment before the click
  EXPECT_TRUE(w.Form().ChartOnWindow.has_value());
  TabTo("Command2");
  QTest::keyClick(&Find<QPushButton>(w, "Command2"), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::qWait(200);
  EXPECT_EQ(w.Form().ReadoutMode, 1);
}

// A whole session by keys alone: a date typed, a site and a direction chosen,
// the chart drawn and saved, the table read, the window left with its site saved.
TEST(KeysOnly, AWholeSessionWithoutAMouse) {
  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  harness::RecordedProcess process;
  MainWindow w(clock, start_file, process);
  QTemporaryDir dir;
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const auto keys = [](Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };
  const auto type = [&keys](const char* text) {
    keys(Qt::Key_A, 1, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
  };
  // The year box has the focus when the window opens.
  for (const char* box : {"2006", "1", "15", "20", "0"}) {
    type(box);
    keys(Qt::Key_Tab);
  }
  keys(Qt::Key_Home);  // the site list: from its first entry, 札幌, down to 仙台
  keys(Qt::Key_Down, 3);
  keys(Qt::Key_Tab, 5);  // exit, readout, latitude, longitude, to the directions
  ASSERT_EQ(QApplication::focusWidget()->objectName(), "optDIR(0)");
  keys(Qt::Key_Space);  // north
  keys(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command3");
  keys(Qt::Key_Return);
  QTest::qWait(200);
  ASSERT_TRUE(w.Form().ChartOnWindow.has_value());
  EXPECT_EQ(w.Form().ChartDescription.rfind("北の空、仙台、2006年1月15日 20時0分: ", 0), 0u);

  // The file dialog, by keys too, once it is open and has the focus.
  const QString saved = dir.filePath(QStringLiteral("keys.png"));
  QTimer dialog_keys;
  QObject::connect(&dialog_keys, &QTimer::timeout, [&dialog_keys, saved] {
    QWidget* focused = QApplication::focusWidget();
    if (QApplication::activeModalWidget() == nullptr || focused == nullptr ||
        focused->window() != QApplication::activeModalWidget()) {
      return;
    }
    dialog_keys.stop();
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused, saved);
    QTest::keyClick(focused, Qt::Key_Return);
  });
  dialog_keys.start(20);
  keys(Qt::Key_S, 1, Qt::ControlModifier);
  EXPECT_EQ(QImage(saved).size(), QSize(1040, 640));

  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  keys(Qt::Key_Tab, 4, Qt::ShiftModifier);  // back over the directions and the boxes to 数値
  ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command2");
  keys(Qt::Key_Return);
  QTest::qWait(200);
  EXPECT_EQ(Find<QLabel>(w, "lblST(0)").text(), QString::fromUtf8(" 太陽"));
  keys(Qt::Key_Tab, 1, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1");
  keys(Qt::Key_Return);
  QTest::qWait(200);
  EXPECT_EQ(process.ends, 1);
  EXPECT_EQ(start_file.contents.value_or("").rfind(" 3 ", 0), 0u);  // 仙台
}

}  // namespace
}  // namespace platform
