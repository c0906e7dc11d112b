#pragma once

#include "app/services.h"

namespace platform {

// The computer's local clock.
class SystemClock final : public app::Clock {
 public:
  // Returned: the current local date and time, to the minute.
  app::LocalDateTime Now() const override;
};

}  // namespace platform
