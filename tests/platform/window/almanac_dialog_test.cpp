// The almanac's dialog: opened by "暦" beside the window, which stays in use,
// closed by Escape, the message alone when the boxes hold no computable date.
// How screen readers read its tables: window/atspi_test.py.

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <string>
#include <utility>

#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

struct NoEnd final : app::Process {
  void End() override {}
};

TEST(AlmanacDialog, TheButtonShowsTheTablesEscapeClosesThem) {
  platform_test::FixedClock clock;  // 2000-01-01 21:00, Tokyo without a start file
  platform_test::MemoryStartFile start_file;
  NoEnd process;
  MainWindow w(clock, start_file, process);
  w.show();
  QPushButton& button = platform_test::Find<QPushButton>(w, "cmdKOYOMI");
  QTest::mouseClick(&button, Qt::LeftButton);
  auto* dialog = w.findChild<QDialog*>(QStringLiteral("almanac"));
  ASSERT_NE(dialog, nullptr);
  const auto* title = dialog->findChild<QLabel*>(QStringLiteral("almanacTitle"));
  const auto* bodies = dialog->findChild<QTableWidget*>(QStringLiteral("almanacBodies"));
  const auto* facts = dialog->findChild<QTableWidget*>(QStringLiteral("almanacFacts"));
  EXPECT_TRUE(dialog->isVisible() && bodies->isVisible() && facts->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(title->text(),
            QStringLiteral("東京（北緯 35.65°、東経 139.75°） 2000年1月1日（日本標準時）"));
  EXPECT_EQ(std::make_pair(bodies->rowCount(), bodies->columnCount()), std::make_pair(6, 7));
  EXPECT_EQ(bodies->item(5, 0)->text() + bodies->horizontalHeaderItem(4)->text(),
            QStringLiteral("土星南中高度"));
  EXPECT_EQ(std::make_pair(facts->rowCount(), facts->columnCount()), std::make_pair(5, 2));
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());

  platform_test::Find<QLineEdit>(w, "txtYMD(0)").setText(QStringLiteral("70000"));
  button.click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(title->text().toStdString(), std::string(app::kNoAlmanacMessage));
  EXPECT_FALSE(bodies->isVisible() || facts->isVisible());
}

}  // namespace
}  // namespace platform
