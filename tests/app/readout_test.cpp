#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form.h"
#include "app/text_number.h"
#include "catalog/star_tables.h"
#include "fakes.h"

namespace app {
namespace {

// "0.0" format: an optional minus, digits, a point and exactly one digit.
bool IsOneDecimal(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::size_t first = text.starts_with('-') ? 1 : 0;
  if (point == std::string::npos || point == first || point + 2 != text.size()) return false;
  for (std::size_t i = first; i < text.size(); ++i) {
    if (i != point && (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

const std::vector<std::string> kBodyNames = {" 太陽", " 月　", " 金星", " 火星", " 木星", " 土星"};

class ReadoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fakes.clock.now = {2005, 10, 22, 21, 0};
    form.Form_Load();
  }
  testing::FakeServices fakes;
  Form1 form{fakes.services()};
};

TEST_F(ReadoutTest, CalcSkyAtTheEpochGivesJulianDay2451545) {
  testing::SetBoxes(form, {"2000", "1", "1", "21", "0"});
  ASSERT_TRUE(form.CalcSky());
  EXPECT_EQ(form.observation.JD, 2451545.0);
  EXPECT_EQ(form.observation.T, 0.0);
  EXPECT_EQ(form.observation.GMST, 18.697374558000007);
  for (std::size_t row = 1; row <= 6; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(form.ReadoutName[row], kBodyNames[row - 1]);
    EXPECT_EQ(form.ReadoutAlt[row], form.observation.BodyAlt[row - 1]);
    EXPECT_EQ(form.ReadoutAz[row], form.observation.BodyAz[row - 1]);
  }
  EXPECT_TRUE(form.ReadoutName[7].empty());  // the stars are the readout's own rows
}

TEST_F(ReadoutTest, CalcSkyReadsTheBoxesAsTyped) {
  testing::SetBoxes(form, {" 2005 ", "10", "22", "21", "0"});
  form.txtIDO.Text = "35 x";
  form.txtKEIDO.Text = "135abc";
  ASSERT_TRUE(form.CalcSky());
  EXPECT_EQ(form.observation.JD, 2453666.0);
  EXPECT_EQ(form.observation.horizontal.SiteLat, 35);
  EXPECT_EQ(form.observation.horizontal.SiteLon, 135);
}

// A number that does not fit computes nothing and keeps every previous result.
TEST_F(ReadoutTest, CalcSkyKeepsThePreviousResultsWhenABoxDoesNotFit) {
  testing::SetBoxes(form, {"2005", "10", "22", "21", "0"});
  ASSERT_TRUE(form.CalcSky());
  const double jd = form.observation.JD;
  const double sun_altitude = form.observation.BodyAlt[0];
  const std::vector<std::vector<std::string>> boxes = {
      {"40000", "10", "22", "21", "0"},    {"2005", "70000", "22", "21", "0"},
      {"-32769", "1", "1", "0", "0"},      {"2005", "10", "1e400", "21", "0"},
      {"2005", "10", "22", "-1e999", "0"}, {"-32768", "1", "1", "0", "0"},
  };
  for (const auto& texts : boxes) {
    SCOPED_TRACE(texts[0] + " " + texts[1] + " " + texts[2] + " " + texts[3]);
    testing::SetBoxes(form, texts);
    form.ReadoutName[1] = "marker";
    EXPECT_FALSE(form.CalcSky());
    EXPECT_EQ(form.observation.JD, jd);
    EXPECT_EQ(form.observation.BodyAlt[0], sun_altitude);
    EXPECT_EQ(form.ReadoutName[1], "marker");
  }
}

TEST_F(ReadoutTest, NumericButtonFillsTwentySixRows) {
  form.Command2_Click();
  EXPECT_EQ(form.ReadoutMode, 1);
  catalog::StarTables bright;
  bright.SetBrightStars();
  for (std::size_t i = 0; i < 26; ++i) {
    SCOPED_TRACE(i);
    const std::string expected_name = i < 6 ? kBodyNames[i] : bright.StarName[i - 5];
    EXPECT_EQ(form.lblST[i].Caption, expected_name);
    EXPECT_TRUE(IsOneDecimal(form.lblH[i].Caption)) << form.lblH[i].Caption;
    EXPECT_TRUE(IsOneDecimal(form.lblV[i].Caption)) << form.lblV[i].Caption;
    EXPECT_EQ(form.lblH[i].Caption, FormatOneDecimal(form.ReadoutAlt[i + 1]));
    EXPECT_EQ(form.lblV[i].Caption, FormatOneDecimal(form.ReadoutAz[i + 1]));
    EXPECT_GE(form.ReadoutAlt[i + 1], -90);
    EXPECT_LE(form.ReadoutAlt[i + 1], 90);
    EXPECT_GE(form.ReadoutAz[i + 1], 0);
    EXPECT_LT(form.ReadoutAz[i + 1], 360);
  }
  EXPECT_TRUE(form.lblST[26].Caption.empty());
  EXPECT_TRUE(form.lblH[26].Caption.empty());
  EXPECT_TRUE(form.lblV[26].Caption.empty());
}

// The pole star stands at about the site's latitude, due north.
TEST_F(ReadoutTest, PoleStarStandsAtTheSiteLatitude) {
  form.Command2_Click();
  const std::size_t pole_row = 26;
  ASSERT_EQ(form.lblST[pole_row - 1].Caption, "北極星");
  EXPECT_NEAR(form.ReadoutAlt[pole_row], 35.65, 1.0);
  const double azimuth = form.ReadoutAz[pole_row];
  EXPECT_LT(std::min(azimuth, 360 - azimuth), 1.5);
}

TEST_F(ReadoutTest, NumericButtonClearsTheChartAndKeepsTheColours) {
  fakes.clock.now = {2005, 6, 21, 12, 0};  // broad daylight
  form.Form_Load();
  fakes.surface.Clear();
  form.Command2_Click();
  ASSERT_EQ(fakes.surface.Operations().size(), 1u);
  EXPECT_EQ(fakes.surface.Operations()[0].kind, chart::RecordingSurface::Kind::kCls);
  EXPECT_GT(form.observation.BodyAlt[0], 0);
  EXPECT_EQ(form.ColourScheme, 1);
  EXPECT_EQ(form.BackColor, (chart::Colour{32, 96, 192}));
  EXPECT_TRUE(fakes.timer.intervals.empty());
}

// A night chart loads the chart catalogue over the bright-star rows; the next
// readout still lists the bright stars.
TEST_F(ReadoutTest, ReadoutAfterANightChartListsTheBrightStars) {
  form.Command3_Click();
  ASSERT_LT(form.observation.BodyAlt[0], 0);
  form.Command2_Click();
  catalog::StarTables bright;
  bright.SetBrightStars();
  for (std::size_t k = 1; k <= 20; ++k) EXPECT_EQ(form.lblST[k + 5].Caption, bright.StarName[k]);
}

TEST_F(ReadoutTest, ABoxThatDoesNotFitLeavesTheTableEmpty) {
  form.Command2_Click();
  testing::SetBoxes(form, {"99999"});
  form.Command2_Click();
  for (std::size_t i = 0; i < kReadoutLabels; ++i) {
    EXPECT_TRUE(form.lblST[i].Caption.empty());
    EXPECT_TRUE(form.lblH[i].Caption.empty());
  }
}

TEST_F(ReadoutTest, PlanetariumButtonEmptiesTheTable) {
  form.Command2_Click();
  form.Command3_Click();
  EXPECT_EQ(form.ReadoutMode, 0);
  for (std::size_t i = 0; i < kReadoutLabels; ++i) {
    EXPECT_TRUE(form.lblST[i].Caption.empty());
    EXPECT_TRUE(form.lblH[i].Caption.empty());
    EXPECT_TRUE(form.lblV[i].Caption.empty());
  }
}

}  // namespace
}  // namespace app
