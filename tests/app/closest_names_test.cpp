// Hints for a name that is not known: the names a slip of the keyboard, the
// case or a missing region lies from.

#include "app/closest_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app {
namespace {

using Names = std::vector<std::string>;

TEST(ClosestNames, SuggestsNamesAFewEditsAwayClosestFirst) {
  const Names zones = {"Europe/Paris", "Europe/Prague", "Asia/Tokyo", "America/Toronto",
                       "Asia/Tomsk",   "UTC",           "local",      "JST"};
  const std::pair<const char*, Names> cases[] = {
      {"Paris", {"Europe/Paris"}},          // the region left out
      {"europe/paris", {"Europe/Paris"}},   // the case
      {"Europe/Pariss", {"Europe/Paris"}},  // a slip
      {"tokio", {"Asia/Tokyo"}},
      {"Asia/Tomyo", {"Asia/Tokyo", "Asia/Tomsk"}},  // one edit each, in the list's order
      {"utc", {"UTC"}},
      {"JSTT", {"JST"}},
      {"Atlantis", {}},
      {"", {}},
      {std::string(65, 'a').c_str(), {}}};
  for (const auto& [wanted, closest] : cases)
    EXPECT_EQ(ClosestNames(wanted, zones), closest) << wanted;
}

TEST(ClosestNames, ShowsThreeAtMostAndEachOnce) {
  const Names names = {"Etc/GMT+1", "Etc/GMT+2", "Etc/GMT+3", "Etc/GMT+4", "Etc/GMT+1"};
  EXPECT_EQ(ClosestNames("GMT+5", names), (Names{"Etc/GMT+1", "Etc/GMT+2", "Etc/GMT+3"}));
  EXPECT_EQ(ClosestNames("GMT+1", {"Etc/GMT+1", "Etc/GMT+1"}), Names{"Etc/GMT+1"});
}

}  // namespace
}  // namespace app
