#include "app/sites.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/start_file.h"
#include "app/text_number.h"

namespace app {
namespace {

TEST(Sites, HoldsSeventyFiveEntriesWithUniqueNames) {
  ASSERT_EQ(kSites.size(), 75u);
  std::set<std::string_view> names;
  for (const Site& site : kSites) names.insert(site.name);
  EXPECT_EQ(names.size(), 75u);
}

struct SiteCase {
  int position;
  std::string name, latitude_text, longitude_text;
};

// List positions with the names and box texts the site list must give.
TEST(Sites, GivesTheBoxTextsOfSelectedEntries) {
  const SiteCase cases[] = {
      {0, "札幌", "43.067", "141.35"},        {3, "仙台", "38.267", "140.867"},
      {12, "東京", "35.65", "139.75"},        {23, "津", "34.733", "136.517"},
      {24, "大津", "35", "135.867"},          {47, "山里", "43.92", "144.3"},
      {48, "入力", "43.92", "144.3"},         {53, "マニラ", "14.52", "121"},
      {61, "ニューデリー ", "28.58", "77.2"}, {66, "パリ", "48.97", "2.45"},
      {67, "ロンドン", "51.15", "-0.18"},     {68, "サンパウロ", "-23.5", "-46.62"},
      {74, "ホノルル", "21.35", "-157.93"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Site& site = kSites[static_cast<std::size_t>(c.position)];
    EXPECT_EQ(site.name, c.name);
    EXPECT_EQ(ShortestText(site.latitude), c.latitude_text);
    EXPECT_EQ(ShortestText(site.longitude), c.longitude_text);
  }
}

TEST(Sites, NewDelhiEndsWithExactlyOneSpace) {
  const std::string_view name = kSites[61].name;
  ASSERT_GE(name.size(), 2u);
  EXPECT_EQ(name.back(), ' ');
  EXPECT_NE(name[name.size() - 2], ' ');
}

TEST(Sites, TokyoIsTheStartDefault) {
  const Site& tokyo = kSites[kDefaultSiteIndex];
  EXPECT_EQ(tokyo.name, "東京");
  EXPECT_EQ(tokyo.latitude, kDefaultStartLat);
  EXPECT_EQ(tokyo.longitude, kDefaultStartLon);
}

// The Japanese places lie within Japan, every site on the globe.
TEST(Sites, CoordinatesLieWhereThePlacesAre) {
  for (std::size_t i = 0; i < kSites.size(); ++i) {
    SCOPED_TRACE(std::string(kSites[i].name));
    EXPECT_GE(kSites[i].latitude, -90);
    EXPECT_LE(kSites[i].latitude, 90);
    EXPECT_GE(kSites[i].longitude, -180);
    EXPECT_LE(kSites[i].longitude, 180);
    if (i <= 48) {
      EXPECT_GT(kSites[i].latitude, 24);
      EXPECT_LT(kSites[i].latitude, 46);
      EXPECT_GT(kSites[i].longitude, 122);
      EXPECT_LT(kSites[i].longitude, 146);
    }
  }
}

TEST(Sites, OnlyTheTypedEntryKeepsTheBoxes) {
  EXPECT_EQ(kSites[kTypedEntryPosition].name, "入力");
  for (int position = -2; position <= 76; ++position) {
    SCOPED_TRACE(position);
    const bool in_list = position >= 0 && position <= 74;
    EXPECT_EQ(UsesTableCoordinates(position), in_list && position != 48);
  }
}

}  // namespace
}  // namespace app
