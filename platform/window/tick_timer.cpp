#include "platform/window/tick_timer.h"

namespace platform {

TickTimer::TickTimer(QObject* parent, std::function<void()> on_tick)
    : timer_(new QTimer(parent)), on_tick_(std::move(on_tick)) {
  timer_->setSingleShot(true);
  timer_->setTimerType(Qt::CoarseTimer);
  QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(); });
}

void TickTimer::SetInterval(int milliseconds) {
  interval_ms_ = milliseconds > 0 ? milliseconds : 0;
  if (halted_ || interval_ms_ == 0) {
    timer_->stop();
  } else if (!in_tick_) {
    timer_->start(interval_ms_);
  }
}

void TickTimer::Fire() {
  if (halted_ || in_tick_) return;
  timer_->stop();
  in_tick_ = true;
  on_tick_();
  in_tick_ = false;
  if (!halted_ && interval_ms_ > 0) timer_->start(interval_ms_);
}

void TickTimer::Halt() {
  halted_ = true;
  timer_->stop();
}

}  // namespace platform
