#include "app/closest_names.h"

#include <algorithm>
#include <cstddef>

#include "text/folded_name.h"

namespace app {
namespace {

// Edits (insertions, deletions, substitutions) from one text to another.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> ClosestNames(std::string_view wanted,
                                      const std::vector<std::string>& names) {
  constexpr std::size_t kLongestName = 64;  // [bytes] longer texts name nothing
  constexpr std::size_t kShown = 3;
  const std::string lower_wanted = text::AsciiLower(wanted);
  if (lower_wanted.empty() || lower_wanted.size() > kLongestName) return {};
  const std::size_t allowed = std::max<std::size_t>(1, lower_wanted.size() / 4);
  std::vector<std::size_t> distances;
  distances.reserve(names.size());
  for (const std::string& name : names) {
    const std::string lower = text::AsciiLower(name);
    const std::size_t slash = lower.rfind('/');
    const std::string_view last =
        slash == std::string::npos ? lower : std::string_view(lower).substr(slash + 1);
    distances.push_back(
        std::min(EditDistance(lower_wanted, lower), EditDistance(lower_wanted, last)));
  }
  std::vector<std::string> shown;
  for (std::size_t distance = 0; distance <= allowed; ++distance) {
    for (std::size_t i = 0; i < names.size() && shown.size() < kShown; ++i) {
      if (distances[i] == distance &&
          std::find(shown.begin(), shown.end(), names[i]) == shown.end()) {
        shown.push_back(names[i]);
      }
    }
  }
  return shown;
}

}  // namespace app
