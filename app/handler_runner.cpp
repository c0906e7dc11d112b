#include "app/handler_runner.h"

#include "app/form.h"

namespace app {

bool HandlerRunner::Run(Form1& form, void (Form1::*handler)()) {
  const bool tick = handler == &Form1::Timer1_Timer;
  if (ended_ || running_ || (typing_ && tick)) return false;
  if (!tick) typing_ = false;  // a button pressed finishes the edit
  running_ = true;
  (form.*handler)();
  running_ = false;
  return !ended_;
}

bool HandlerRunner::Zoom(Form1& form, const std::function<void(chart::ChartZoom&)>& step) {
  if (ended_ || running_ || !form.ChartOnWindow) return false;
  running_ = true;
  step(form.chartZoom);
  form.RedrawChart();
  running_ = false;
  return !ended_;
}

void HandlerRunner::End() {
  ended_ = true;
  on_end_();
}

}  // namespace app
