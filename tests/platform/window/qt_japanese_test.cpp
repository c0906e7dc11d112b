// Qt's own dialogs and buttons speak Japanese, as the window does.

#include "platform/window/qt_japanese.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

bool IsAscii(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() > 0x7f) return false;
  }
  return true;
}

TEST(QtJapaneseTexts, QtsDialogsAndButtonsSpeakJapanese) {
  ASSERT_TRUE(InstallQtJapaneseTexts()) << "Qt's Japanese translation is not installed";
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));

  // The save dialog as the window opens it where the desktop offers none.
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const auto* look_in = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
  ASSERT_NE(look_in, nullptr);
  EXPECT_FALSE(IsAscii(look_in->text())) << look_in->text().toStdString();
}

}  // namespace
}  // namespace platform
