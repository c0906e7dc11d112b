// Controls set from a user's words (site names and positions, time steps,
// instants, directions) and the form's sky as such words.

#include "app/sky_request.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_lookup.h"
#include "app/form.h"
#include "app/sites.h"
#include "fakes.h"

namespace app {
namespace {

TEST(FindSite, FindsSitesByNameOrPosition) {
  // "ニューデリー" is stored with a trailing blank; positions count from 0.
  const std::pair<const char*, int> found[] = {
      {"札幌", 0},           {"東京", 12},     {"東京 ", 12}, {"入力", 48}, {"ニューデリー", 61},
      {"ニューデリー ", 61}, {"ホノルル", 74}, {"0", 0},      {"12", 12},   {" 74", 74}};
  for (const auto& [wanted, at] : found) EXPECT_EQ(FindSite(wanted), at) << wanted;
  // Neither a name nor a position; "入力" has no Latin name; other spellings and
  // parts of Latin names.
  for (const char* wanted : {"75", "-1", "", " ", "-", "東", "12.0", "1e1", "input", "Tokio",
                             "Toukyou", "Tokyo2", "Tokyo Tower", "Toky", "York", "Peking"}) {
    EXPECT_FALSE(FindSite(wanted)) << wanted;
  }
}

// `name` with each of its characters c written as spell(c).
template <typename Spell>
std::string Respelt(std::string_view name, Spell spell) {
  std::string spelt;
  for (const char c : name) spelt += spell(c);
  return spelt;
}

// Spellings of a Latin name a user may type: as written, in lower and upper
// case, its words joined by hyphens, by underscores, by " - " and run
// together, and with a mark on every vowel (macrons, as Hepburn writes long
// vowels, and acute accents), each vowel's marks given as two-byte characters
// in the order a e i o u.
std::vector<std::string> Spellings(std::string_view name) {
  const auto marked = [](std::string_view lower_marks, std::string_view upper_marks) {
    return [=](char c) {
      const std::size_t vowel = std::string_view("aeiouAEIOU").find(c);
      if (vowel == std::string_view::npos) return std::string(1, c);
      return std::string((vowel < 5 ? lower_marks : upper_marks).substr(2 * (vowel % 5), 2));
    };
  };
  const auto joined_by = [](std::string_view join) {
    return [=](char c) { return c == ' ' ? std::string(join) : std::string(1, c); };
  };
  const auto lower = [](char c) {
    return std::string(1, c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  };
  const auto upper = [](char c) {
    return std::string(1, c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  };
  return {std::string(name),
          Respelt(name, lower),
          Respelt(name, upper),
          Respelt(name, joined_by("-")),
          Respelt(name, joined_by("_")),
          Respelt(name, joined_by(" - ")),
          Respelt(name, joined_by("")),
          Respelt(name, marked("āēīōū", "ĀĒĪŌŪ")),
          Respelt(Respelt(name, upper), marked("áéíóú", "ÁÉÍÓÚ"))};
}

// Every named site by the name an English atlas gives it, written here rather
// than taken from the site table; "入力" has none.
TEST(FindSite, LatinNamesResolveForAll74Sites) {
  const std::pair<int, const char*> atlas[] = {
      {0, "Sapporo"},      {1, "Aomori"},         {2, "Morioka"},    {3, "Sendai"},
      {4, "Akita"},        {5, "Yamagata"},       {6, "Fukushima"},  {7, "Mito"},
      {8, "Utsunomiya"},   {9, "Maebashi"},       {10, "Urawa"},     {11, "Chiba"},
      {12, "Tokyo"},       {13, "Yokohama"},      {14, "Kofu"},      {15, "Shizuoka"},
      {16, "Nagoya"},      {17, "Niigata"},       {18, "Nagano"},    {19, "Toyama"},
      {20, "Kanazawa"},    {21, "Fukui"},         {22, "Gifu"},      {23, "Tsu"},
      {24, "Otsu"},        {25, "Kyoto"},         {26, "Nara"},      {27, "Osaka"},
      {28, "Wakayama"},    {29, "Kobe"},          {30, "Okayama"},   {31, "Hiroshima"},
      {32, "Yamaguchi"},   {33, "Tottori"},       {34, "Matsue"},    {35, "Takamatsu"},
      {36, "Tokushima"},   {37, "Matsuyama"},     {38, "Kochi"},     {39, "Fukuoka"},
      {40, "Saga"},        {41, "Nagasaki"},      {42, "Kumamoto"},  {43, "Oita"},
      {44, "Miyazaki"},    {45, "Kagoshima"},     {46, "Naha"},      {47, "Yamazato"},
      {49, "Auckland"},    {50, "Sydney"},        {51, "Guam"},      {52, "Seoul"},
      {53, "Manila"},      {54, "Taipei"},        {55, "Beijing"},   {56, "Shanghai"},
      {57, "Hong Kong"},   {58, "Kuala Lumpur"},  {59, "Singapore"}, {60, "Bangkok"},
      {61, "New Delhi"},   {62, "Bombay"},        {62, "Mumbai"},    {63, "Moscow"},
      {64, "Rome"},        {65, "Berlin"},        {66, "Paris"},     {67, "London"},
      {68, "Sao Paulo"},   {69, "Boston"},        {70, "New York"},  {71, "Chicago"},
      {72, "Los Angeles"}, {73, "San Francisco"}, {74, "Honolulu"}};
  std::set<int> named;
  for (const auto& [position, name] : atlas) {
    named.insert(position);
    for (const std::string& spelling : Spellings(name)) {
      EXPECT_EQ(FindSite(spelling), position) << spelling;
    }
  }
  EXPECT_EQ(named.size(), 74u);
  EXPECT_FALSE(named.count(48));
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
  for (const auto& [word, direction] : words)
    EXPECT_EQ(chart::DirectionOfWord(word), direction) << word;
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
  request.options.Set(chart::Option::kEquator);
  request.options.Set(chart::Option::kNames);
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
