#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

#include "chart/layers.h"

namespace chart {

// What the chart's check boxes ask for, in the order of the boxes.
enum class Option : std::size_t {
  kEquator,
  kEcliptic,
  kGrid,
  kNames,
  kConstellations,
  kConstellationNames,
  kAsterisms,
  kPhases,
  kRealSky,
};

// One check box of the chart: what every front end shows and reads.
struct OptionRow {
  Option id;
  // The identity: the command line's --WORD, the page address's WORD and the
  // name of the layer it shows (LayerName).
  std::string_view word;
  std::string_view caption;  // the box's caption (UTF-8)
  bool onAtStart;            // ticked when the window opens
  // What it draws, and where in the drawing order; none for an option of the
  // sky's computation.
  std::optional<Layer> layer;
};

inline constexpr std::array<OptionRow, 9> kOptionRows{{
    {Option::kEquator, "equator", "赤道", false, Layer::kEquator},
    {Option::kEcliptic, "ecliptic", "黄道", false, Layer::kEcliptic},
    {Option::kGrid, "grid", "高度・方位線", false, Layer::kGrid},
    {Option::kNames, "names", "星の名前", false, Layer::kNames},
    {Option::kConstellations, "constellations", "星座線", false, Layer::kConstellations},
    {Option::kConstellationNames, "constellation-names", "星座名", false,
     Layer::kConstellationNames},
    {Option::kAsterisms, "asterisms", "星座の形", false, Layer::kAsterisms},
    {Option::kPhases, "phases", "満ち欠け", false, Layer::kPhases},
    // The Moon seen from the site, refraction, the stars at the date.
    {Option::kRealSky, "real-sky", "実際の空", false, std::nullopt},
}};
inline constexpr std::size_t kOptionCount = kOptionRows.size();

// Each row stands at the place its identity names, and names its layer by the
// layer's own name.
constexpr bool OptionRowsInOrder() {
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    if (static_cast<std::size_t>(kOptionRows[i].id) != i) return false;
    if (kOptionRows[i].layer && kOptionRows[i].word != LayerName(*kOptionRows[i].layer)) {
      return false;
    }
  }
  return true;
}
static_assert(OptionRowsInOrder());

constexpr const OptionRow& RowOf(Option option) {
  return kOptionRows[static_cast<std::size_t>(option)];
}

// Given: a word (from a command line or an address). Returned: the option it
// names, or nullopt.
constexpr std::optional<Option> OptionOfWord(std::string_view word) {
  for (const OptionRow& row : kOptionRows) {
    if (row.word == word) return row.id;
  }
  return std::nullopt;
}

// Which options are on.
class OptionSet {
 public:
  bool Has(Option option) const { return on_[static_cast<std::size_t>(option)]; }
  void Set(Option option, bool on = true) { on_.set(static_cast<std::size_t>(option), on); }
  friend bool operator==(const OptionSet&, const OptionSet&) = default;

 private:
  std::bitset<kOptionCount> on_;
};

}  // namespace chart
