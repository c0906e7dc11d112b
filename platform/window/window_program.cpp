#include "platform/window/window_program.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "platform/qt/fonts.h"
#include "platform/qt/system_clock.h"
#include "platform/window/form_scale.h"
#include "platform/window/main_window.h"
#include "platform/window/qt_japanese.h"
#include "platform/window/scaled_style.h"
#include "platform/window/window_start_file.h"

namespace platform {
namespace {

// Ends the window program: leaves the event loop with status 0.
class ApplicationProcess final : public app::Process {
 public:
  void End() override { QCoreApplication::exit(0); }
};

// Tells the user that the start file is kept elsewhere than the menu's folder, and why.
void ShowMenuFolderFailure(QWidget& window, const MenuStart& menu) {
  QMessageBox::warning(&window, window.windowTitle(),
                       QStringLiteral("設定フォルダー「%1」を使えませんでした（%2）。\n"
                                      "開始ファイル pstart.txt はフォルダー「%3」に置きます。")
                           .arg(QString::fromStdString(menu.menuFolder),
                                QString::fromStdString(menu.failure.value_or(std::string())),
                                QString::fromStdString(menu.folder)));
}

}  // namespace

int RunWindowProgram(QApplication& application, const std::optional<MenuStart>& menu) {
  InstallScaledStyle();
  InstallFontSubstitutes();
  InstallApplicationFont();
  InstallQtJapaneseTexts();

  SystemClock clock;
  WindowStartFile start_file;
  ApplicationProcess process;
  MainWindow window(clock, start_file, process);
  // The whole form on the screen, however small it is or however large its
  // scale factor: the window opens at the form's own size where that fits,
  // smaller where it does not (room left for the window's frame).
  if (const QScreen* screen = window.screen()) {
    constexpr QSize kFrameAllowancePx(16, 48);
    window.resize(OpeningSize(screen->availableSize() - kFrameAllowancePx));
  }
  window.show();
  if (menu && menu->failure) {
    QTimer::singleShot(0, &window, [&window, &menu] { ShowMenuFolderFailure(window, *menu); });
  }
  return application.exec();
}

}  // namespace platform
