#include "platform/system_clock.h"

#include <QDateTime>

namespace platform {

app::LocalDateTime SystemClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return app::LocalDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

}  // namespace platform
