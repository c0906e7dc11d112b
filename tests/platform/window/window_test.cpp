// The window: widgets bound to the form model, the chart's painter, the timer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/control_table.h"
#include "platform/qt/painter_surface.h"
#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Exists;
using platform_test::Find;
using platform_test::Indexed;

constexpr chart::Colour kNight = chart::RGB(32, 96, 192);
constexpr chart::Colour kDay = chart::RGB(0, 144, 255);
constexpr chart::Colour kStar = chart::RGB(240, 208, 0);
const QColor kNightQ = ToQColor(kNight), kDayQ = ToQColor(kDay), kHorizon(88, 88, 88);

std::string Text(const auto& widget) {  // a label, a text box or a list's selected item
  return widget.text().toStdString();
}

struct CountingProcess final : app::Process {
  int ends = 0;
  void End() override { ++ends; }
};

class MainWindowTest : public ::testing::Test {
 protected:
  QColor PixelAt(int x, int y) { return QColor(w.grab().toImage().pixel(x, y)); }

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  CountingProcess process;
  MainWindow w{clock, start_file, process};
};

TEST_F(MainWindowTest, ShowsTheLayoutAndTheModelAfterStartUp) {
  EXPECT_EQ(w.windowTitle().toStdString(), "プラネタリウム");
  EXPECT_GE(w.width(), 1034);  // the horizon line: 15500 twips at 15 twips a pixel
  EXPECT_GE(w.height(), 625);  // the lowest readout row and the direction words
  EXPECT_EQ(Find<QListWidget>(w, "lstCITY").geometry(),
            QRect(8, 8, 65, 82));       // 120, 120, 975, 1230 twips
  EXPECT_FALSE(Exists(w, "lblST(0)"));  // its cells are made when it first shows anything
  // "年" (Label2) reaches under the month box; the box stays on top.
  EXPECT_EQ(w.childAt(Find<QLineEdit>(w, "txtYMD(1)").geometry().topLeft() + QPoint(2, 5)),
            &Find<QLineEdit>(w, "txtYMD(1)"));
  std::string shown;
  for (const std::string& text :
       {Text(*Find<QListWidget>(w, "lstCITY").currentItem()), Text(Find<QLabel>(w, "Label10")),
        Text(Find<QLineEdit>(w, "txtIDO")), Text(Find<QLineEdit>(w, "txtKEIDO")),
        Text(Find<QLineEdit>(w, "txtYMD(0)")), Text(Find<QLineEdit>(w, "txtYMD(1)")),
        Text(Find<QLineEdit>(w, "txtYMD(2)")), Text(Find<QLineEdit>(w, "txtYMD(3)")),
        Text(Find<QLineEdit>(w, "txtYMD(4)")),
        Text(*Find<QListWidget>(w, "lstINTV1").currentItem()),
        Text(*Find<QListWidget>(w, "lstINTV2").currentItem())}) {
    shown += text + "|";
  }
  EXPECT_EQ(shown, "東京|東京|35.65|139.75|2000|1|1|21|0|15| 6|");
  EXPECT_TRUE(Find<QRadioButton>(w, "optDIR(2)").isChecked());
  EXPECT_EQ(w.palette().color(QPalette::Window), kNightQ);
  EXPECT_FALSE(w.Timer().Active());
}

// Each control of the table has a widget of its kind at its bounds, 15 twips
// a pixel (a text box's edit inside a one-pixel border); only the readout
// cells let the mouse through to the chart.
TEST_F(MainWindowTest, EveryControlOfTheTableHasAWidgetOfItsKindAtItsBounds) {
  Find<QPushButton>(w, "Command2")
      .click();  // the readout cells are made when it first shows anything
  for (const app::ControlEntry& entry : app::FormControls(w.Form())) {
    SCOPED_TRACE(entry.name);
    const app::Bounds& b = app::Base(entry).bounds;
    QWidget& widget = Find<QWidget>(w, entry.name);
    const bool text_box = std::holds_alternative<app::TextBox*>(entry.control);
    const int inset = text_box ? 1 : 0;
    EXPECT_EQ(widget.geometry(), QRect(b.left / 15, b.top / 15, b.width / 15, b.height / 15)
                                     .adjusted(inset, inset, -inset, -inset));
    const bool kind_matches = std::visit(
        [&widget](auto* control) {
          using Model = std::remove_pointer_t<decltype(control)>;
          if constexpr (std::is_same_v<Model, app::ListBox>) return widget.inherits("QListWidget");
          if constexpr (std::is_same_v<Model, app::TextBox>) return widget.inherits("QLineEdit");
          if constexpr (std::is_same_v<Model, app::Label>) return widget.inherits("QLabel");
          if constexpr (std::is_same_v<Model, app::OptionButton>) {
            return widget.inherits("QRadioButton");
          }
          if constexpr (std::is_same_v<Model, app::CheckBox>) return widget.inherits("QCheckBox");
          return widget.inherits("QPushButton");
        },
        entry.control);
    EXPECT_TRUE(kind_matches) << widget.metaObject()->className();
    EXPECT_EQ(widget.testAttribute(Qt::WA_TransparentForMouseEvents),
              entry.layer == app::ControlLayer::kReadout);
  }
}

