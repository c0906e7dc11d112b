#include "platform/window_program.h"

#include <QApplication>

#include "platform/application_process.h"
#include "platform/fonts.h"
#include "platform/main_window.h"
#include "platform/start_file.h"
#include "platform/system_clock.h"

namespace platform {

int RunWindowProgram(QApplication& application) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  InstallFontSubstitutes();
  InstallApplicationFont();

  SystemClock clock;
  StartFile start_file;
  ApplicationProcess process;
  MainWindow window(clock, start_file, process);
  window.show();
  return application.exec();
}

}  // namespace platform
