#pragma once

// A Form1 with stand-in services, for the soak and robustness tests, the fuzz
// targets and the benchmarks: a fixed clock, a start file held in memory, a
// process end and a timer that are only recorded, and a drawing surface chosen
// by the caller.

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/form.h"
#include "app/services.h"
#include "chart/surface.h"

namespace harness {

class FixedClock : public app::Clock {
 public:
  app::LocalDateTime now{2005, 10, 22, 21, 0};  // a clear autumn night in Japan
  app::LocalDateTime Now() const override { return now; }
};

class MemoryStartFile : public app::StartFileStore {
 public:
  std::optional<std::string> line;  // what ReadLine hands out; nullopt: no file
  std::string written;              // the last contents written
  int writes = 0;
  std::optional<std::string> ReadLine() override { return line; }
  bool Write(const std::string& contents) override {
    written = contents;
    ++writes;
    return true;
  }
};

class RecordedProcess : public app::Process {
 public:
  int ends = 0;
  void End() override { ++ends; }
};

class RecordedTimer : public app::IntervalTimer {
 public:
  int interval_ms = 0;
  void SetInterval(int milliseconds) override { interval_ms = milliseconds; }
};

// Draws nothing; counts the operations and every coordinate, radius or text
// position that is not a finite number.
class CheckingSurface : public chart::Surface {
 public:
  std::size_t operations = 0;
  std::size_t non_finite = 0;
  std::size_t clears = 0;

  void Cls() override {
    ++clears;
    ++operations;
  }
  void Line(float x1, float y1, float x2, float y2, chart::Colour) override {
    Check(x1), Check(y1), Check(x2), Check(y2);
    ++operations;
  }
  void PSet(float x, float y, chart::Colour) override {
    Check(x), Check(y);
    ++operations;
  }
  void Circle(float x, float y, float radius, chart::Colour) override {
    Check(x), Check(y), Check(radius);
    ++operations;
  }
  void Print(std::string_view) override {
    Check(CurrentX), Check(CurrentY);
    ++operations;
  }

 private:
  void Check(float value) {
    if (!std::isfinite(value)) ++non_finite;
  }
};

// The window model wired to the stand-ins above and to a surface of type S.
template <class S>
struct FormHarness {
  S surface;
  FixedClock clock;
  MemoryStartFile startFile;
  RecordedProcess process;
  RecordedTimer timer;
  app::Form1 form{app::Services{surface, clock, startFile, process, timer}};
};

}  // namespace harness
