// Whatever the start file holds, the window opens on a site of the list with
// usable coordinates, and the first chart is sound.

#include "app/start_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "tests/harness/form_harness.h"
#include "text/number_text.h"

namespace {

using Harness = harness::FormHarness<chart::RecordingSurface>;

constexpr int kTokyo = 12;
constexpr int kLastSite = 74;

struct LineCase {
  std::string what;
  std::optional<std::string> line;  // nullopt: no start file
  bool defaults;                    // the line cannot be read: Tokyo, 35.65, 139.75
};

std::vector<LineCase> Cases() {
  return {
      {"no file", std::nullopt, true},
      {"empty line", std::string(), true},
      {"blanks only", std::string(300, ' '), true},
      {"binary bytes", std::string("\x00\xff\xfe\x01\x80\x7f", 6), true},
      {"NUL inside the site index",
       std::string(" 1\x00"
                   "2 35 139",
                   10),
       true},
      {"one megabyte of digits", std::string(1 << 20, '7'), true},
      {"one megabyte of commas", std::string(1 << 20, ','), true},
      {"huge latitude text on the typed site", " 48 " + std::string(1 << 20, 'x') + " 139", true},
      {"site index beyond 16 bits", " 40000 35 139", true},
      {"site index not a number", " abc 35 139", true},
      {"longitude not a number", " 3 35 east", true},
      {"longitude beyond the double range", " 48 35 1e400", true},
      {"too few fields", " 3 35", true},
      {"site index below the list", "-5 35 139", true},
      {"site index beyond the list", " 75 35 139", true},
      {"Sendai", " 3             38.267        140.867", false},
      {"typed site with numbers", " 48            43.1          141.3", false},
      {"typed site beyond the pole", " 48 1000 -1000", false},
  };
}

TEST(StartFile, EveryLineOpensOnASiteOfTheListWithASoundChart) {
  for (const LineCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    auto h = std::make_unique<Harness>();
    h->startFile.contents = c.line;
    h->form.Form_Load();
    const int site = h->form.lstCITY.ListIndex;
    EXPECT_GE(site, 0);
    EXPECT_LE(site, kLastSite);
    if (c.defaults) {
      EXPECT_EQ(site, kTokyo);
      EXPECT_EQ(h->form.Label10.Caption, "東京");
      EXPECT_EQ(h->form.txtIDO.Text, "35.65");
      EXPECT_EQ(h->form.txtKEIDO.Text, "139.75");
    }
    EXPECT_TRUE(std::isfinite(text::LeadingNumber(h->form.txtIDO.Text)));
    EXPECT_TRUE(std::isfinite(text::LeadingNumber(h->form.txtKEIDO.Text)));
    h->form.Command3_Click();
    EXPECT_EQ(h->surface.nonFiniteCount(), 0u);
    for (const double altitude : h->form.observation.BodyAlt) EXPECT_TRUE(std::isfinite(altitude));
  }
}

// What the exit writes, the next start reads back to the same site: the box
// texts as typed wherever the line can hold them, else the site's own
// coordinates (for the typed entry, the number the box reads as).
TEST(StartFile, ExitAndStartKeepTheSiteWhateverTheBoxesHold) {
  const std::string long_text(300, '7');
  struct Case {
    int site;
    std::string latitude, longitude;            // typed
    std::string latitude_back, longitude_back;  // shown after the next start
  };
  const Case cases[] = {
      {48, "43.1", "141.3", "43.1", "141.3"},
      {48, "-0.18", "141.3", "-0.18", "141.3"},
      {48, "1000", "141.3", "1000", "141.3"},
      {48, "abc", "141.3", "abc", "141.3"},
      // Fills its 14-column print zone: the longitude must still be apart.
      {48, "35.12345678901", "141.3", "35.12345678901", "141.3"},
      {48, "", "141.3", "", "141.3"},
      {48, "a\"b c", "141.3", "a\"b c", "141.3"},
      {48, "\"", "141.3", "\"", "141.3"},
      {48, "\"\"", "\"", "\"\"", "0"},
      {48, "北緯 35°", "東経", "北緯 35°", "0"},
      {48, long_text, "139", "7.777777777777778e+299", "139"},
      {48, "35.5", "abc", "35.5", "0"},
      {48, "35.5", "12abc", "35.5", "12"},
      {48, "35.5", "1e400", "35.5", "139.75"},
      {48, "35.5", "", "35.5", "0"},
      {48, "tab\there", "141.3", "0", "141.3"},
      {12, "a\"b c", "abc", "35.65", "139.75"},
      {66, long_text, "1e400", "48.97", "2.45"},
      {24, "\"", "\"", "35", "135.867"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.latitude.substr(0, 20) + " | " + c.longitude);
    auto first = std::make_unique<Harness>();
    first->form.Form_Load();
    first->form.lstCITY.ListIndex = c.site;
    first->form.txtIDO.Text = c.latitude;
    first->form.txtKEIDO.Text = c.longitude;
    first->form.Command1_Click();
    ASSERT_EQ(first->startFile.writes, 1);
    EXPECT_EQ(first->process.ends, 1);
    ASSERT_TRUE(first->startFile.contents.value_or("").ends_with("\r\n"));

    auto second = std::make_unique<Harness>();
    second->startFile.contents = first->startFile.contents;
    second->form.Form_Load();
    EXPECT_EQ(second->form.lstCITY.ListIndex, c.site);
    EXPECT_EQ(second->form.txtIDO.Text, c.latitude_back);
    EXPECT_EQ(second->form.txtKEIDO.Text, c.longitude_back);
  }
}

}  // namespace
