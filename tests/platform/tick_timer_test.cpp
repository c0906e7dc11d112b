#include "platform/tick_timer.h"

#include <gtest/gtest.h>

#include <QObject>

namespace platform {
namespace {

TEST(TickTimer, ZeroStopsAndAnIntervalStarts) {
  QObject owner;
  int ticks = 0;
  TickTimer timer(&owner, [&ticks] { ++ticks; });
  EXPECT_FALSE(timer.Active());
  timer.SetInterval(6000);
  EXPECT_TRUE(timer.Active());
  EXPECT_EQ(timer.Interval(), 6000);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Active());
  EXPECT_EQ(ticks, 0);
}

TEST(TickTimer, ATickIsNeverEnteredTwice) {
  QObject owner;
  int depth = 0, deepest = 0, ticks = 0;
  TickTimer* self = nullptr;
  TickTimer timer(&owner, [&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    self->Fire();             // a tick due while the handler still runs is dropped
    self->SetInterval(1000);  // the handler sets the interval, as a refresh does
    EXPECT_FALSE(self->Active());
    --depth;
  });
  self = &timer;
  timer.Fire();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(deepest, 1);
  EXPECT_TRUE(timer.Active());  // armed again once the handler has returned
}

TEST(TickTimer, AStoppedTimerStaysStoppedAfterItsLastTick) {
  QObject owner;
  TickTimer* self = nullptr;
  TickTimer timer(&owner, [&self] { self->SetInterval(0); });
  self = &timer;
  timer.SetInterval(1000);
  timer.Fire();
  EXPECT_FALSE(timer.Active());
}

TEST(TickTimer, HaltEndsTicking) {
  QObject owner;
  int ticks = 0;
  TickTimer timer(&owner, [&ticks] { ++ticks; });
  timer.SetInterval(1000);
  timer.Halt();
  timer.Fire();
  timer.SetInterval(1000);
  EXPECT_FALSE(timer.Active());
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace platform
