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

// The Sun's rising, transit and setting [minutes after 00:00 JST]; none: no such event.
using SunEvents = std::array<std::optional<double>, 3>;

// The site and the date as the title names them: a named site's own
// coordinates, put into the boxes, or the typed ones.
TEST_F(AlmanacButtonTest, AppliesTheSiteReadsTheDateAndShowsTheTable) {
  const struct {
    Texts boxes;  // site, latitude, longitude, year, month, day before the press
    const char* title;
    std::optional<SunEvents> sun;  // the reference's, where it has the day
    const char* sunRiseAzimuth;    // the reference's, with the nearest of the 16 points
  } cases[] = {
      // Day 2.7 is the 2nd; the Sun rises at 79.468 degrees.
      {{"東京", "1", "2", "2026", "9", "2.7"},
       "東京（北緯 35.65°、東経 139.75°） 2026年9月2日（日本標準時）",
       SunEvents{313.394, 700.811, 1087.648},
       "79.5（東）"},
      // At Tromsø the Sun neither rises nor sets.
      {{"入力", "69.65", "18.96", "1905", "6", "9"},
       "北緯 69.65°、東経 18.96° 1905年6月9日（日本標準時）",
       SunEvents{std::nullopt, 1183.032, std::nullopt},
       "—"},
      // February 30 is carried into March, and named as the day computed.
      {{"入力", "-33.9", "-151.2", "2026", "2", "30"},
       "南緯 33.9°、西経 151.2° 2026年3月2日（日本標準時）",
       std::nullopt,
       nullptr},
  };
  form.Form_Load();
  const std::string site_label = form.Label10.Caption;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    Select(form.lstCITY, c.boxes[0]);
    form.txtIDO.Text = c.boxes[1];
    form.txtKEIDO.Text = c.boxes[2];
    SetBoxes({c.boxes[3], c.boxes[4], c.boxes[5]});
    form.cmdKOYOMI_Click();
    ASSERT_TRUE(almanac.table);
    EXPECT_EQ(almanac.table->title, c.title);
    ASSERT_EQ(almanac.table->bodies.size(), 6u);
    const AlmanacRow& sun = almanac.table->bodies[0];
    EXPECT_EQ(sun[0] + almanac.table->bodies[5][0], "太陽土星");
    if (c.sunRiseAzimuth) {
      EXPECT_EQ(sun[2], c.sunRiseAzimuth);
    }
    for (std::size_t e = 0; c.sun && e < 3; ++e) {
      const std::size_t column = 1 + 2 * e;  // 出, 南中, 入: "HH:MM", or "なし" and "—"
      const std::optional<double>& reference = (*c.sun)[e];
      if (!reference) {
        EXPECT_EQ(sun[column] + sun[column + 1], "なし—");
        continue;
      }
      const int minute =
          std::stoi(sun[column].substr(0, 2)) * 60 + std::stoi(sun[column].substr(3));
      EXPECT_NEAR(minute, *reference, 1) << sun[column];
    }
  }
  EXPECT_EQ(form.txtIDO.Text + " " + form.txtKEIDO.Text, "-33.9 -151.2");
  // Nothing else changes: no chart, no readout, the chart's site label as it was.
  EXPECT_EQ(ClearCount(), 0);
  EXPECT_FALSE(form.ReadoutShown);
  EXPECT_EQ(form.Label10.Caption, site_label);
}

// A date or place the almanac cannot be computed for replaces the table shown
// before by the message.
TEST_F(AlmanacButtonTest, BoxesWithoutAComputableDateShowNoTable) {
  const Texts cases[] = {// year, month, day, latitude
                         {"70000", "1", "1", "35"},
                         {"2026", "1", "1e400", "35"},
                         {"-32768", "2", "1", "35"},
                         {"2026", "1", "1", "1e999"}};
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

}  // namespace
}  // namespace app
