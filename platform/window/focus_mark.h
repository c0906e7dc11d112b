#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

// A visible mark around the control that has the keyboard focus: an outline
// drawn over the window, outside the control, that follows the focus and the
// control's place at any scale. It shows once the focus moves by the keyboard
// (Tab, Shift+Tab, the arrows, a shortcut), as a browser's focus ring does,
// and not for a click or the window's own first focus, where the mouse
// pointer or a text cursor already shows the place. It takes no input.
class FocusMark final : public QWidget {
 public:
  explicit FocusMark(QWidget& window);

  // Puts the mark around its control again at the form's scale [window
  // pixels per form pixel]; call after the controls move.
  void Follow(double scale);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int WidthPx() const;

  QPointer<QWidget> marked_;  // the control the mark stands around, if any
  double scale_ = 1;
};

}  // namespace platform
