#include "platform/tick_timer.h"

#include <gtest/gtest.h>

#include <QObject>

namespace platform {
namespace {

TEST(TickTimer, ZeroStopsAnIntervalStartsAndHaltEndsForGood) {
  QObject owner;
  int ticks = 0;
  TickTimer timer(&owner, [&ticks] { ++ticks; });
  timer.SetInterval(6000);
  EXPECT_TRUE(timer.Active());
  EXPECT_EQ(timer.Interval(), 6000);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Active());
  timer.SetInterval(1000);
  timer.Halt();
  timer.Fire();
  timer.SetInterval(1000);
  EXPECT_FALSE(timer.Active());
  EXPECT_EQ(ticks, 0);
}

// A tick due while the handler still runs is dropped; the handler sets the
// next interval, as a refresh does, and only then is the timer armed again.
TEST(TickTimer, ATickIsNeverEnteredTwice) {
  for (const int next_interval : {1000, 0}) {
    QObject owner;
    int ticks = 0;
    TickTimer* self = nullptr;
    TickTimer timer(&owner, [&] {
      ++ticks;
      self->Fire();
      self->SetInterval(next_interval);
      EXPECT_FALSE(self->Active());
    });
    self = &timer;
    timer.SetInterval(1000);
    timer.Fire();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.Active(), next_interval != 0);
  }
}

}  // namespace
}  // namespace platform
