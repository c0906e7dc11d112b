#include "platform/qt/system_clock.h"

#include <QDateTime>

namespace platform {
namespace {

constexpr int kJapanOffsetSeconds = 9 * 3600;  // Japan Standard Time is UT + 9 h all year

}  // namespace

app::JapanDateTime SystemClock::Now() const {
  const QDateTime japan = QDateTime::currentDateTimeUtc().toOffsetFromUtc(kJapanOffsetSeconds);
  const QDate date = japan.date();
  const QTime time = japan.time();
  return app::JapanDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

}  // namespace platform
