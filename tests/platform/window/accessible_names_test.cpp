// Names for assistive technology, read back through Qt's accessibility
// interface as a screen reader would see them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Exists;
using platform_test::Find;
using platform_test::Indexed;

std::string Accessible(QObject& object, QAccessible::Text text = QAccessible::Name) {
  QAccessibleInterface* const interface = QAccessible::queryAccessibleInterface(&object);
  return interface == nullptr ? "<none>" : interface->text(text).toStdString();
}

struct IgnoredProcess final : app::Process {
  void End() override {}
};

struct AccessibleNamesTest : ::testing::Test {
  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
};

// A screen reader names each box and list by the caption the window shows
// beside it (the pairs of the window's layout); the site list, which has none,
// as the observing site. Options, check boxes and buttons by their own text.
TEST_F(AccessibleNamesTest, ControlsAreNamedByTheCaptionsBesideThem) {
  const std::pair<const char*, const char*> beside[] = {
      {"txtYMD(0)", "Label2"}, {"txtYMD(1)", "Label3"}, {"txtYMD(2)", "Label4"},
      {"txtYMD(3)", "Label5"}, {"txtYMD(4)", "Label6"}, {"txtIDO", "Label1"},
      {"txtKEIDO", "Label7"},  {"lstINTV1", "Label8"},  {"lstINTV2", "Label9"}};
  for (const auto& [control, caption] : beside) {
    SCOPED_TRACE(control);
    const std::string shown = Find<QLabel>(w, caption).text().toStdString();
    EXPECT_FALSE(shown.empty());
    EXPECT_EQ(Accessible(Find<QWidget>(w, control)), shown);
  }
  EXPECT_EQ(Accessible(Find<QWidget>(w, "lstCITY")), "観測地");
  for (const char* own : {"optDIR(0)", "optDIR(3)", "chkOP(2)", "Command1"}) {
    auto& button = Find<QAbstractButton>(w, own);
    EXPECT_EQ(Accessible(button), button.text().toStdString()) << own;
  }
  EXPECT_EQ(Accessible(Find<QWidget>(w, "txtYMD(0)"), QAccessible::Value), "2000");
}

// Every control of the window carries a name; the inputs' names tell them apart.
TEST_F(AccessibleNamesTest, EveryControlHasAName) {
  Find<QPushButton>(w, "Command2").click();
  std::set<std::string> input_names;
  int controls = 0;
  for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const std::string class_name = child->metaObject()->className();
    if (class_name == "QFrame") continue;                // a text box's sunken border
    if (child->objectName() == "focusMark") continue;    // no control: the keyboard's mark
    if (child->objectName() == "objectPanel") continue;  // no control: the chart's, when pointed
    SCOPED_TRACE(class_name);
    if (!child->isVisibleTo(&w)) {  // a caption with nothing to say, which a reader never meets
      ++controls;
      continue;
    }
    const std::string name = Accessible(*child);
    EXPECT_FALSE(name.empty() || name == "<none>");
    if (child->focusPolicy() != Qt::NoFocus) {
      EXPECT_TRUE(input_names.insert(name).second) << name;
    }
    ++controls;
  }
  // Every control of the form and the chart; every input and the chart apart.
  const auto table = app::FormControls(w.Form());
  EXPECT_EQ(controls, static_cast<int>(table.size()) + 1);
  EXPECT_EQ(input_names.size(),
            static_cast<std::size_t>(std::ranges::count_if(
                table, [](const auto& e) { return app::Base(e).TabIndex >= 0; })) +
                1);
}

// A readout cell says its row and column, and tells its value as description.
TEST_F(AccessibleNamesTest, ReadoutCellsSayTheirRowAndColumn) {
  Find<QPushButton>(w, "Command2").click();
  ASSERT_TRUE(Exists(w, "lblST(0)"));
  EXPECT_EQ(Accessible(Find<QLabel>(w, "lblST(0)")), "1行目 名前");
  EXPECT_EQ(Accessible(Find<QLabel>(w, "lblST(0)"), QAccessible::Description), " 太陽");
  EXPECT_EQ(Accessible(Find<QLabel>(w, "lblH(11)")), "12行目 高度");
  EXPECT_EQ(Accessible(Find<QLabel>(w, "lblH(11)"), QAccessible::Description),
            Find<QLabel>(w, "lblH(11)").text().toStdString());
  EXPECT_EQ(Accessible(Find<QLabel>(w, "lblV(26)")), "27行目 方位");
}

// The chart is an image whose description is the chart in words, renewed with
// every drawing; screen readers hear of it after a button, not on a tick.
TEST_F(AccessibleNamesTest, TheChartIsAnImageDescribedInWords) {
  static std::vector<QAccessible::Event>* heard = nullptr;
  std::vector<QAccessible::Event> events;
  heard = &events;
  QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
    if (heard != nullptr && event->object() != nullptr &&
        event->object()->objectName() == "chart") {
      heard->push_back(event->type());
    }
  });
  QWidget& chart = Find<QWidget>(w, "chart");
  QAccessibleInterface* image = QAccessible::queryAccessibleInterface(&chart);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->role(), QAccessible::Graphic);
  EXPECT_EQ(Accessible(chart), "星図");
  EXPECT_EQ(Accessible(chart, QAccessible::Description), "");

  Find<QPushButton>(w, "Command3").click();
  EXPECT_EQ(Accessible(chart, QAccessible::Description), w.Form().ChartDescription);
  EXPECT_EQ(
      Accessible(chart, QAccessible::Description).rfind("南の空、東京、2000年1月1日 21時0分: ", 0),
      0u);
  const auto told = [&events] {
    return std::count(events.begin(), events.end(), QAccessible::DescriptionChanged);
  };
  const auto after_button = told();
  w.Timer().Fire();
  EXPECT_EQ(Accessible(chart, QAccessible::Description), w.Form().ChartDescription);
  EXPECT_NE(w.Form().ChartDescription.find("21時15分"), std::string::npos);
  EXPECT_EQ(told(), after_button);  // renewed, not announced
  QAccessible::installUpdateHandler(nullptr);
  heard = nullptr;
}

// The names change nothing on screen: the window paints the same picture
// with every name taken away again.
TEST_F(AccessibleNamesTest, NamesChangeNothingVisible) {
  Find<QPushButton>(w, "Command2").click();
  const QImage named = w.grab().toImage();
  for (QWidget* child : w.findChildren<QWidget*>()) {
    child->setAccessibleName(QString());
    child->setAccessibleDescription(QString());
  }
  EXPECT_EQ(w.grab().toImage(), named);
}

}  // namespace
}  // namespace platform
