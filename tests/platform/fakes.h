#pragma once

// Known inputs for the window and the command line: 2000-01-01 21:00 and no start file.

#include <optional>
#include <string>

#include "app/services.h"

namespace platform_test {

struct FixedClock final : app::Clock {
  app::LocalDateTime Now() const override { return {2000, 1, 1, 21, 0}; }
};

struct MemoryStartFile final : app::StartFileStore {
  std::optional<std::string> written;
  std::optional<std::string> ReadLine() override { return std::nullopt; }
  bool Write(const std::string& contents) override { return (written = contents).has_value(); }
};

}  // namespace platform_test
