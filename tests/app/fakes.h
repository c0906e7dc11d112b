#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "tests/harness/form_harness.h"

namespace app::testing {

using Texts = std::vector<std::string>;

// The window model on the stand-in services, drawing onto a recording
// surface, with ways to read and set what a user sees.
struct FakeWindow : harness::FormHarness<chart::RecordingSurface> {
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
