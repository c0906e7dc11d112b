#pragma once

// Known inputs for the window and the command line: 2000-01-01 21:00 in Japan
// (JD 2451545.0) and no start file.

#include "tests/harness/form_harness.h"

namespace platform_test {

struct FixedClock final : harness::FixedClock {
  FixedClock() { now = {2000, 1, 1, 21, 0}; }
};

using harness::MemoryStartFile;

}  // namespace platform_test
