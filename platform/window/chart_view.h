#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>

#include "app/object_pointer.h"
#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"
#include "platform/window/object_panel.h"

namespace platform {

// The chart on the window: the recorded picture painted at the form's scale,
// redrawn from the recording (crisp lines and type at any size), beneath the
// controls. Screen readers find it as an image named "星図" whose description
// is the chart in words: always the chart shown, told to them as news only
// when a button drew it, never on every tick of the animation.
//
// "What is that?": a click on the chart (a press released where it was
// made), or Left, Right, Home and End while the chart has the focus, name an
// object in a panel beside it (app::ObjectPointer); the panel goes away by
// itself after some seconds, on Escape and on a click on empty sky, and
// follows its object through the animation. While the panel shows, the
// chart's accessible name is the panel's text, told to screen readers as
// news when the user pointed, not when a tick renewed it.
class ChartView final : public QWidget {
 public:
  // Given: the recorded chart and the form that drew it, which must outlive
  // the view, and the window.
  ChartView(const chart::RecordingSurface& drawing, const app::Form1& form, QWidget& window);

  // Shows the recording on the sky colour in a palette at a scale (window
  // pixels per form pixel), with the chart's words; repaints. `announce`
  // tells screen readers that the words changed.
  void Show(chart::Colour sky, chart::Palette palette, double scale, const std::string& words,
            bool announce);
  const QString& Words() const { return words_; }
  // The text of the panel naming an object; empty while none is shown.
  const QString& Pointed() const { return pointed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The menu key and Shift+F10 open the chart's menu (its actions) at its
  // middle; the arrows, Home, End and Escape point at objects.
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Escape hides the panel before it can leave full screen.
  bool event(QEvent* event) override;

 private:
  // Shows the object in the panel, or hides the panel for none; `news`
  // (the user pointed) restarts its time and tells screen readers.
  void Point(const std::optional<app::PointedObject>& object, bool news);
  void HidePanel();
  void TellName();

  const chart::RecordingSurface& drawing_;
  chart::Colour sky_{};
  chart::Palette palette_ = chart::Palette::kScreen;
  double scale_ = 1;
  QString words_;

  const app::Form1& form_;
  app::ObjectPointer pointer_;
  ObjectPanel* panel_;             // owned by the window, above every control
  QTimer* panel_time_;             // owned by the view: the panel goes when it runs out
  QString pointed_;                // the panel's text while it shows
  std::optional<QPoint> pressed_;  // where the left button went down [view pixels]
};

}  // namespace platform
