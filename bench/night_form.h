#pragma once

// The window model set up for the benchmarks: Tokyo, 2005-10-22 21:00 Japan
// Standard Time (the Sun well below the horizon, so every star is drawn), every
// option of the chart ticked (every layer, the sky as it is seen) and the view
// of one direction selected.

#include "app/form.h"

namespace bench {

inline constexpr int kDirections = 4;  // north, east, south, west

inline void SetUpNight(app::Form1& form, int direction) {
  form.Form_Load();
  const char* boxes[] = {"2005", "10", "22", "21", "0"};
  for (int i = 0; i < 5; ++i) form.txtYMD[static_cast<std::size_t>(i)].Text = boxes[i];
  for (int i = 0; i < kDirections; ++i) {
    form.optDIR[static_cast<std::size_t>(i)].Value = i == direction;
  }
  for (app::CheckBox& option : form.chkOP) option.Value = 1;
}

}  // namespace bench
