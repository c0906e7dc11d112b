// The table of catalogue places and proper motions, generated from the
// Hipparcos Catalogue by tools/realsky, and its lookup by HR number.

#include "catalog/star_motions.h"

#include <algorithm>

namespace catalog {
namespace {

constexpr StarMotion kStarMotions[] = {
#include "catalog/star_motion_data.inc"
};

static_assert(std::ranges::is_sorted(kStarMotions, {}, &StarMotion::hr),
              "the generator writes the rows by increasing HR");

}  // namespace

std::span<const StarMotion> StarMotions() {
  return kStarMotions;
}

std::optional<StarMotion> FindStarMotion(int hr) {
  const auto* found = std::ranges::lower_bound(kStarMotions, hr, {}, &StarMotion::hr);
  if (found == std::end(kStarMotions) || found->hr != hr) return std::nullopt;
  return *found;
}

}  // namespace catalog
