// Whatever the start file holds, the window opens on a site of the list with
// usable coordinates, and the first chart is sound.

#include "app/start_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/text_number.h"
#include "chart/recording_surface.h"
#include "tests/soak/form_harness.h"

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
    h->startFile.line = c.line;
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
    EXPECT_TRUE(std::isfinite(app::LeadingNumber(h->form.txtIDO.Text)));
    EXPECT_TRUE(std::isfinite(app::LeadingNumber(h->form.txtKEIDO.Text)));
    h->form.Command3_Click();
    EXPECT_EQ(h->surface.nonFiniteCount(), 0u);
    for (const double altitude : h->form.observation.BodyAlt) EXPECT_TRUE(std::isfinite(altitude));
  }
}

TEST(StartFile, TypedSiteKeepsItsCoordinatesThroughExitAndStart) {
  // "35.12345678901" fills its 14-column print zone to the last column: the
  // longitude must still be written apart from it. An emptied latitude box
  // must not cost the stored site either.
  for (const std::string latitude : {"43.1", "-0.18", "1000", "abc", "35.12345678901", ""}) {
    SCOPED_TRACE(latitude);
    auto first = std::make_unique<Harness>();
    first->form.Form_Load();
    first->form.lstCITY.ListIndex = 48;
    first->form.txtIDO.Text = latitude;
    first->form.txtKEIDO.Text = "141.3";
    first->form.Command1_Click();
    ASSERT_EQ(first->startFile.writes, 1);
    EXPECT_EQ(first->process.ends, 1);
    const std::string& written = first->startFile.written;
    ASSERT_TRUE(written.ends_with("\r\n"));

    auto second = std::make_unique<Harness>();
    second->startFile.line = written.substr(0, written.size() - 2);
    second->form.Form_Load();
    EXPECT_EQ(second->form.lstCITY.ListIndex, 48);
    EXPECT_EQ(second->form.txtIDO.Text, latitude);
    EXPECT_EQ(second->form.txtKEIDO.Text, "141.3");
  }
}

}  // namespace
