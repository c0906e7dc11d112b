#pragma once

#include "app/services.h"

namespace platform {

// The computer's clock, read in Japan Standard Time.
class SystemClock final : public app::Clock {
 public:
  // Returned: the present date and time in Japan Standard Time, to the
  // minute, whatever time zone the computer is set to.
  app::JapanDateTime Now() const override;
};

}  // namespace platform
