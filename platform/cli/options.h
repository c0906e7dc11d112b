#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/sky_request.h"
#include "chart/palette.h"

namespace platform {

// What `planetarium-cli` is asked to do, as read from its arguments. Free of
// any toolkit so that it can be tested alone.
enum class CliCommand {
  kHelp,
  kVersion,
  kTable,
  kWindow,
  kChart,
  kPrint,
  kStars,
  kSites,
  kInfo,
  kAlmanac
};
enum class OutputFormat { kText, kJson, kCsv };

// The instant of --at: five date and time texts, or the computer's clock.
struct AtInstant {
  bool now = false;                  // "now": the clock, in Japan Standard Time
  std::array<std::string, 5> boxes;  // year..minute as decimal digits, no leading zeros
  std::string given;                 // the text of --at, for messages
};

struct CliOptions {
  CliCommand command = CliCommand::kHelp;

  // Controls of the window, set after start-up; the instant of --at, in the
  // zone of --tz, becomes the request's instant in Japan Standard Time.
  app::SkyRequest request;
  std::optional<AtInstant> at;          // the five date boxes from --at
  std::optional<std::string> timeZone;  // zone of --at: a time-zone name, UTC, local or JST
  // The date of --date as given (its boxes are the request's instant), to be
  // judged by the calendar before the almanac is computed.
  std::optional<std::string> date;
  int ticks = 0;  // timer ticks after the button

  OutputFormat format = OutputFormat::kText;
  bool series = false;                               // table: one readout per step
  std::string out;                                   // image file (.png, .svg, .pdf)
  std::string frames;                                // folder for one PNG per tick
  int scale = 1;                                     // PNG pixels per logical pixel, 1..8
  chart::Palette palette = chart::Palette::kScreen;  // colours of chart and window pictures
  bool ops = false;                                  // print the drawing operations
  bool readout = false;  // window: the numeric table instead of the chart
  // info: the point of the chart asked about [window pixels of the 1040 x 640 form]
  std::optional<double> pointX, pointY;
};

struct CliParse {
  std::optional<CliOptions> options;  // set when the arguments are sound
  std::string error;                  // otherwise a message for the user, naming the option
};

// Given: the arguments after the program name. Returned: the options, or an
// error for an unknown command, option or value, a missing or malformed value,
// an option that does not belong to the command, or a missing companion option.
CliParse ParseCliArguments(const std::vector<std::string>& args);

// The text of --help.
std::string CliUsage();

}  // namespace platform
