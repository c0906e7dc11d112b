#pragma once

#include <array>
#include <string>
#include <string_view>

namespace app {

// The animation's time steps [minutes] as the step list shows them: the
// window's own, then a whole day, which shows the same clock time each day.
inline constexpr std::array<std::string_view, 9> kTimeSteps = {" 2", " 5", "10",  "15",  "30",
                                                               "60", "90", "120", "1440"};

// The display intervals [seconds] as their list shows them; " 0" stops the animation.
inline constexpr std::array<std::string_view, 8> kDisplayIntervals = {" 0", " 1", " 3", " 6",
                                                                      "10", "20", "30", "60"};

// Returned: the time steps as a person reads them: "2 5 10 15 30 60 90 120 1440".
inline std::string TimeStepsText() {
  std::string text;
  for (std::string_view step : kTimeSteps) {
    while (step.front() == ' ') step.remove_prefix(1);
    text += (text.empty() ? "" : " ") + std::string(step);
  }
  return text;
}

}  // namespace app
