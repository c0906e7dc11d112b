// planetarium: the planetarium's window.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QString>

#include "platform/build_info.h"
#include "platform/window_program.h"

namespace {

// The icon the desktop shows for the window: every PNG rendering built into the
// program (dist/icons), so that it needs neither an installed theme nor an SVG
// plugin. Each file's size is read from the file.
QIcon WindowIcon() {
  QIcon icon;
  const QDir renderings(QStringLiteral(":/icons"));
  for (const QString& name : renderings.entryList(QDir::Files)) {
    icon.addFile(renderings.filePath(name));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Ties the window to its desktop entry (Wayland app id, task bars, docks).
  QGuiApplication::setDesktopFileName(QString::fromLatin1(platform::kApplicationId));
  QGuiApplication::setWindowIcon(WindowIcon());
  return platform::RunWindowProgram(application);
}
