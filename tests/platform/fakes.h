#pragma once

// Stand-ins for the clock, the start file and the process, so that the window
// and the command line run with known inputs.

#include <optional>
#include <string>

#include "app/services.h"

namespace platform_test {

struct FixedClock final : app::Clock {
  app::LocalDateTime Now() const override { return {2000, 1, 1, 21, 0}; }
};

struct MemoryStartFile final : app::StartFileStore {
  std::optional<std::string> written;
  std::optional<std::string> ReadLine() override { return std::nullopt; }  // no start file
  bool Write(const std::string& contents) override {
    written = contents;
    return true;
  }
};

struct CountingProcess final : app::Process {
  int ends = 0;
  void End() override { ++ends; }
};

}  // namespace platform_test
