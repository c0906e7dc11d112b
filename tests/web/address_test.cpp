// Page addresses: the parameters the command line's options would be, their
// encoding, and the messages for what cannot be used.

#include "web/address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form.h"
#include "app/sky_request.h"
#include "chart/recording_surface.h"
#include "tests/harness/form_harness.h"

namespace web {
namespace {

using Boxes = std::array<std::string, 5>;

TEST(ReadAddress, ReadsEveryParameterOfTheSky) {
  const PageAddress a = ReadAddress(
      "site=12&at=2005-10-22T21:00&dir=south&grid&names&equator&ecliptic&step=30&lat=35.5&lon="
      "-0.5&minute=7&ops");
  EXPECT_TRUE(a.messages.empty());
  EXPECT_TRUE(a.asksForSky);
  EXPECT_TRUE(a.ops);
  EXPECT_EQ(a.request.site, "12");
  EXPECT_EQ(a.request.instant, (Boxes{"2005", "10", "22", "21", "0"}));
  EXPECT_EQ(a.request.dateBoxes[4], "7");
  EXPECT_FALSE(a.request.dateBoxes[0].has_value());
  EXPECT_EQ(a.request.direction, 2);
  using chart::Option;
  for (const Option option : {Option::kEquator, Option::kEcliptic, Option::kGrid, Option::kNames}) {
    EXPECT_TRUE(a.request.options.Has(option));
  }
  // Every option of the chart has its word.
  for (const chart::OptionRow& option : chart::kOptionRows) {
    EXPECT_TRUE(ReadAddress(option.word).request.options.Has(option.id)) << option.word;
  }
  EXPECT_EQ(a.request.step, "30");
  EXPECT_EQ(a.request.latitude, "35.5");
  EXPECT_EQ(a.request.longitude, "-0.5");
  EXPECT_FALSE(ReadAddress("").asksForSky);
  EXPECT_TRUE(ReadAddress("ops").asksForSky);
}

TEST(ReadAddress, DecodesPercentsAndPlusSigns) {
  const std::pair<const char*, const char*> sites[] = {
      {"site=%E6%9D%B1%E4%BA%AC", "東京"},  // UTF-8 bytes
      {"site=%e6%9d%b1%e4%ba%ac", "東京"},
      {"site=a+b", "a b"},
      {"site=a%2Bb%26c%3Dd", "a+b&c=d"},
      {"site=100%", "100%"},  // a percent sign without two hex digits stays
      {"site=%4", "%4"},
      {"site=%zz", "%zz"},
      {"site=", ""},
      {"site=1&site=2", "2"}};  // the last wins
  for (const auto& [query, site] : sites) EXPECT_EQ(ReadAddress(query).request.site, site) << query;
  EXPECT_EQ(ReadAddress("at=2005-10-22+21%3A00").request.instant,
            (Boxes{"2005", "10", "22", "21", "0"}));
  EXPECT_TRUE(ReadAddress("%67rid").request.options.Has(chart::Option::kGrid));
  EXPECT_TRUE(ReadAddress("&&grid&").messages.empty());
}

TEST(ReadAddress, LeavesOutWhatItCannotUseWithAMessage) {
  const char* bad[] = {"dir=up",  "dir=South", "dir",     "at=2005-10-22", "at=today",
                       "at",      "site",      "step",    "lat",           "grid=1",
                       "ops=yes", "ticks=3",   "Site=12", "=12",           "x%00y",
                       "zoom=9",  "zoom=x",    "center",  "center=1",      "center=400,10"};
  for (const char* query : bad) {
    const PageAddress a = ReadAddress(query);
    ASSERT_EQ(a.messages.size(), 1u) << query;
    EXPECT_NE(a.messages[0].find("アドレスの「"), std::string::npos) << query;
    EXPECT_TRUE(a.asksForSky) << query;
    EXPECT_FALSE(a.request.direction || a.request.instant || a.request.site || a.request.step ||
                 a.request.latitude || a.request.zoom || a.request.centre || a.ops)
        << query;
    EXPECT_FALSE(a.request.options.Has(chart::Option::kGrid)) << query;
  }
  EXPECT_EQ(ReadAddress("dir=up&dir=west").request.direction, 3);
  EXPECT_EQ(ReadAddress("dir=west&dir=up").request.direction, 3);  // a bad value keeps the good one
  EXPECT_EQ(ReadAddress("a&b&grid&c").messages.size(), 3u);
}

using FormOnFakes = harness::FormHarness<chart::RecordingSurface>;

// What the lists lack is named at the foot; app::ApplyRequest sets the rest.
TEST(ApplyAddress, KeepsTheControlsForASiteOrStepNotInTheList) {
  FormOnFakes fakes;
  app::Form1& form = fakes.form;
  form.Form_Load();
  const auto messages = ApplyAddress(ReadAddress("site=75&step=7"), form);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("「site=75」"), std::string::npos);
  EXPECT_NE(messages[1].find("「step=7」"), std::string::npos);
  EXPECT_EQ(form.lstCITY.ListIndex, 12);
  EXPECT_EQ(form.lstINTV1.ListIndex, 3);
  // Due north lies behind the viewer of the southern sky.
  const auto behind = ApplyAddress(ReadAddress("dir=south&zoom=2&center=0,40"), form);
  ASSERT_EQ(behind.size(), 1u);
  EXPECT_NE(behind[0].find("「center=0,40」"), std::string::npos);
  EXPECT_FALSE(form.chartZoom.Magnified());
}

// Links need no percent-encoded kanji: a site's Latin name, in any case,
// with '+' or a hyphen between its words, with or without its accents.
TEST(ApplyAddress, ChoosesASiteByItsLatinName) {
  const std::pair<const char*, int> sites[] = {
      {"site=Sapporo", 0},     {"site=new+york", 70},
      {"site=NEW-YORK", 70},   {"site=S%C3%A3o-Paulo", 68},  // São
      {"site=%C5%8Csaka", 27},                               // Ōsaka
      {"site=Mumbai", 62}};
  for (const auto& [query, position] : sites) {
    FormOnFakes fakes;
    app::Form1& form = fakes.form;
    form.Form_Load();
    EXPECT_TRUE(ApplyAddress(ReadAddress(query), form).empty()) << query;
    EXPECT_EQ(form.lstCITY.ListIndex, position) << query;
  }
}

TEST(ReadAddress, KeepsTheInstantAsWrittenWithItsZone) {
  const PageAddress a = ReadAddress("at=2024-08-12T22:00&tz=Europe/Paris&at=now");
  EXPECT_EQ(std::tie(a.at, a.zone), std::tie("now", "Europe/Paris"));
  EXPECT_FALSE(a.request.instant.has_value());
  EXPECT_TRUE(a.messages.empty());
}

// The address of a form's sky, and back: a fresh form set from it asks for
// the same sky, whatever the boxes hold.
TEST(WriteAddress, AsksForTheSkyOfTheFormItWasWrittenFrom) {
  const std::pair<const char*, const char*> cases[] = {
      {"site=12&at=2006-01-15T20:00&dir=east&names",
       "site=12&at=2006-01-15T20:00&dir=east&names&step=15"},
      {"site=0&at=2005-10-22T09:05&dir=north&grid&equator&ecliptic&step=120&ops",
       "site=0&at=2005-10-22T09:05&dir=north&equator&ecliptic&grid&step=120&ops"},
      // The typed entry carries its boxes, encoded.
      {"site=48&lat=-33.9&lon=18.4+x%26y%3D%E6%9D%B1&at=0005-01-01T00:00&dir=west",
       "site=48&lat=-33.9&lon=18.4+x%26y%3D%E6%9D%B1&at=0005-01-01T00:00&dir=west&step=15"},
      // Boxes that are no minute of the calendar, or not plain numbers, go box by box.
      {"at=2005-02-30T21:00",
       "site=12&year=2005&month=2&day=30&hour=21&minute=0&dir=south&step=15"},
      {"at=99999-01-01T00:00",
       "site=12&year=99999&month=1&day=1&hour=0&minute=0&dir=south&step=15"},
      {"at=2005-10-22T21:00&minute=0030",
       "site=12&year=2005&month=10&day=22&hour=21&minute=0030&dir=south&step=15"},
      // A magnified chart keeps its zoom and centre, to a hundredth.
      {"site=12&at=2006-01-15T20:00&dir=south&zoom=3&center=170.25,40.5",
       "site=12&at=2006-01-15T20:00&dir=south&step=15&zoom=3&center=170.25,40.5"},
      {"year=-5&month=1.5&day=x",
       "site=12&year=-5&month=1.5&day=x&hour=21&minute=0&dir=south&step=15"},
  };
  for (const auto& [query, expected] : cases) {
    harness::FormHarness<chart::RecordingSurface> first, second;
    first.form.Form_Load();
    second.form.Form_Load();
    const PageAddress address = ReadAddress(query);
    ApplyAddress(address, first.form);
    const std::string written = WriteAddress(app::RequestFromForm(first.form), address.ops);
    EXPECT_EQ(written, expected) << query;
    const PageAddress again = ReadAddress(written);
    EXPECT_TRUE(again.messages.empty()) << written;
    EXPECT_EQ(again.ops, address.ops) << written;
    ApplyAddress(again, second.form);
    EXPECT_EQ(app::RequestFromForm(second.form), app::RequestFromForm(first.form)) << written;
  }
}

}  // namespace
}  // namespace web
