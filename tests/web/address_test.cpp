// Page addresses: the parameters the command line's options would be, their
// encoding, and the messages for what cannot be used.

#include "web/address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form.h"
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
  EXPECT_EQ(a.site, "12");
  EXPECT_EQ(a.at, (Boxes{"2005", "10", "22", "21", "0"}));
  EXPECT_EQ(a.dateBoxes[4], "7");
  EXPECT_FALSE(a.dateBoxes[0].has_value());
  EXPECT_EQ(a.direction, 2);
  EXPECT_EQ(a.chartOptions, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(a.step, "30");
  EXPECT_EQ(a.latitude, "35.5");
  EXPECT_EQ(a.longitude, "-0.5");
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
  for (const auto& [query, site] : sites) EXPECT_EQ(ReadAddress(query).site, site) << query;
  EXPECT_EQ(ReadAddress("at=2005-10-22+21%3A00").at, (Boxes{"2005", "10", "22", "21", "0"}));
  EXPECT_EQ(ReadAddress("%67rid").chartOptions[2], true);
  EXPECT_TRUE(ReadAddress("&&grid&").messages.empty());
}

TEST(ReadAddress, LeavesOutWhatItCannotUseWithAMessage) {
  const char* bad[] = {"dir=up",  "dir=South", "dir",     "at=2005-10-22", "at=now",
                       "at",      "site",      "step",    "lat",           "grid=1",
                       "ops=yes", "ticks=3",   "Site=12", "=12",           "x%00y"};
  for (const char* query : bad) {
    const PageAddress a = ReadAddress(query);
    ASSERT_EQ(a.messages.size(), 1u) << query;
    EXPECT_NE(a.messages[0].find("アドレスの「"), std::string::npos) << query;
    EXPECT_TRUE(a.asksForSky) << query;
    EXPECT_FALSE(a.direction || a.at || a.site || a.step || a.latitude || a.ops) << query;
    EXPECT_FALSE(a.chartOptions[2]) << query;
  }
  EXPECT_EQ(ReadAddress("dir=up&dir=west").direction, 3);
  EXPECT_EQ(ReadAddress("dir=west&dir=up").direction, 3);  // a bad value keeps the good one
  EXPECT_EQ(ReadAddress("a&b&grid&c").messages.size(), 3u);
}

using FormOnFakes = harness::FormHarness<chart::RecordingSurface>;

TEST(ApplyAddress, SetsTheControlsAsTheCommandLineDoes) {
  FormOnFakes fakes;
  app::Form1& form = fakes.form;
  form.Form_Load();
  const auto messages = ApplyAddress(
      ReadAddress("site=ロンドン&at=2005-12-31T23:30&hour=5&dir=west&equator&names&step=120"),
      form);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form.lstCITY.Text(), "ロンドン");
  EXPECT_EQ(form.txtIDO.Text + " " + form.txtKEIDO.Text, "51.15 -0.18");
  const Boxes boxes{form.txtYMD[0].Text, form.txtYMD[1].Text, form.txtYMD[2].Text,
                    form.txtYMD[3].Text, form.txtYMD[4].Text};
  EXPECT_EQ(boxes, (Boxes{"2005", "12", "31", "5", "30"}));
  EXPECT_EQ(form.optDIR[3].Value && !form.optDIR[2].Value, true);
  EXPECT_EQ(form.chkOP[0].Value + form.chkOP[1].Value * 2 + form.chkOP[3].Value * 8, 9);
  EXPECT_EQ(form.lstINTV1.Text(), "120");

  // The typed entry keeps the typed coordinates; a named site's are replaced.
  ApplyAddress(ReadAddress("site=入力&lat=10&lon=20"), form);
  EXPECT_EQ(form.lstCITY.ListIndex, 48);
  EXPECT_EQ(form.txtIDO.Text + " " + form.txtKEIDO.Text, "10 20");
}

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
}

}  // namespace
}  // namespace web
