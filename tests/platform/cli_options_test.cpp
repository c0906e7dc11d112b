#include "platform/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sites.h"

namespace platform {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> SiteNames() {
  std::vector<std::string> names;
  for (const app::Site& site : app::kSites) names.emplace_back(site.name);
  return names;
}

TEST(CliOptions, RejectsWhatItDoesNotKnow) {
  const struct {
    Args args;
    const char* why;
  } cases[] = {
      {{}, "no command"},
      {{"draw"}, "unknown command"},
      {{"table", "--colour"}, "unknown option"},
      {{"table", "--dir", "up"}, "unknown direction"},
      {{"table", "--dir"}, "missing value"},
      {{"table", "--at", "2000-01-01"}, "no time"},
      {{"table", "--at", "2000/01/01 21:00"}, "wrong separators"},
      {{"table", "--at", "2000-01-01 21:00 extra"}, "trailing text"},
      {{"table", "--ticks", "-1"}, "negative ticks"},
      {{"table", "--ticks", "3x"}, "ticks not a number"},
      {{"table", "--format", "xml"}, "unknown format"},
      {{"table", "--out", "x.png"}, "--out does not belong to table"},
      {{"stars", "--site", "東京"}, "stars takes no controls"},
      {{"window"}, "window needs --out"},
      {{"chart"}, "chart needs an output"},
      {{"chart", "--frames", "dir"}, "frames need ticks"},
      {{"chart", "--ops=yes"}, "a flag takes no value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const CliParse parse = ParseCliArguments(c.args);
    EXPECT_FALSE(parse.options.has_value());
    EXPECT_FALSE(parse.error.empty());
  }
}

TEST(CliOptions, ReadsTheControlsOfTheWindow) {
  const CliParse parse = ParseCliArguments(
      {"chart",     "--site",           "ロンドン", "--lat", "51",      "--lon=-0.5",
       "--at",      "2005-12-31 23:30", "--minute", "7",     "--dir",   "west",
       "--equator", "--names",          "--step",   "60",    "--ticks", "4",
       "--out",     "sky.svg",          "--ops"});
  ASSERT_TRUE(parse.options) << parse.error;
  const CliOptions& o = *parse.options;
  EXPECT_EQ(o.command, CliCommand::kChart);
  EXPECT_EQ(o.site, "ロンドン");
  EXPECT_EQ(o.latitude, "51");
  EXPECT_EQ(o.longitude, "-0.5");
  ASSERT_TRUE(o.at);
  EXPECT_EQ(*o.at, (std::array<std::string, 5>{"2005", "12", "31", "23", "30"}));
  EXPECT_EQ(o.dateBoxes[4], "7");
  EXPECT_FALSE(o.dateBoxes[0]);
  EXPECT_EQ(o.direction, 3);
  EXPECT_EQ(o.chartOptions, (std::array<bool, 4>{true, false, false, true}));
  EXPECT_EQ(o.step, "60");
  EXPECT_EQ(o.ticks, 4);
  EXPECT_EQ(o.out, "sky.svg");
  EXPECT_TRUE(o.ops);
}

TEST(CliOptions, DateTextsHaveNoLeadingZeros) {
  const CliParse parse = ParseCliArguments({"table", "--at", "2000-01-01 09:05"});
  ASSERT_TRUE(parse.options) << parse.error;
  EXPECT_EQ(*parse.options->at, (std::array<std::string, 5>{"2000", "1", "1", "9", "5"}));
}

TEST(CliOptions, EachDirectionWord) {
  const char* words[] = {"north", "east", "south", "west"};
  for (int d = 0; d < 4; ++d) {
    SCOPED_TRACE(words[d]);
    const CliParse parse = ParseCliArguments({"table", "--dir", words[d]});
    ASSERT_TRUE(parse.options) << parse.error;
    EXPECT_EQ(parse.options->direction, d);
  }
}

TEST(CliOptions, HelpWinsAnywhere) {
  for (const Args& args : {Args{"--help"}, Args{"table", "--site", "x", "--help"}, Args{"-h"}}) {
    const CliParse parse = ParseCliArguments(args);
    ASSERT_TRUE(parse.options);
    EXPECT_EQ(parse.options->command, CliCommand::kHelp);
  }
  EXPECT_NE(CliUsage().find("--site"), std::string::npos);
}

TEST(FindSite, ByNameIgnoringTrailingBlanks) {
  const std::vector<std::string> names = SiteNames();
  const struct {
    const char* wanted;
    int position;
  } cases[] = {
      {"札幌", 0},           {"東京", 12},     {"東京 ", 12}, {"入力", 48},
      {"ニューデリー", 61},  // the list's entry ends with a blank
      {"ニューデリー ", 61}, {"ホノルル", 74}, {"0", 0},      {"12", 12},
      {" 74", 74},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted);
    EXPECT_EQ(FindSite(names, c.wanted), c.position);
  }
}

TEST(FindSite, NothingOutsideTheList) {
  const std::vector<std::string> names = SiteNames();
  for (const char* wanted : {"75", "-1", "", " ", "Tokyo", "東", "12.0", "1e1"}) {
    SCOPED_TRACE(wanted);
    EXPECT_FALSE(FindSite(names, wanted).has_value());
  }
}

TEST(FindStep, ByNumberOfMinutes) {
  const std::vector<std::string> items = {" 2", " 5", "10", "15", "30", "60", "90", "120"};
  EXPECT_EQ(FindStep(items, "2"), 0);
  EXPECT_EQ(FindStep(items, "15"), 3);
  EXPECT_EQ(FindStep(items, "120"), 7);
  EXPECT_FALSE(FindStep(items, "7").has_value());
  EXPECT_FALSE(FindStep(items, "fifteen").has_value());
}

}  // namespace
}  // namespace platform
