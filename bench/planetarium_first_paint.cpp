// The planetarium window program exactly as main.cpp runs it, ending after its
// first paint (see first_paint_probe.h): start-up time and memory against the
// baseline window.

#include <QApplication>

#include "bench/first_paint_probe.h"
#include "platform/window/window_program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  bench::FirstPaintProbe probe(application);
  return platform::RunWindowProgram(application);
}
