// The almanac's dialog: opened by "暦", read by screen readers as two tables,
// closed by Escape, and a message in place of the tables when the boxes hold
// no computable date.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QTest>
#include <string>

#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct NoEnd final : app::Process {
  void End() override {}
};

class AlmanacDialogTest : public ::testing::Test {
 protected:
  // The dialog, once "暦" has made it.
  QDialog& Dialog() {
    auto* dialog = w.findChild<QDialog*>(QStringLiteral("almanac"));
    if (dialog == nullptr) throw std::runtime_error("no almanac dialog");
    return *dialog;
  }
  QTableWidget& Table(const char* name) {
    return *Dialog().findChild<QTableWidget*>(QString::fromUtf8(name));
  }
  std::string Title() {
    return Dialog().findChild<QLabel*>(QStringLiteral("almanacTitle"))->text().toStdString();
  }

  platform_test::FixedClock clock;  // 2000-01-01 21:00, Tokyo without a start file
  platform_test::MemoryStartFile start_file;
  NoEnd process;
  MainWindow w{clock, start_file, process};
};

TEST_F(AlmanacDialogTest, TheButtonOpensTheTablesAndEscapeClosesThem) {
  w.show();
  QTest::mouseClick(&Find<QPushButton>(w, "cmdKOYOMI"), Qt::LeftButton);
  ASSERT_TRUE(Dialog().isVisible());
  EXPECT_EQ(Title(), "東京（北緯 35.65°、東経 139.75°） 2000年1月1日（日本標準時）");
  const struct {
    const char* name;
    const char* accessible_name;
    int rows, columns;
    const char *first_column, *first_cell;
  } tables[] = {{"almanacBodies", "天体の出・南中・入", 6, 7, "天体", "太陽"},
                {"almanacFacts", "正午の月と金星", 5, 2, "項目", "正午月齢"}};
  for (const auto& t : tables) {
    SCOPED_TRACE(t.name);
    QTableWidget& table = Table(t.name);
    EXPECT_TRUE(table.isVisible());
    // As a screen reader meets it: a table, named, with its column headers.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&table);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Table);
    EXPECT_EQ(reader->text(QAccessible::Name).toStdString(), t.accessible_name);
    ASSERT_NE(reader->tableInterface(), nullptr);
    EXPECT_EQ(reader->tableInterface()->rowCount(), t.rows);
    EXPECT_EQ(reader->tableInterface()->columnCount(), t.columns);
    EXPECT_EQ(reader->tableInterface()->columnDescription(0).toStdString(), t.first_column);
    EXPECT_EQ(table.item(0, 0)->text().toStdString(), t.first_cell);
  }
  // On the Moon's row a time and an azimuth with its compass point.
  EXPECT_TRUE(Table("almanacBodies").item(1, 2)->text().contains(QStringLiteral("（")));
  // The window goes on meanwhile: the dialog is not modal.
  EXPECT_FALSE(Dialog().isModal());
  QTest::keyClick(&Dialog(), Qt::Key_Escape);
  EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(AlmanacDialogTest, BoxesWithoutAComputableDateShowTheMessageAlone) {
  w.show();
  Find<QPushButton>(w, "cmdKOYOMI").click();
  Find<QLineEdit>(w, "txtYMD(0)").setText(QStringLiteral("70000"));
  Find<QPushButton>(w, "cmdKOYOMI").click();
  ASSERT_TRUE(Dialog().isVisible());
  EXPECT_EQ(Title(), std::string(app::kNoAlmanacMessage));
  EXPECT_FALSE(Table("almanacBodies").isVisible());
  EXPECT_FALSE(Table("almanacFacts").isVisible());
}

}  // namespace
}  // namespace platform
