#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What `planetarium-cli` is asked to do, as read from its arguments. Free of
// any toolkit so that it can be tested alone.
enum class CliCommand { kHelp, kVersion, kTable, kWindow, kChart, kStars };
enum class OutputFormat { kText, kJson };

struct CliOptions {
  CliCommand command = CliCommand::kHelp;

  // Controls of the window, set after start-up in this order.
  std::optional<std::string> site;                      // list entry name or position 0..74
  std::optional<std::string> latitude;                  // text typed into the latitude box
  std::optional<std::string> longitude;                 // text typed into the longitude box
  std::optional<std::array<std::string, 5>> at;         // the five date boxes from --at
  std::array<std::optional<std::string>, 5> dateBoxes;  // raw year..minute texts, after `at`
  std::optional<int> direction;                         // 0 north, 1 east, 2 south, 3 west
  std::array<bool, 4> chartOptions{};                   // equator, ecliptic, grid, names
  std::optional<std::string> step;                      // time step [minutes], an lstINTV1 item
  int ticks = 0;                                        // timer ticks after the button

  OutputFormat format = OutputFormat::kText;
  std::string out;       // image file (.png, .svg, .pdf)
  std::string frames;    // folder for one PNG per tick
  bool ops = false;      // print the drawing operations
  bool readout = false;  // window: the numeric table instead of the chart
};

struct CliParse {
  std::optional<CliOptions> options;  // set when the arguments are sound
  std::string error;                  // otherwise a message for the user
};

// Given: the arguments after the program name. Returned: the options, or an
// error for an unknown command, option or direction, a missing or malformed
// value, or an option that does not belong to the command.
CliParse ParseCliArguments(const std::vector<std::string>& args);

// Given: the site list's items and the user's choice: an entry's name (trailing
// blanks ignored on both sides of the comparison) or a list position 0..74.
// Returned: the list position, or nullopt when nothing matches.
std::optional<int> FindSite(const std::vector<std::string>& items, const std::string& wanted);

// Given: the time-step list's items and a number of minutes as text.
// Returned: the position of the item with that number, or nullopt.
std::optional<int> FindStep(const std::vector<std::string>& items, const std::string& minutes);

// The text of --help.
std::string CliUsage();

}  // namespace platform
