#include "platform/window/save_failure_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace platform {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

app::AfterFailedSave SaveFailureBox::Ask(std::string_view location, std::string_view reason) {
  QMessageBox box(QMessageBox::Warning, window_.windowTitle(),
                  QStringLiteral("開始ファイルを保存できませんでした。"), QMessageBox::NoButton,
                  &window_);
  box.setInformativeText(QStringLiteral("ファイル: %1\n理由: %2\n\n保存せずに終了すると、"
                                        "選んだ地点は次に開いたときに戻りません。")
                             .arg(FromUtf8(location), FromUtf8(reason)));
  QPushButton* retry = box.addButton(QStringLiteral("再試行"), QMessageBox::AcceptRole);
  QPushButton* quit = box.addButton(QStringLiteral("保存せずに終了"), QMessageBox::DestructiveRole);
  QPushButton* back = box.addButton(QStringLiteral("戻る"), QMessageBox::RejectRole);
  box.setDefaultButton(retry);
  box.setEscapeButton(back);
  box.exec();
  if (box.clickedButton() == retry) return app::AfterFailedSave::kRetry;
  if (box.clickedButton() == quit) return app::AfterFailedSave::kQuitWithoutSaving;
  return app::AfterFailedSave::kBackToWindow;
}

}  // namespace platform
