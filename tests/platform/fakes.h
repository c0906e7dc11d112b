#pragma once

// Stand-ins for the clock, the start file and the process, so that the window
// and the command line run with known inputs.

#include <optional>
#include <string>

#include "app/services.h"

namespace platform_test {

class FixedClock final : public app::Clock {
 public:
  app::LocalDateTime now{2000, 1, 1, 21, 0};
  app::LocalDateTime Now() const override { return now; }
};

class MemoryStartFile final : public app::StartFileStore {
 public:
  std::optional<std::string> line;  // nullopt: no start file
  std::optional<std::string> written;
  std::optional<std::string> ReadLine() override { return line; }
  bool Write(const std::string& contents) override {
    written = contents;
    return true;
  }
};

class CountingProcess final : public app::Process {
 public:
  int ends = 0;
  void End() override { ++ends; }
};

}  // namespace platform_test
