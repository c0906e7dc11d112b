#pragma once

#include <functional>

#include "app/services.h"
#include "chart/chart_zoom.h"

namespace app {

class Form1;

// Runs the form's handlers for a front end (the window, the page) one at a
// time, and none once the program has ended; the form ends the program
// through it.
class HandlerRunner final : public Process {
 public:
  // Given: what the front end does when the program ends: stop its timer,
  // leave its event loop or close its page.
  explicit HandlerRunner(std::function<void()> on_end) : on_end_(std::move(on_end)) {}

  // Runs a handler of the form, unless the program has ended, another
  // handler is still running (one that waits for the user's answer), or it is
  // the timer's tick while the user is typing in a box; any other handler (a
  // button) finishes the edit.
  // Returned: true when it ran and the program goes on: the front end then
  // shows the model.
  bool Run(Form1& form, void (Form1::*handler)());

  // A zoom or pan step of the user's: `step` changes the form's chartZoom and
  // the chart is drawn again (Form1::RedrawChart), as a handler, but only
  // while a chart is shown; an edit in progress goes on.
  // Returned: true when it ran and the program goes on.
  bool Zoom(Form1& form, const std::function<void(chart::ChartZoom&)>& step);

  // The user changed a box's text: the animation's ticks wait, so that they
  // write no stepped date over what is being typed.
  void Typing() { typing_ = true; }
  // The edit is finished (Enter, the box left): ticks go on from the boxes as typed.
  void TypingFinished() { typing_ = false; }

  void End() override;
  bool Ended() const { return ended_; }

 private:
  std::function<void()> on_end_;
  bool ended_ = false;
  bool running_ = false;
  bool typing_ = false;
};

}  // namespace app