TEST_F(MainWindowTest, EditsReachTheModelAtOnce) {
  Find<QListWidget>(w, "lstCITY").setCurrentRow(48);
  EXPECT_EQ(w.Form().lstCITY.ListIndex, 48);
  Find<QListWidget>(w, "lstINTV1").setCurrentRow(5);
  EXPECT_EQ(w.Form().lstINTV1.Text(), "60");
  QTest::mouseClick(&Find<QCheckBox>(w, "chkOP(3)"), Qt::LeftButton);
  EXPECT_EQ(w.Form().chkOP[3].Value, 1);
  Find<QRadioButton>(w, "optDIR(1)").click();
  EXPECT_TRUE(w.Form().optDIR[1].Value);
  EXPECT_FALSE(w.Form().optDIR[2].Value);
  Find<QListWidget>(w, "lstINTV2").setCurrentRow(0);  // " 0" seconds: the animation stays stopped
  Find<QPushButton>(w, "Command3").click();
  EXPECT_FALSE(w.Timer().Active());
}

TEST_F(MainWindowTest, TheNumericButtonFillsTheLabels) {
  const QRegularExpression one_decimal("^-?[0-9]+\\.[0-9]$");  // the "0.0" format
  w.show();  // the cells are made in a window already on screen, and must show there
  Find<QPushButton>(w, "Command2").click();
  ASSERT_TRUE(Exists(w, "lblST(0)"));
  EXPECT_TRUE(Find<QLabel>(w, "lblST(0)").isVisible());
  EXPECT_EQ(Find<QLabel>(w, "lblST(14)").geometry().top(), 600);   // y = 9000 twips
  EXPECT_EQ(Find<QLabel>(w, "lblST(15)").geometry().left(), 384);  // x = 5760 twips
  EXPECT_EQ(Text(Find<QLabel>(w, "lblST(0)")) + Text(Find<QLabel>(w, "lblST(1)")), " 太陽 月　");
  for (int i = 0; i < 26; ++i) {
    EXPECT_FALSE(Find<QLabel>(w, Indexed("lblST", i)).text().isEmpty()) << i;
    for (const QLabel* label :
         {&Find<QLabel>(w, Indexed("lblH", i)), &Find<QLabel>(w, Indexed("lblV", i))}) {
      EXPECT_TRUE(label->text().contains(one_decimal)) << i << " " << Text(*label);
    }
  }
  EXPECT_TRUE(Find<QLabel>(w, "lblST(26)").text().isEmpty());
  EXPECT_EQ(w.palette().color(QPalette::Window), kNightQ);
  // A tick renews the table and then draws the chart; the labels are text
  // only, so the chart shows between them.
  w.Tick();
  EXPECT_FALSE(Find<QLabel>(w, "lblST(0)").autoFillBackground());
  EXPECT_EQ(PixelAt(1000, 600), kHorizon);
}

