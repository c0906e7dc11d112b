#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/services.h"
#include "chart/recording_surface.h"

namespace app::testing {

// The computer's clock, set by the test.
class FakeClock : public Clock {
 public:
  LocalDateTime now{2005, 10, 22, 21, 0};
  LocalDateTime Now() const override { return now; }
};

// The start file in memory; writes can be made to fail.
class MemoryStartFile : public StartFileStore {
 public:
  std::optional<std::string> contents;  // std::nullopt: no file
  bool failWrites = false;
  int writeAttempts = 0;

  std::optional<std::string> ReadLine() override {
    if (!contents) return std::nullopt;
    const std::size_t end = contents->find_first_of("\r\n");
    return contents->substr(0, end);
  }
  bool Write(const std::string& new_contents) override {
    ++writeAttempts;
    if (failWrites) return false;
    contents = new_contents;
    return true;
  }
};

class RecordingProcess : public Process {
 public:
  int endCalls = 0;
  void End() override { ++endCalls; }
};

class RecordingTimer : public IntervalTimer {
 public:
  std::vector<int> intervals;  // [ms], every SetInterval in order
  void SetInterval(int milliseconds) override { intervals.push_back(milliseconds); }
};

// Every service faked, and a window on top of them.
struct FakeServices {
  chart::RecordingSurface surface;
  FakeClock clock;
  MemoryStartFile startFile;
  RecordingProcess process;
  RecordingTimer timer;
  Services services() { return Services{surface, clock, startFile, process, timer}; }
};

// How many charts were drawn on the surface: every view starts by clearing it.
inline int ClearCount(const chart::RecordingSurface& surface) {
  int count = 0;
  for (const auto& operation : surface.Operations()) {
    if (operation.kind == chart::RecordingSurface::Kind::kCls) ++count;
  }
  return count;
}

// The direction word printed under the middle of the horizon by the last view
// drawn ("南" for the south view), empty when nothing was drawn.
inline std::string CentreDirectionWord(const chart::RecordingSurface& surface) {
  constexpr float kCentreWordX = 6950;  // [twips]
  std::string word;
  for (const auto& operation : surface.Operations()) {
    if (operation.kind == chart::RecordingSurface::Kind::kPrint &&
        operation.values[0] == kCentreWordX) {
      word = operation.text;
    }
  }
  return word;
}

inline void SetBoxes(Form1& form, const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < texts.size() && i < form.txtYMD.size(); ++i) {
    form.txtYMD[i].Text = texts[i];
  }
}

inline std::vector<std::string> Boxes(const Form1& form) {
  std::vector<std::string> texts;
  for (const auto& box : form.txtYMD) texts.push_back(box.Text);
  return texts;
}

inline int ListPosition(const ListBox& list, const std::string& item) {
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    if (list.items[i] == item) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace app::testing
