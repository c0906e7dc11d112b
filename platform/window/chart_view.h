#pragma once

#include <QWidget>
#include <string>

#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"

namespace platform {

// The chart on the window: the recorded picture painted at the form's scale,
// redrawn from the recording (crisp lines and type at any size), beneath the
// controls. Screen readers find it as an image named "星図" whose description
// is the chart in words: always the chart shown, told to them as news only
// when a button drew it, never on every tick of the animation.
class ChartView final : public QWidget {
 public:
  // Given: the recorded chart, which must outlive the view, and the window.
  ChartView(const chart::RecordingSurface& drawing, QWidget& window);

  // Shows the recording on the sky colour in a palette at a scale (window
  // pixels per form pixel), with the chart's words; repaints. `announce`
  // tells screen readers that the words changed.
  void Show(chart::Colour sky, chart::Palette palette, double scale, const std::string& words,
            bool announce);
  const QString& Words() const { return words_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The menu key and Shift+F10 open the chart's menu (its actions) at its middle.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const chart::RecordingSurface& drawing_;
  chart::Colour sky_{};
  chart::Palette palette_ = chart::Palette::kScreen;
  double scale_ = 1;
  QString words_;
};

}  // namespace platform
