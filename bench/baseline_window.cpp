// The yardstick for start-up time and memory: the smallest Qt widget program
// that opens one empty window of the planetarium window's size. It ends after
// its first paint (see first_paint_probe.h).

#include <QApplication>
#include <QWidget>

#include "bench/first_paint_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  bench::FirstPaintProbe probe(application);
  QWidget window;
  window.setWindowTitle("baseline");
  window.resize(1040, 680);  // pixels: about the planetarium window at 96 dpi
  window.show();
  return QApplication::exec();
}
