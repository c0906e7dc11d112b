#include "app/handler_runner.h"

#include "app/form.h"

namespace app {

bool HandlerRunner::Run(Form1& form, void (Form1::*handler)()) {
  if (ended_ || running_ || (typing_ && handler == &Form1::Timer1_Timer)) return false;
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
