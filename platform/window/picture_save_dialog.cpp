#include "platform/window/picture_save_dialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

namespace platform {
namespace {

// The suffix of a name filter's first pattern: "png" for "PNG 画像 (*.png)".
QString FilterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
  return pattern.match(filter).captured(1);
}

}  // namespace

PictureSaveDialog::PictureSaveDialog(QWidget& window, const QString& title, const QString& offered,
                                     const QString& filters)
    : QFileDialog(&window, title, offered, filters) {
  setAcceptMode(AcceptSave);
}

void PictureSaveDialog::accept() {
  // Qt adds the default suffix to a name without one; it follows the type
  // chosen, whether the user chose it in the list or a program did.
  setDefaultSuffix(FilterSuffix(selectedNameFilter()));
  // The widget dialog's name box; the desktop's own dialog has none.
  const auto* name_box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name_box != nullptr && name_box->isVisible() && name_box->text().contains(u'"')) {
    AcceptAsOneName(name_box->text());
    return;
  }
  chosen_ = selectedFiles().value(0);
  QFileDialog::accept();
}

// As Qt's dialog does with a name without quotes: a folder's name opens the
// folder, a name without a dot takes the default suffix, and an existing
// file is replaced only once the user has said yes, in Qt's own words.
void PictureSaveDialog::AcceptAsOneName(const QString& typed) {
  QString path = directory().absoluteFilePath(typed);
  if (QFileInfo(path).isDir()) {
    setDirectory(path);
    return;
  }
  if (!defaultSuffix().isEmpty() && !QFileInfo(path).fileName().contains(u'.')) {
    path += u'.' + defaultSuffix();
  }
  const QFileInfo target(path);
  if (target.exists() && !testOption(DontConfirmOverwrite)) {
    const auto answer = QMessageBox::warning(
        this, windowTitle(),
        QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(target.fileName()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  }
  chosen_ = target.absoluteFilePath();
  done(Accepted);
}

}  // namespace platform
