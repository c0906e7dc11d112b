#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

namespace platform {

// The panel naming an object of the chart, as a tooltip does: its colours,
// a line of text (wrapped in a narrow window), beside the object and clear
// of it, always inside the window, above the chart and the controls. It
// takes no input: a click on it reaches the chart beneath.
class ObjectPanel final : public QLabel {
 public:
  explicit ObjectPanel(QWidget& window);

  // Given:  the text; the object's centre in the window and how far the
  //         panel keeps from it [window pixels]; the form's scale [window
  //         pixels per form pixel], which the type follows upwards only.
  // Notes:  above the object, centred on it; below it where the window's top
  //         leaves no room, then further off, clear of the mouse pointer.
  void ShowBeside(const QString& text, QPoint object, int clearance, double scale);
};

}  // namespace platform
