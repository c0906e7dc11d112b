#pragma once

#include <QWidget>
#include <string>

#include "chart/colour.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"

namespace platform {

// The chart on the window: the recorded picture painted at the form's scale,
// redrawn from the recording (crisp lines and type at any size), beneath the
// controls. Screen readers find it as "星図", with the chart in words as its
// description.
class ChartView final : public QWidget {
 public:
  // Given: the recorded chart, which must outlive the view, and the window.
  ChartView(const chart::RecordingSurface& drawing, QWidget& window);

  // Shows the recording on the sky colour in a palette at a scale (window
  // pixels per form pixel), with the chart's words; repaints.
  void Show(chart::Colour sky, chart::Palette palette, double scale, const std::string& words);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const chart::RecordingSurface& drawing_;
  chart::Colour sky_{};
  chart::Palette palette_ = chart::Palette::kScreen;
  double scale_ = 1;
};

}  // namespace platform
