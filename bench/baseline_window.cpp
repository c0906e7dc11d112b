// The yardstick for start-up time and memory: the smallest Qt widget program
// that opens one empty window of the planetarium window's size. It ends after
// its first paint (see first_paint_probe.h). With the argument --label the
// window shows one line of Japanese text, which shows what the font system
// alone costs at start-up.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "bench/first_paint_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  bench::FirstPaintProbe probe(application);
  QWidget window;
  window.setWindowTitle("baseline");
  window.resize(1040, 680);  // pixels: about the planetarium window at 96 dpi
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    auto* label = new QLabel(QStringLiteral("東京　プラネタリウム"), &window);
    label->move(20, 20);
  }
  window.show();
  return QApplication::exec();
}
