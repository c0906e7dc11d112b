#pragma once

// Stand-ins for the window model's services, shared by every test, the fuzz
// targets and the benchmarks: a fixed clock, a start file held in memory whose
// writes can be made to fail, a process end and a timer that are only
// recorded, a save-failure dialog that answers as told, an almanac display
// that keeps what it was shown, and a drawing surface
// that checks every number it is handed.

#include <cmath>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/almanac_table.h"
#include "app/form.h"
#include "app/services.h"
#include "app/start_file.h"
#include "chart/surface.h"

namespace harness {

class FixedClock : public app::Clock {
 public:
  app::JapanDateTime now{2005, 10, 22, 21, 0};  // a clear autumn night in Japan
  app::JapanDateTime Now() const override { return now; }
};

// A start file in memory, read as the real one is read.
class MemoryStartFile : public app::StartFileStore {
 public:
  std::optional<std::string> contents;  // the whole file; nullopt: no file
  int writes = 0;                       // every attempt, failed or not
  std::optional<std::string> failure;   // set: every write fails for this reason
  std::optional<std::string> ReadLine() override {
    if (!contents) return std::nullopt;
    return app::FirstStartFileLine(std::string_view(*contents).substr(0, app::kStartFileReadLimit),
                                   contents->size());
  }
  std::optional<std::string> Write(const std::string& new_contents) override {
    ++writes;
    if (failure) return failure;
    contents = new_contents;
    return std::nullopt;
  }
  std::string Location() const override { return "/memory/pstart.txt"; }
};

class RecordedProcess : public app::Process {
 public:
  int ends = 0;
  void End() override { ++ends; }
};

class RecordedTimer : public app::IntervalTimer {
 public:
  int interval_ms = 0;
  std::vector<int> intervals;  // [ms], every SetInterval in order
  void SetInterval(int milliseconds) override {
    interval_ms = milliseconds;
    intervals.push_back(milliseconds);
  }
};

// Answers the questions after a failed save from a list, then goes back to
// the window; remembers what it was shown.
class ScriptedSaveFailure : public app::SaveFailureDialog {
 public:
  std::deque<app::AfterFailedSave> answers;
  std::function<void()> whileAsked;  // what the user does before answering
  int asked = 0;
  std::string location, reason;  // of the last question
  app::AfterFailedSave Ask(std::string_view where, std::string_view why) override {
    ++asked;
    location = where;
    reason = why;
    if (whileAsked) whileAsked();
    if (answers.empty()) return app::AfterFailedSave::kBackToWindow;
    const app::AfterFailedSave answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Keeps what the almanac button last showed: a table, or the message in its place.
class RecordedAlmanac : public app::AlmanacDisplay {
 public:
  std::optional<app::AlmanacTable> table;
  std::optional<std::string> message;
  int shown = 0;  // tables and messages alike
  void Show(const app::AlmanacTable& shown_table) override {
    ++shown;
    table = shown_table;
    message.reset();
  }
  void ShowNoTable(std::string_view why) override {
    ++shown;
    table.reset();
    message = std::string(why);
  }
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
  void Polygon(std::span<const chart::PointF> points) override {
    for (const chart::PointF& point : points) Check(point.x), Check(point.y);
    ++operations;
  }

 private:
  void Check(float value) {
    if (!std::isfinite(value)) ++non_finite;
  }
};

// Every service but the drawing surface.
struct FakeServices {
  FixedClock clock;
  MemoryStartFile startFile;
  RecordedProcess process;
  RecordedTimer timer;
  ScriptedSaveFailure saveFailure;
  RecordedAlmanac almanac;
  app::Services On(chart::Surface& surface) {
    return app::Services{surface, clock, startFile, process, timer, saveFailure, almanac};
  }
};

// The window model wired to the stand-ins above and to a surface of type S.
template <class S>
struct FormHarness : FakeServices {
  S surface;
  app::Form1 form{On(surface)};
};

}  // namespace harness
