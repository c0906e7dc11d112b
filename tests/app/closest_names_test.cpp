// Hints for a name that is not known: the names a slip of the keyboard, the
// case or a missing region lies from, three at most, closest first.

#include "app/closest_names.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using Names = std::vector<std::string>;

TEST(ClosestNames, SuggestsNamesAFewEditsAwayClosestFirst) {
  const Names zones = {"Europe/Paris", "Europe/Prague", "Asia/Tokyo", "Asia/Tomsk", "UTC",
                       "Etc/GMT+1",    "Etc/GMT+2",     "Etc/GMT+3",  "Etc/GMT+4"};
  const std::pair<std::string, Names> cases[] = {
      {"Paris", {"Europe/Paris"}},  // the region left out
      {"europe/paris", {"Europe/Paris"}},
      {"Europe/Prais", {"Europe/Paris", "Europe/Prague"}},  // two edits, then three
      {"Asia/Tomyo", {"Asia/Tokyo", "Asia/Tomsk"}},         // one each, in the list's order
      {"GMT+5", {"Etc/GMT+1", "Etc/GMT+2", "Etc/GMT+3"}},
      {"Atlantis", {}},
      {"", {}},
      {std::string(65, 'a'), {}}};
  for (const auto& [wanted, closest] : cases)
    EXPECT_EQ(ClosestNames(wanted, zones), closest) << wanted;
}

}  // namespace
}  // namespace app
