#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace chart {

// One of the four views: where it looks and what it is called.
struct DirectionRow {
  std::string_view id;       // identity, ASCII: "north", the command line's --dir and dir=
  std::string_view caption;  // UTF-8: the option button's caption, "北"
  double centreAzimuth;      // of the view [degrees, north 0, east 90]
  std::array<std::string_view, 3> words;  // under the horizon, at the left, middle and right
};

// The views in the order of the direction options.
inline constexpr std::array<DirectionRow, 4> kDirectionRows{{
    {"north", "北", 0, {"北西", "北", "北東"}},
    {"east", "東", 90, {"東北", "東", "東南"}},
    {"south", "南", 180, {"南東", "南", "南西"}},
    {"west", "西", 270, {"西南", "西", "西北"}},
}};

// Given: a word. Returned: the view it names (0 north .. 3 west), or nullopt.
constexpr std::optional<int> DirectionOfWord(std::string_view word) {
  for (std::size_t d = 0; d < kDirectionRows.size(); ++d) {
    if (kDirectionRows[d].id == word) return static_cast<int>(d);
  }
  return std::nullopt;
}

}  // namespace chart
