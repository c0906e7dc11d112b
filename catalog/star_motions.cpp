// The table of catalogue places and proper motions, generated from the
// Hipparcos Catalogue by tools/realsky, and its lookup by HR number.

#include "catalog/star_motions.h"

#include <algorithm>
#include <iterator>

namespace catalog {
namespace {

constexpr StarMotion kStarMotions[] = {
#include "catalog/star_motion_data.inc"
};

constexpr bool ByHr(const StarMotion& a, const StarMotion& b) {
  return a.hr < b.hr;
}

static_assert(std::is_sorted(std::begin(kStarMotions), std::end(kStarMotions), ByHr),
              "the generator writes the rows by increasing HR");

}  // namespace

std::span<const StarMotion> StarMotions() {
  return kStarMotions;
}

std::optional<StarMotion> FindStarMotion(int hr) {
  const auto* found =
      std::lower_bound(std::begin(kStarMotions), std::end(kStarMotions), hr,
                       [](const StarMotion& motion, int wanted) { return motion.hr < wanted; });
  if (found == std::end(kStarMotions) || found->hr != hr) return std::nullopt;
  return *found;
}

}  // namespace catalog