TEST_F(MainWindowTest, DaytimeColoursReachEveryColouredWidget) {
  Find<QLineEdit>(w, "txtYMD(3)").selectAll();
  QTest::keyClicks(&Find<QLineEdit>(w, "txtYMD(3)"), "12");
  Find<QPushButton>(w, "Command3").click();
  EXPECT_EQ(w.palette().color(QPalette::Window), kDayQ);
  for (QWidget* filled : std::vector<QWidget*>{
           &Find<QLabel>(w, "Label1"), &Find<QLabel>(w, "Label10"),
           &Find<QRadioButton>(w, "optDIR(0)"), &Find<QCheckBox>(w, "chkOP(3)")}) {
    EXPECT_EQ(filled->palette().color(filled->backgroundRole()), kDayQ);
  }
  for (QWidget* input :
       std::vector<QWidget*>{&Find<QLineEdit>(w, "txtYMD(0)"), &Find<QLineEdit>(w, "txtYMD(4)"),
                             &Find<QLineEdit>(w, "txtIDO"), &Find<QLineEdit>(w, "txtKEIDO"),
                             &Find<QListWidget>(w, "lstCITY"), &Find<QListWidget>(w, "lstINTV1"),
                             &Find<QListWidget>(w, "lstINTV2")}) {
    EXPECT_EQ(input->palette().color(QPalette::Base), kDayQ) << input->metaObject()->className();
  }
  EXPECT_EQ(Find<QLineEdit>(w, "txtYMD(0)").palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_NE(Find<QPushButton>(w, "Command3").palette().color(QPalette::Button), kDayQ);
  EXPECT_EQ(PixelAt(500, 300), kDayQ);  // open sky
}

// The exit's message box when the start file cannot be written: it names the
// file and the reason; "戻る" keeps the window running (and a tick while the
// box is open is dropped), "保存せずに終了" ends it without saving.
TEST_F(MainWindowTest, AFailedSaveIsPutToTheUserInAMessageBox) {
  start_file.failure = "No space left on device";
  Find<QPushButton>(w, "Command3").click();
  const auto answer = [this](const char* button, QString* shown) {
    QTimer::singleShot(0, [this, button, shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      *shown = box->text() + "\n" + box->informativeText();
      w.Timer().Fire();  // the animation's tick comes while the user reads
      for (QAbstractButton* choice : box->buttons()) {
        if (choice->text() == QString::fromUtf8(button)) choice->click();
      }
    });
  };
  QString shown;
  answer("戻る", &shown);
  Find<QPushButton>(w, "Command1").click();
  EXPECT_TRUE(shown.contains(QStringLiteral("開始ファイルを保存できませんでした")));
  EXPECT_TRUE(shown.contains(QStringLiteral("/memory/pstart.txt")));
  EXPECT_TRUE(shown.contains(QStringLiteral("No space left on device")));
  EXPECT_EQ(process.ends, 0);
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(4)")), "0");  // the tick during the box was dropped
  w.Timer().Fire();
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(4)")), "15");  // and the window goes on

  answer("保存せずに終了", &shown);
  Find<QPushButton>(w, "Command1").click();
  EXPECT_EQ(process.ends, 1);
  EXPECT_EQ(start_file.writes, 2);
  EXPECT_FALSE(start_file.contents.has_value());
}

TEST_F(MainWindowTest, ThePlanetariumButtonDrawsAndAnimatesUntilExit) {
  Find<QPushButton>(w, "Command3").click();
  EXPECT_EQ(PixelAt(500, 600), kHorizon);  // y = 9000 twips
  w.resize(900, 500);  // the chart is kept, not recomputed, when the window changes
  w.resize(1040, 640);
  EXPECT_EQ(PixelAt(500, 600), kHorizon);
  EXPECT_EQ(PixelAt(500, 630), kNightQ);
  EXPECT_EQ(w.Timer().Interval(), 6000);
  w.Timer().Fire();
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(3)")), "21");
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(4)")), "15");
  EXPECT_TRUE(w.Timer().Active());
  Find<QPushButton>(w, "Command1").click();
  EXPECT_EQ(start_file.contents.value_or("").rfind(" 12 ", 0), 0u);
  EXPECT_EQ(process.ends, 1);
  w.Timer().Fire();  // no event is handled any more
  w.Timer().SetInterval(1000);
  Find<QPushButton>(w, "Command3").click();
  EXPECT_FALSE(w.Timer().Active());
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(4)")), "15");
  EXPECT_EQ(process.ends, 1);
}

// What the user types survives the animation: ticks wait while a box is
// being typed in, and go on from the typed time once Enter finishes the edit.
TEST_F(MainWindowTest, TheAnimationWaitsWhileTheUserTypes) {
  Find<QPushButton>(w, "Command3").click();
  auto& minute = Find<QLineEdit>(w, "txtYMD(4)");
  minute.selectAll();
  QTest::keyClicks(&minute, "5");
  w.Timer().Fire();
  w.Timer().Fire();
  QTest::keyClicks(&minute, "0");
  EXPECT_EQ(Text(minute), "50");
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(3)")), "21");
  QTest::keyClick(&minute, Qt::Key_Return);
  w.Timer().Fire();
  EXPECT_EQ(Text(Find<QLineEdit>(w, "txtYMD(3)")) + ":" + Text(minute), "22:5");
}

// The window's controls in their own order, the further ones after them,
// the chart last.
TEST_F(MainWindowTest, FocusFollowsTheTabOrder) {
  const std::vector<QWidget*> window_order = {
      &Find<QLineEdit>(w, "txtYMD(0)"),    &Find<QLineEdit>(w, "txtYMD(1)"),
      &Find<QLineEdit>(w, "txtYMD(2)"),    &Find<QLineEdit>(w, "txtYMD(3)"),
      &Find<QLineEdit>(w, "txtYMD(4)"),    &Find<QListWidget>(w, "lstCITY"),
      &Find<QPushButton>(w, "Command1"),   &Find<QPushButton>(w, "Command2"),
      &Find<QLineEdit>(w, "txtIDO"),       &Find<QLineEdit>(w, "txtKEIDO"),
      &Find<QRadioButton>(w, "optDIR(0)"), &Find<QRadioButton>(w, "optDIR(1)"),
      &Find<QRadioButton>(w, "optDIR(2)"), &Find<QRadioButton>(w, "optDIR(3)"),
      &Find<QPushButton>(w, "Command3"),   &Find<QListWidget>(w, "lstINTV1"),
      &Find<QListWidget>(w, "lstINTV2"),   &Find<QCheckBox>(w, "chkOP(0)"),
      &Find<QCheckBox>(w, "chkOP(1)"),     &Find<QCheckBox>(w, "chkOP(2)"),
      &Find<QCheckBox>(w, "chkOP(3)")};
  std::vector<QWidget*> chain;
  QWidget* next = window_order.front();
  do {
    if (next->focusPolicy() & Qt::TabFocus) chain.push_back(next);
    next = next->nextInFocusChain();
  } while (next != window_order.front() && chain.size() < 200);
  ASSERT_GT(chain.size(), window_order.size());
  EXPECT_EQ(std::vector<QWidget*>(chain.begin(), chain.begin() + 21), window_order);
  EXPECT_EQ(chain.back(), &Find<QWidget>(w, "chart"));
  std::size_t inputs = 0;
  for (const app::ControlEntry& entry : app::FormControls(w.Form())) {
    inputs += app::Base(entry).TabIndex >= 0;
  }
  EXPECT_EQ(chain.size(), inputs + 1);
}

// A disc as the views draw a body or a star [twips].
void Disc(chart::Surface& s, float x, float y, float radius, int fill_style) {
  s.FillStyle = fill_style;
  s.FillColor = kStar;
  s.Circle(x, y, radius, kStar);
}

// Paints on a canvas of 100 x 100 logical pixels (1500 twips square) at a device scale.
QImage Paint(int scale, chart::Colour back, const std::function<void(chart::Surface&)>& draw) {
  QImage image(100 * scale, 100 * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  PainterSurface surface(painter);
  surface.BackColor = back;
  surface.Cls();
  draw(surface);
  painter.end();
  return image;
}
int CountNot(const QImage& image, chart::Colour colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != ToQColor(colour).rgb();
  }
  return n;
}

TEST(PainterSurface, ClsLinesAndDiscsInTwips) {
  EXPECT_EQ(CountNot(Paint(1, kDay, [](chart::Surface&) {}), kDay), 0);
  const QImage line = Paint(1, kNight, [](chart::Surface& s) { s.Line(0, 750, 1485, 750, kStar); });
  EXPECT_EQ(CountNot(line, kNight), 100);
  EXPECT_EQ(line.pixel(0, 50), ToQColor(kStar).rgb());
  EXPECT_EQ(line.pixel(99, 50), ToQColor(kStar).rgb());
  const QImage filled = Paint(1, kNight, [](auto& s) { Disc(s, 750, 750, 450, 0); });
  EXPECT_EQ(filled.pixel(50, 50), ToQColor(kStar).rgb());  // a radius of 30 pixels
  EXPECT_EQ(filled.pixel(72, 72), ToQColor(kNight).rgb());
  const QImage outline = Paint(1, kNight, [](auto& s) { Disc(s, 750, 750, 450, 1); });
  EXPECT_EQ(outline.pixel(50, 50), ToQColor(kNight).rgb());
  EXPECT_NE(outline.pixel(80, 50), ToQColor(kNight).rgb());
}

TEST(PainterSurface, PointsAndTheFaintestStarStayVisibleAtEveryScale) {
  for (const int scale : {1, 2, 3}) {
    for (const float x : {750.0F, 757.5F, 742.0F}) {
      const int n = CountNot(Paint(scale, kNight, [x](auto& s) { s.PSet(x, 750, kStar); }), kNight);
      EXPECT_TRUE(n >= 1 && n <= 4 * scale * scale) << n << " at scale " << scale << ", x " << x;
    }
    // Magnitude 4: a radius of 10 twips, two thirds of a pixel.
    const int n = CountNot(Paint(scale, kNight, [](auto& s) { Disc(s, 750, 750, 10, 0); }), kNight);
    EXPECT_TRUE(n >= 1 && n <= 16 * scale * scale) << n << " at scale " << scale;
  }
}

}  // namespace
}  // namespace platform
