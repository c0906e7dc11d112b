#pragma once

#include <optional>
#include <string>

#include "chart/surface.h"

namespace app {

// What the window's handlers need from outside, each behind a small interface
// so that every handler runs in a unit test without a display.

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;  // the computer's local date and time
};

// The start file `pstart.txt` in the current directory.
class StartFileStore {
 public:
  virtual ~StartFileStore() = default;
  // The file's first line (without its line end), or nullopt when the file is
  // missing, unreadable or not text. Reads a bounded amount only.
  virtual std::optional<std::string> ReadLine() = 0;
  // Replaces the whole file; false when it could not be written. Never leaves a
  // truncated file behind.
  virtual bool Write(const std::string& contents) = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  virtual void End() = 0;  // ends the program at once, without further events
};

class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;  // 0 stops it
};

struct Services {
  chart::Surface& surface;
  Clock& clock;
  StartFileStore& startFile;
  Process& process;
  IntervalTimer& timer;
};

}  // namespace app
