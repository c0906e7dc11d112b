// Names for assistive technology, read back through Qt's accessibility
// interface as a screen reader would see them.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QImage>
#include <set>
#include <string>
#include <vector>

#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"

namespace platform {
namespace {

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

// Each box and list by the caption beside it; the site list, which has none,
// as the observing site.
TEST_F(AccessibleNamesTest, BoxesAndListsAreNamedByTheirCaptions) {
  const std::vector<std::pair<QWidget*, std::string>> cases = {
      {&w.DateBox(0), "年"},
      {&w.DateBox(1), "月"},
      {&w.DateBox(2), "日"},
      {&w.DateBox(3), "時"},
      {&w.DateBox(4), "分"},
      {&w.LatitudeBox(), "緯度"},
      {&w.LongitudeBox(), "経度"},
      {&w.StepList(), "間隔（分)"},
      {&w.IntervalList(), "表示間隔（秒）"},
      {&w.SiteList(), "観測地"}};
  for (const auto& [widget, name] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Accessible(*widget), name);
  }
  EXPECT_EQ(Accessible(w.DateBox(0), QAccessible::Value), "2000");  // the text is still read
}

// Every control of the window carries a name; the inputs' names tell them apart.
TEST_F(AccessibleNamesTest, EveryControlHasAName) {
  w.ReadoutButton().click();
  std::set<std::string> input_names;
  int controls = 0;
  for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const std::string class_name = child->metaObject()->className();
    if (class_name == "QFrame") continue;  // a text box's sunken border
    SCOPED_TRACE(class_name);
    const std::string name = Accessible(*child);
    EXPECT_FALSE(name.empty() || name == "<none>");
    if (child->focusPolicy() != Qt::NoFocus) {
      EXPECT_TRUE(input_names.insert(name).second) << name;
    }
    ++controls;
  }
  EXPECT_EQ(controls, 10 + 1 + 5 + 2 + 2 + 4 + 4 + 3 + 3 * 27);
  EXPECT_EQ(input_names.size(), 21u);
}

// A readout cell says its row and column, and tells its value as description.
TEST_F(AccessibleNamesTest, ReadoutCellsSayTheirRowAndColumn) {
  w.ReadoutButton().click();
  ASSERT_TRUE(w.HasReadout());
  EXPECT_EQ(Accessible(w.ReadoutName(0)), "1行目 名前");
  EXPECT_EQ(Accessible(w.ReadoutName(0), QAccessible::Description), " 太陽");
  EXPECT_EQ(Accessible(w.ReadoutAltitude(11)), "12行目 高度");
  EXPECT_EQ(Accessible(w.ReadoutAltitude(11), QAccessible::Description),
            w.ReadoutAltitude(11).text().toStdString());
  EXPECT_EQ(Accessible(w.ReadoutAzimuth(26)), "27行目 方位");
}

// The names change nothing on screen: the window paints the same picture
// with every name taken away again.
TEST_F(AccessibleNamesTest, NamesChangeNothingVisible) {
  w.ReadoutButton().click();
  const QImage named = w.grab().toImage();
  for (QWidget* child : w.findChildren<QWidget*>()) {
    child->setAccessibleName(QString());
    child->setAccessibleDescription(QString());
  }
  EXPECT_EQ(w.grab().toImage(), named);
}

}  // namespace
}  // namespace platform
