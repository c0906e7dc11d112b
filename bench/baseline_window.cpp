// The yardsticks for the window's start-up: the smallest Qt widget program
// that opens one empty window of the planetarium window's size, and, with the
// argument --label, the same window with one line of Japanese text, which
// shows what the font system alone costs at start-up.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("baseline");
  window.resize(1040, 640);  // the planetarium window's client area [pixels]
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    auto* label = new QLabel(QStringLiteral("東京　プラネタリウム"), &window);
    label->move(20, 20);
  }
  window.show();
  return QApplication::exec();
}
