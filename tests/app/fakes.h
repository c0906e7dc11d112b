#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/services.h"
#include "chart/recording_surface.h"

namespace app::testing {

using Texts = std::vector<std::string>;

// A window on fake services: a clock at 2005-10-22 21:00 (Japan), the start
// file in memory (std::nullopt: no file; writes can be made to fail), and the
// process end and timer intervals recorded.
struct FakeWindow : Clock, StartFileStore, Process, IntervalTimer {
  LocalDateTime now{2005, 10, 22, 21, 0};
  std::optional<std::string> startFile;
  bool failWrites = false;
  int endCalls = 0;
  std::vector<int> intervals;  // [ms], every SetInterval in order
  chart::RecordingSurface surface;
  Form1 form{Services{surface, *this, *this, *this, *this}};

  LocalDateTime Now() const override { return now; }
  std::optional<std::string> ReadLine() override {
    if (!startFile) return std::nullopt;
    return startFile->substr(0, startFile->find_first_of("\r\n"));
  }
  bool Write(const std::string& contents) override {
    if (!failWrites) startFile = contents;
    return !failWrites;
  }
  void End() override { ++endCalls; }
  void SetInterval(int milliseconds) override { intervals.push_back(milliseconds); }

  // The date boxes: year, month, day, hour, minute.
  void SetBoxes(const Texts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) form.txtYMD[i].Text = texts[i];
  }
  Texts Boxes() const {
    Texts texts;
    for (const auto& box : form.txtYMD) texts.push_back(box.Text);
    return texts;
  }
  // How many charts were drawn: every view starts by clearing the surface.
  long ClearCount() const {
    return std::ranges::count(surface.Operations(), chart::RecordingSurface::Kind::kCls,
                              &chart::RecordingSurface::Operation::kind);
  }
  // The direction word the last view printed under the middle of the horizon.
  std::string CentreDirectionWord() const {
    std::string word;
    for (const auto& op : surface.Operations()) {
      if (op.kind == chart::RecordingSurface::Kind::kPrint && op.values[0] == 6950) word = op.text;
    }
    return word;
  }
};

struct FormTest : ::testing::Test, FakeWindow {};

inline void Select(ListBox& list, const std::string& item) {
  list.ListIndex = static_cast<int>(std::ranges::find(list.items, item) - list.items.begin());
  ASSERT_LT(list.ListIndex, static_cast<int>(list.items.size())) << item;
}

}  // namespace app::testing
