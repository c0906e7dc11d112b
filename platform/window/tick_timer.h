#pragma once

#include <QTimer>
#include <functional>

#include "app/services.h"

namespace platform {

// The animation timer on a parented single-shot QTimer. The next tick is armed
// only after the handler of the current one has returned, so ticks never
// overlap or pile up: a slow refresh delays the next tick instead.
class TickTimer final : public app::IntervalTimer {
 public:
  // Given: the owner of the QTimer and the tick handler.
  TickTimer(QObject* parent, std::function<void()> on_tick);

  // Given: the interval [ms]; 0 stops the timer. Notes: restarts the countdown.
  void SetInterval(int milliseconds) override;

  int Interval() const { return interval_ms_; }
  bool Active() const { return timer_->isActive(); }
  // Runs one tick at once, as if the interval had elapsed.
  void Fire();
  // Stops ticking for good (the program is ending).
  void Halt();

 private:
  QTimer* timer_;  // owned by the parent
  std::function<void()> on_tick_;
  int interval_ms_ = 0;
  bool in_tick_ = false;
  bool halted_ = false;
};

}  // namespace platform
