#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/object_pointer.h"
#include "chart/chart_zoom.h"
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
//
// Zoom and pan: the wheel (or a touchpad's pinch) magnifies about the
// pointer, +, - and 0 while the chart has the focus about the middle, and
// dragging with the left button moves the magnified chart under an open or
// closed hand; each step goes to the window, which runs it on the form.
class ChartView final : public QWidget {
 public:
  // A step of the user's on the chart's zoom, to be run on the form.
  using ZoomChange = std::function<void(chart::ChartZoom&)>;

  // Given: the recorded chart and the form that drew it, which must outlive
  // the view, the window, and what runs a zoom step and shows the model again.
  ChartView(const chart::RecordingSurface& drawing, const app::Form1& form, QWidget& window,
            std::function<void(const ZoomChange&)> zoom);

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
  // middle; the arrows, Home, End and Escape point at objects; +, - and 0 zoom.
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Escape hides the panel before it can leave full screen; a touchpad's
  // pinch zooms.
  bool event(QEvent* event) override;

 private:
  // Shows the object in the panel, or hides the panel for none; `news`
  // (the user pointed) restarts its time and tells screen readers.
  void Point(const std::optional<app::PointedObject>& object, bool news);
  void HidePanel();
  void TellName();
  // A point of the view [view pixels] in the drawing area [twips].
  chart::WindowPoint Twips(QPointF point) const;
  // An open hand over a magnified chart, closed while it is dragged.
  void ShowHand();

  const chart::RecordingSurface& drawing_;
  chart::Colour sky_{};
  chart::Palette palette_ = chart::Palette::kScreen;
  double scale_ = 1;
  QString words_;

  const app::Form1& form_;
  app::ObjectPointer pointer_;
  ObjectPanel* panel_;              // owned by the window, above every control
  QTimer* panel_time_;              // owned by the view: the panel goes when it runs out
  QString pointed_;                 // the panel's text while it shows
  std::optional<QPoint> pressed_;   // where the left button went down [view pixels]
  std::optional<QPointF> dragged_;  // while dragging, where the last step left off [view pixels]
  std::function<void(const ZoomChange&)> zoom_;
};

}  // namespace platform
