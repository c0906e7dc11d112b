// The almanac button: the site applied as the planetarium button applies it,
// the date boxes read, the table handed to the display; the Sun's events
// against Astronomy Engine (tests/astro/data/almanac_reference.csv).

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "app/almanac_table.h"
#include "fakes.h"

namespace app {
namespace {

using testing::Select;
using testing::Texts;
using AlmanacButtonTest = testing::FormTest;

// "05:13" as minutes after midnight.
int Minutes(const std::string& clock_time) {
  return std::stoi(clock_time.substr(0, 2)) * 60 + std::stoi(clock_time.substr(3, 2));
}

// The Sun's rising, transit and setting [minutes after 00:00 JST]; none: no such event.
using SunEvents = std::array<std::optional<double>, 3>;

struct SiteAndDay {
  const char* site;   // the list item selected
  Texts typed;        // latitude and longitude boxes before the press
  Texts dateBoxes;    // year, month, day
  Texts coordinates;  // the boxes after the press
  const char* title;
  std::optional<SunEvents> sun;  // the reference's, where it has the day
};

TEST_F(AlmanacButtonTest, AppliesTheSiteReadsTheDateAndShowsTheTable) {
  const SiteAndDay cases[] = {
      // A named site puts its own coordinates in the boxes; day 2.7 is the 2nd.
      {"東京",
       {"1", "2"},
       {"2026", "9", "2.7"},
       {"35.65", "139.75"},
       "東京（北緯 35.65°、東経 139.75°） 2026年9月2日（日本標準時）",
       SunEvents{313.394, 700.811, 1087.648}},
      // Typed coordinates stay; at Tromsø the Sun neither rises nor sets.
      {"入力",
       {"69.65", "18.96"},
       {"1905", "6", "9"},
       {"69.65", "18.96"},
       "北緯 69.65°、東経 18.96° 1905年6月9日（日本標準時）",
       SunEvents{std::nullopt, 1183.032, std::nullopt}},
      // February 30 is carried into March, and named as the day computed.
      {"入力",
       {"-33.9", "-151.2"},
       {"2026", "2", "30"},
       {"-33.9", "-151.2"},
       "南緯 33.9°、西経 151.2° 2026年3月2日（日本標準時）",
       std::nullopt},
  };
  form.Form_Load();
  const std::string site_label = form.Label10.Caption;
  for (const SiteAndDay& c : cases) {
    SCOPED_TRACE(c.title);
    Select(form.lstCITY, c.site);
    form.txtIDO.Text = c.typed[0];
    form.txtKEIDO.Text = c.typed[1];
    SetBoxes(c.dateBoxes);
    form.cmdKOYOMI_Click();
    EXPECT_EQ((Texts{form.txtIDO.Text, form.txtKEIDO.Text}), c.coordinates);
    ASSERT_TRUE(almanac.table);
    const AlmanacTable& table = *almanac.table;
    EXPECT_EQ(table.title, c.title);
    ASSERT_EQ(table.bodies.size(), 6u);
    EXPECT_EQ(table.bodies[5][0], "土星");
    const AlmanacRow& sun = table.bodies[0];
    EXPECT_EQ(sun[0], "太陽");
    for (std::size_t e = 0; c.sun && e < c.sun->size(); ++e) {
      const std::size_t column = 1 + 2 * e;  // 出, 南中, 入
      const std::optional<double>& reference = (*c.sun)[e];
      SCOPED_TRACE(kAlmanacColumns[column]);
      if (reference) {
        EXPECT_NEAR(Minutes(sun[column]), *reference, 1) << sun[column];
      } else {
        EXPECT_EQ(sun[column] + sun[column + 1], "なし—");
      }
    }
  }
  // Nothing else changes: no chart, no readout, the chart's site label as it was.
  EXPECT_EQ(ClearCount(), 0);
  EXPECT_FALSE(form.ReadoutShown);
  EXPECT_EQ(form.Label10.Caption, site_label);
}

// A date or place the almanac cannot be computed for replaces the table shown
// before by the message.
TEST_F(AlmanacButtonTest, BoxesWithoutAComputableDateShowNoTable) {
  const Texts cases[] = {// year, month, day, latitude
                         {"70000", "1", "1", "35"},    {"2026", "99999", "1", "35"},
                         {"2026", "1", "1e400", "35"}, {"2026", "1", "40000", "35"},
                         {"-32768", "2", "1", "35"},   {"2026", "1", "1", "1e999"}};
  form.Form_Load();
  Select(form.lstCITY, "入力");
  for (const Texts& boxes : cases) {
    SCOPED_TRACE(boxes[0] + "/" + boxes[1] + "/" + boxes[2] + " " + boxes[3]);
    SetBoxes({"2026", "9", "2"});
    form.txtIDO.Text = "35";
    form.cmdKOYOMI_Click();
    ASSERT_TRUE(almanac.table);
    SetBoxes({boxes[0], boxes[1], boxes[2]});
    form.txtIDO.Text = boxes[3];
    form.cmdKOYOMI_Click();
    EXPECT_FALSE(almanac.table);
    EXPECT_EQ(almanac.message, std::string(kNoAlmanacMessage));
  }
}

// The 16 points, 22.5 degrees apart, each the middle of its sector.
TEST(AlmanacTable, NamesTheNearestOfTheSixteenCompassPoints) {
  const std::pair<double, const char*> cases[] = {
      {0, "北"},         {11.24, "北"},      {11.25, "北北東"}, {90, "東"},
      {118.1, "東南東"}, {191.25, "南南西"}, {270, "西"},       {348.74, "北北西"},
      {348.75, "北"},    {359.99, "北"},     {360, "北"},       {-10, "北"}};
  for (const auto& [azimuth, point] : cases) {
    EXPECT_EQ(CompassPoint(azimuth), point) << azimuth;
  }
}

}  // namespace
}  // namespace app
