#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "fakes.h"

namespace app {
namespace {

class StartUpTest : public ::testing::Test {
 protected:
  testing::FakeServices fakes;
  Form1 form{fakes.services()};
};

TEST_F(StartUpTest, WithoutAStartFileOpensOnTokyo) {
  fakes.clock.now = {2005, 1, 2, 3, 4};
  form.Form_Load();
  EXPECT_EQ(form.lstCITY.ListIndex, 12);
  EXPECT_EQ(form.lstCITY.Text(), "東京");
  EXPECT_EQ(form.Label10.Caption, "東京");
  EXPECT_EQ(form.txtIDO.Text, "35.65");
  EXPECT_EQ(form.txtKEIDO.Text, "139.75");
  EXPECT_EQ(testing::Boxes(form), (std::vector<std::string>{"2005", "1", "2", "3", "4"}));
  EXPECT_EQ(form.lstINTV1.Text(), "15");
  EXPECT_EQ(form.lstINTV2.Text(), " 6");
}

TEST_F(StartUpTest, SetsTheFormValuesAndComputesNothing) {
  form.Form_Load();
  EXPECT_EQ(form.PrevSunAlt, -1);
  EXPECT_EQ(form.ColourScheme, 1);
  EXPECT_EQ(form.ReadoutMode, 0);
  EXPECT_EQ(form.chart.ScaleX, 150);
  EXPECT_EQ(form.chart.ScaleY, 80);
  EXPECT_EQ(form.chart.CentreX, 7000);
  EXPECT_EQ(form.chart.HorizonY, 9000);
  EXPECT_TRUE(fakes.surface.Operations().empty());
  EXPECT_TRUE(fakes.timer.intervals.empty());
  EXPECT_EQ(form.Timer1.Interval, 0);
  EXPECT_EQ(form.observation.JD, 0);
  EXPECT_EQ(fakes.process.endCalls, 0);
}

TEST_F(StartUpTest, FillsTheSiteTablesAndTheList) {
  form.Form_Load();
  ASSERT_EQ(form.lstCITY.items.size(), 75u);
  EXPECT_EQ(form.lstCITY.items.front(), "札幌");
  EXPECT_EQ(form.lstCITY.items[48], "入力");
  EXPECT_EQ(form.lstCITY.items.back(), "ホノルル");
  EXPECT_TRUE(form.CityName[0].empty());
  EXPECT_TRUE(form.CityName[76].empty());
  EXPECT_EQ(form.CityName[25], "大津");
  EXPECT_EQ(form.CityLat[25], 35);
  EXPECT_EQ(form.CityName[62], "ニューデリー ");
  EXPECT_EQ(form.CityName[68], "ロンドン");
  EXPECT_EQ(form.CityLon[68], -0.18);
  for (std::size_t p = 0; p < 75; ++p) EXPECT_EQ(form.lstCITY.items[p], form.CityName[p + 1]);
}

struct StartFileCase {
  std::optional<std::string> contents;
  std::string site, latitude, longitude;
};

// The stored site and, for the typed entry only, the stored coordinates.
TEST(StartUpFromFile, SelectsTheStoredSite) {
  const std::vector<StartFileCase> cases = {
      {std::nullopt, "東京", "35.65", "139.75"},
      {" 3            38.267        140.867       \r\n", "仙台", "38.267", "140.867"},
      {" 48           43.1          141.3         \r\n", "入力", "43.1", "141.3"},
      {" 48           43.10         141.30\r\n", "入力", "43.1", "141.3"},
      {" 48           北緯35        135\r\n", "入力", "北緯35", "135"},
      {" 5            0             0             \r\n", "山形", "38.25", "140.35"},
      {" 24 0 0\r\n", "大津", "35", "135.867"},
      {" 99           1             2\r\n", "東京", "35.65", "139.75"},
      {"-1            1             2\r\n", "東京", "35.65", "139.75"},
      {"48 43.1 oops\r\n", "東京", "35.65", "139.75"},
      {"", "東京", "35.65", "139.75"},
      {std::string("\0\0\0\xff\xfe", 5), "東京", "35.65", "139.75"},
      {std::string(1'000'000, '7'), "東京", "35.65", "139.75"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.value_or("(no file)").substr(0, 40));
    testing::FakeServices fakes;
    fakes.startFile.contents = c.contents;
    Form1 form(fakes.services());
    form.Form_Load();
    EXPECT_EQ(form.lstCITY.Text(), c.site);
    EXPECT_EQ(form.Label10.Caption, c.site);
    EXPECT_EQ(form.txtIDO.Text, c.latitude);
    EXPECT_EQ(form.txtKEIDO.Text, c.longitude);
  }
}

TEST_F(StartUpTest, ExitWritesTheSiteAndEndsTheProgram) {
  form.Form_Load();
  form.lstCITY.ListIndex = testing::ListPosition(form.lstCITY, "パリ");
  form.txtIDO.Text = "48.97";
  form.txtKEIDO.Text = "2.45";
  form.Command1_Click();
  ASSERT_TRUE(fakes.startFile.contents.has_value());
  EXPECT_EQ(*fakes.startFile.contents, " 66           48.97         2.45\r\n");
  EXPECT_EQ(fakes.process.endCalls, 1);
}

TEST_F(StartUpTest, AnUnwritableFileNeverBlocksTheExit) {
  fakes.startFile.contents = "kept";
  fakes.startFile.failWrites = true;
  form.Form_Load();
  form.Command1_Click();
  EXPECT_EQ(fakes.startFile.writeAttempts, 1);
  EXPECT_EQ(fakes.startFile.contents, "kept");
  EXPECT_EQ(fakes.process.endCalls, 1);
}

// What one run saves, the next run opens with.
TEST(StartUpRoundTrip, TypedCoordinatesSurviveARestart) {
  testing::FakeServices first;
  {
    Form1 form(first.services());
    form.Form_Load();
    form.lstCITY.ListIndex = 48;
    form.txtIDO.Text = "35";
    form.txtKEIDO.Text = "-135.5";
    form.Command1_Click();
  }
  testing::FakeServices second;
  second.startFile.contents = first.startFile.contents;
  Form1 form(second.services());
  form.Form_Load();
  EXPECT_EQ(form.lstCITY.Text(), "入力");
  EXPECT_EQ(form.txtIDO.Text, "35");
  EXPECT_EQ(form.txtKEIDO.Text, "-135.5");
}

}  // namespace
}  // namespace app
