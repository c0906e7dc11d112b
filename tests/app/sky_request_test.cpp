// Controls set from a user's words (site names and positions, time steps,
// instants, directions) and the form's sky as such words.

#include "app/sky_request.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/control_lookup.h"
#include "app/form.h"
#include "app/sites.h"
#include "fakes.h"

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

TEST(DirectionOfWord, NamesTheFourOptionsInTheirOrder) {
  const std::pair<const char*, std::optional<int>> words[] = {
      {"north", 0}, {"east", 1}, {"south", 2}, {"west", 3}, {"North", {}}, {"up", {}}, {"", {}}};
  for (const auto& [word, direction] : words) EXPECT_EQ(DirectionOfWord(word), direction) << word;
}

// A request sets what it names and nothing else; a site or step not in its
// list is reported and leaves the control as it was.
TEST(ApplyRequest, SetsWhatItNamesAndReportsWhatTheListsLack) {
  testing::FakeWindow window;
  Form1& form = window.form;
  form.Form_Load();
  SkyRequest request;
  request.site = "ロンドン";
  request.instant = std::array<std::string, 5>{"2005", "12", "31", "23", "30"};
  request.dateBoxes[3] = "5";
  request.direction = 3;
  request.chartOptions = {true, false, false, true};
  request.step = "120";
  EXPECT_TRUE(ApplyRequest(form, request).empty());
  EXPECT_EQ(form.lstCITY.Text(), "ロンドン");
  EXPECT_EQ(form.txtIDO.Text + " " + form.txtKEIDO.Text, "51.15 -0.18");
  EXPECT_EQ(window.Boxes(), (testing::Texts{"2005", "12", "31", "5", "30"}));
  EXPECT_TRUE(form.optDIR[3].Value && !form.optDIR[2].Value);
  EXPECT_EQ(form.chkOP[0].Value + 2 * form.chkOP[1].Value + 8 * form.chkOP[3].Value, 9);
  EXPECT_EQ(form.lstINTV1.Text(), "120");

  SkyRequest unknown;
  unknown.site = "Atlantis";
  unknown.step = "7";
  EXPECT_EQ(ApplyRequest(form, unknown),
            (std::vector<RequestFault>{RequestFault::kUnknownSite, RequestFault::kUnknownStep}));
  EXPECT_EQ(form.lstCITY.Text(), "ロンドン");
  EXPECT_EQ(form.lstINTV1.Text(), "120");
}

// The form's sky as a request puts the same sky into a fresh form: every
// site, direction and step, typed coordinates and odd box texts alike.
TEST(RequestFromForm, PutsTheSameSkyIntoAFreshForm) {
  const auto controls = [](const Form1& form) {
    std::string shown = form.lstCITY.Text() + "|" + form.txtIDO.Text + "|" + form.txtKEIDO.Text;
    for (const TextBox& box : form.txtYMD) shown += "|" + box.Text;
    for (const OptionButton& option : form.optDIR) shown += option.Value ? "|o" : "|-";
    for (const CheckBox& check : form.chkOP) shown += "|" + std::to_string(check.Value);
    return shown + "|" + form.lstINTV1.Text();
  };
  for (int site = 0; site < kSiteCount; ++site) {
    testing::FakeWindow first, second;
    first.form.Form_Load();
    second.form.Form_Load();
    first.form.lstCITY.ListIndex = site;
    first.form.ApplySiteSelection();
    if (site == kTypedEntryPosition) {
      first.form.txtIDO.Text = "北緯 35";
      first.form.txtKEIDO.Text = "-135.5";
    }
    if (site % 3 == 0) first.form.txtYMD[1].Text = "1e1";
    for (int d = 0; d < 4; ++d)
      first.form.optDIR[static_cast<std::size_t>(d)].Value = d == site % 4;
    first.form.chkOP[static_cast<std::size_t>(site % 4)].Value = 1;
    first.form.lstINTV1.ListIndex = site % 8;
    const SkyRequest request = RequestFromForm(first.form);
    EXPECT_TRUE(ApplyRequest(second.form, request).empty());
    EXPECT_EQ(controls(second.form), controls(first.form)) << site;
    EXPECT_EQ(RequestFromForm(second.form), request) << site;
  }
}

}  // namespace
}  // namespace app
