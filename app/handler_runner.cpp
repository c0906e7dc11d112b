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

void HandlerRunner::End() {
  ended_ = true;
  on_end_();
}

}  // namespace app
