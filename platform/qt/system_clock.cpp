#include "platform/qt/system_clock.h"

#include <QDateTime>

namespace platform {

app::JapanDateTime SystemClock::Now() const {
  const QDateTime japan = QDateTime::currentDateTimeUtc().toOffsetFromUtc(app::kJapanOffsetSeconds);
  const QDate date = japan.date();
  const QTime time = japan.time();
  return app::JapanDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

}  // namespace platform
