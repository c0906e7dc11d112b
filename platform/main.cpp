// planetarium: the planetarium's window.

#include <QApplication>

#include "platform/window_program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  return platform::RunWindowProgram(application);
}
