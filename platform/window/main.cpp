// planetarium: the planetarium's window.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "platform/qt/build_info.h"
#include "platform/window/menu_folder.h"
#include "platform/window/window_program.h"

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

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // What is left once Qt has taken its own options (-platform, -style ...).
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  std::optional<platform::MenuStart> menu;
  if (arguments == QStringList{QStringLiteral("--menu")}) {
    menu = platform::EnterMenuFolder(Environment("XDG_CONFIG_HOME"), Environment("HOME"));
  } else if (!arguments.isEmpty()) {
    std::cerr << "usage: planetarium [--menu]\n"
                 "  --menu  keep the start file in the configuration folder, as the desktop "
                 "menu does\n";
    return 2;
  }
  // Ties the window to its desktop entry (Wayland app id, task bars, docks).
  QGuiApplication::setDesktopFileName(QString::fromLatin1(platform::kApplicationId));
  // The icon goes to the desktop once the window is on screen: its seven
  // renderings, turned into the window's icon property, would otherwise hold
  // up the window's first appearance.
  QTimer::singleShot(0, &application, [] { QGuiApplication::setWindowIcon(WindowIcon()); });
  return platform::RunWindowProgram(application, menu);
}
