// The planetarium window program as main.cpp builds it, ending after its first
// paint (see first_paint_probe.h): start-up time and memory against the
// baseline window.

#include <QApplication>

#include "bench/first_paint_probe.h"
#include "platform/application_process.h"
#include "platform/fonts.h"
#include "platform/main_window.h"
#include "platform/start_file.h"
#include "platform/system_clock.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  bench::FirstPaintProbe probe(application);
  QApplication::setStyle(QStringLiteral("Fusion"));
  platform::InstallFontSubstitutes();
  platform::InstallApplicationFont();

  platform::SystemClock clock;
  platform::StartFile start_file;
  platform::ApplicationProcess process;
  platform::MainWindow window(clock, start_file, process);
  window.show();
  return QApplication::exec();
}
