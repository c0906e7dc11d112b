#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>

namespace platform {

// Qt's file dialog for saving a picture, one file type to each name filter
// ("PNG 画像 (*.png)"), with two mends to Qt's own widget dialog (the desktop's
// dialog, where there is one, answers for itself):
// - a name typed without a suffix takes the suffix of the type chosen;
// - a name with a double quote in it is taken as the one name it is: Qt reads
//   the typed text as a list of names in quotes ("a" "b") and would save
//   under the name between the first two quotes, perhaps in another folder.
// An existing file is replaced only once the user has said so, as ever.
class PictureSaveDialog final : public QFileDialog {
 public:
  // Given: the window over which it opens, its title, the file offered (its
  // folder and name) and the name filters joined by ";;", the first chosen.
  PictureSaveDialog(QWidget& window, const QString& title, const QString& offered,
                    const QString& filters);

  // Returned: the absolute path of the file chosen, once exec() was accepted.
  const QString& ChosenFile() const { return chosen_; }

  void accept() override;

 private:
  // Accepts the typed text as one name in the dialog's folder.
  void AcceptAsOneName(const QString& typed);

  QString chosen_;
};

}  // namespace platform
