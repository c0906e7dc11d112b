// Controls set from a user's words: site names and positions, time steps, instants.

#include "app/control_lookup.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/sites.h"

namespace app {
namespace {

std::vector<std::string> SiteNames() {
  std::vector<std::string> names;
  names.reserve(kSites.size());
  for (const Site& site : kSites) names.emplace_back(site.name);
  return names;
}

TEST(FindSite, FindsSitesByNameOrPosition) {
  const std::vector<std::string> names = SiteNames();
  // "ニューデリー" is stored with a trailing blank; positions count from 0.
  const std::pair<const char*, int> found[] = {
      {"札幌", 0},           {"東京", 12},     {"東京 ", 12}, {"入力", 48}, {"ニューデリー", 61},
      {"ニューデリー ", 61}, {"ホノルル", 74}, {"0", 0},      {"12", 12},   {" 74", 74}};
  for (const auto& [wanted, at] : found) EXPECT_EQ(FindSite(names, wanted), at) << wanted;
  for (const char* wanted : {"75", "-1", "", " ", "Tokyo", "東", "12.0", "1e1"}) {
    EXPECT_FALSE(FindSite(names, wanted)) << wanted;
  }
}

TEST(FindStep, FindsTheItemWithThatManyMinutes) {
  const std::vector<std::string> steps = {" 2", " 5", "10", "15", "30", "60", "90", "120"};
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"2", 0}, {" 5", 1}, {"120", 7},  {"30 ", 4},  {"02", 0},  {"3", {}},
      {"", {}}, {"x", {}}, {"1e1", {}}, {"2.0", {}}, {"-2", {}}, {"+2", {}}};
  for (const auto& [minutes, position] : cases) {
    EXPECT_EQ(FindStep(steps, minutes), position) << '"' << minutes << '"';
  }
}

TEST(DateBoxesFromInstant, ReadsBothSeparatorsAndDropsLeadingZeros) {
  using Boxes = std::array<std::string, 5>;
  const std::pair<const char*, Boxes> read[] = {
      {"2005-10-22 21:00", {"2005", "10", "22", "21", "0"}},
      {"2005-10-22T21:00", {"2005", "10", "22", "21", "0"}},
      {"2000-01-01 09:05", {"2000", "1", "1", "9", "5"}},
      {"0099-1-1T0:0", {"99", "1", "1", "0", "0"}},
      // The boxes take what the user typed; the calendar judges the values later.
      {"70000-13-40 25:61", {"70000", "13", "40", "25", "61"}},
      {"99999999999-00-1 0:000", {"99999999999", "0", "1", "0", "0"}}};
  for (const auto& [text, boxes] : read) EXPECT_EQ(DateBoxesFromInstant(text), boxes) << text;
  for (const char* text :
       {"", "2005-10-22", "2005-10-22 21", "2005/10/22 21:00", "2005-10-22t21:00",
        "2005-10-22  21:00", "2005-10-22 21:00 ", "2005-10-22 21:00:00", "-2005-10-22 21:00",
        "2005-10-22 21:0x", "+2005-10-22 21:00"}) {
    EXPECT_FALSE(DateBoxesFromInstant(text)) << text;
  }
}

}  // namespace
}  // namespace app
