// Widgets on the offscreen platform: the tests run (and are listed) without a display.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/fonts.h"
#include "platform/window/scaled_style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  platform::InstallScaledStyle();
  platform::InstallFontSubstitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
