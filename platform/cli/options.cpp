#include "platform/cli/options.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "app/control_lookup.h"
#include "app/zoom_words.h"
#include "chart/directions.h"
#include "platform/cli/text_output.h"
#include "platform/qt/image_export.h"
#include "text/number_text.h"

namespace platform {
namespace {

// A message for the user that names the option at fault, or nothing.
using Error = std::optional<std::string>;

// The commands as bits, so that each option lists where it applies.
constexpr unsigned kTableBit = 1, kWindowBit = 2, kChartBit = 4, kStarsBit = 8, kSitesBit = 16,
                   kPrintBit = 32, kInfoBit = 64, kAlmanacBit = 128;
constexpr unsigned kControlCommands = kTableBit | kWindowBit | kChartBit | kPrintBit | kInfoBit;
constexpr unsigned kPictureCommands = kWindowBit | kChartBit;
constexpr unsigned kListCommands = kTableBit | kStarsBit | kSitesBit | kAlmanacBit;
constexpr unsigned kSiteCommands = kControlCommands | kAlmanacBit;

struct CommandName {
  std::string_view word;
  CliCommand command;
  unsigned bit;
};
constexpr CommandName kCommands[] = {{"table", CliCommand::kTable, kTableBit},
                                     {"window", CliCommand::kWindow, kWindowBit},
                                     {"chart", CliCommand::kChart, kChartBit},
                                     {"stars", CliCommand::kStars, kStarsBit},
                                     {"sites", CliCommand::kSites, kSitesBit},
                                     {"print", CliCommand::kPrint, kPrintBit},
                                     {"info", CliCommand::kInfo, kInfoBit},
                                     {"almanac", CliCommand::kAlmanac, kAlmanacBit},
                                     {"help", CliCommand::kHelp, 0},
                                     {"--help", CliCommand::kHelp, 0},
                                     {"-h", CliCommand::kHelp, 0},
                                     {"--version", CliCommand::kVersion, 0}};

constexpr int kLargestScale = 8;

// "now", or "YYYY-MM-DD HH:MM" with a blank or a T between date and time.
std::optional<AtInstant> ParseAt(std::string_view text) {
  AtInstant at;
  at.given = std::string(text);
  if (text == "now") {
    at.now = true;
    return at;
  }
  const auto boxes = app::DateBoxesFromInstant(text);
  if (!boxes) return std::nullopt;
  at.boxes = *boxes;
  return at;
}

// --- What each option does with its value -------------------------------------

// A box text or list choice, kept as typed.
template <std::optional<std::string> app::SkyRequest::*kField>
Error SetText(CliOptions& o, const std::string& v) {
  o.request.*kField = v;
  return {};
}
// An option without a value: a flag set.
template <bool CliOptions::*kFlag>
Error SetFlag(CliOptions& o, const std::string&) {
  o.*kFlag = true;
  return {};
}
template <std::size_t kBox>
Error SetDateBox(CliOptions& o, const std::string& v) {
  o.request.dateBoxes[kBox] = v;
  return {};
}

Error SetAt(CliOptions& o, const std::string& v) {
  o.at = ParseAt(v);
  if (o.at) return {};
  return "--at wants \"YYYY-MM-DD HH:MM\", \"YYYY-MM-DDTHH:MM\" or now, got " + Quoted(v);
}

// A coordinate of the form's picture [window pixels], any decimal number.
template <std::optional<double> CliOptions::*kCoordinate>
Error SetPoint(CliOptions& o, const std::string& v) {
  o.*kCoordinate = text::WholeNumber(v);
  if (o.*kCoordinate) return {};
  return "--x and --y want window pixels of the 1040 x 640 chart, got " + Quoted(v);
}

// "YYYY-MM-DD": the year, month and day boxes at 00:00 (the calendar judges it later).
Error SetDate(CliOptions& o, const std::string& v) {
  const auto boxes = app::DateBoxesFromInstant(v + " 00:00");
  if (!boxes) return "--date wants YYYY-MM-DD, got " + Quoted(v);
  o.request.instant = *boxes;
  o.date = v;
  return {};
}

Error SetZoom(CliOptions& o, const std::string& v) {
  o.request.zoom = app::ZoomOfText(v);
  if (o.request.zoom) return {};
  return "--zoom wants a magnification from 1 to 8, got " + Quoted(v);
}

Error SetCentre(CliOptions& o, const std::string& v) {
  o.request.centre = app::CentreOfText(v);
  if (o.request.centre) return {};
  return "--center wants AZIMUTH,ALTITUDE in degrees (0 to 360, -90 to 90), got " + Quoted(v);
}

Error SetTimeZone(CliOptions& o, const std::string& v) {
  if (v.empty()) return "--tz needs a zone (an IANA name such as Europe/Paris, UTC or local)";
  o.timeZone = v;
  return {};
}

Error SetDirection(CliOptions& o, const std::string& v) {
  o.request.direction = chart::DirectionOfWord(v);
  if (o.request.direction) return {};
  return "--dir wants north, east, south or west, got " + Quoted(v);
}

Error SetTicks(CliOptions& o, const std::string& v) {
  const auto n = app::WholeInt(v);
  if (!n || *n < 0) return "--ticks wants a count of 0 or more, got " + Quoted(v);
  o.ticks = *n;
  return {};
}

Error SetFormat(CliOptions& o, const std::string& v) {
  constexpr std::pair<std::string_view, OutputFormat> kFormats[] = {
      {"text", OutputFormat::kText}, {"json", OutputFormat::kJson}, {"csv", OutputFormat::kCsv}};
  for (const auto& [word, format] : kFormats) {
    if (v == word) {
      o.format = format;
      return {};
    }
  }
  return "--format wants text, json or csv, got " + Quoted(v);
}

Error SetOut(CliOptions& o, const std::string& v) {
  if (!IsPicturePath(v)) return "--out wants a .png, .svg or .pdf file, got " + Quoted(v);
  o.out = v;
  return {};
}

Error SetFrames(CliOptions& o, const std::string& v) {
  if (v.empty()) return "--frames needs a folder name";
  o.frames = v;
  return {};
}

Error SetScale(CliOptions& o, const std::string& v) {
  const auto n = app::WholeInt(v);
  if (!n || *n < 1 || *n > kLargestScale) {
    return "--scale wants a whole number from 1 to " + std::to_string(kLargestScale) + ", got " +
           Quoted(v);
  }
  o.scale = *n;
  return {};
}

Error SetPalette(CliOptions& o, const std::string& v) {
  if (v == "screen") {
    o.palette = chart::Palette::kScreen;
  } else if (v == "print") {
    o.palette = chart::Palette::kPrint;
  } else {
    return "--palette wants screen or print, got " + Quoted(v);
  }
  return {};
}

struct OptionSpec {
  std::string_view name;
  unsigned commands;  // bits of the commands it applies to
  bool takesValue;
  Error (*apply)(CliOptions&, const std::string& value);
};

constexpr OptionSpec kOptionSpecs[] = {
    {"--site", kSiteCommands, true, SetText<&app::SkyRequest::site>},
    {"--lat", kSiteCommands, true, SetText<&app::SkyRequest::latitude>},
    {"--lon", kSiteCommands, true, SetText<&app::SkyRequest::longitude>},
    {"--date", kAlmanacBit, true, SetDate},
    {"--at", kControlCommands, true, SetAt},
    {"--tz", kControlCommands, true, SetTimeZone},
    {"--year", kControlCommands, true, SetDateBox<0>},
    {"--month", kControlCommands, true, SetDateBox<1>},
    {"--day", kControlCommands, true, SetDateBox<2>},
    {"--hour", kControlCommands, true, SetDateBox<3>},
    {"--minute", kControlCommands, true, SetDateBox<4>},
    {"--dir", kControlCommands, true, SetDirection},
    {"--step", kControlCommands, true, SetText<&app::SkyRequest::step>},
    {"--ticks", kControlCommands, true, SetTicks},
    {"--zoom", kControlCommands, true, SetZoom},
    {"--center", kControlCommands, true, SetCentre},
    {"--format", kListCommands | kInfoBit, true, SetFormat},
    {"--x", kInfoBit, true, SetPoint<&CliOptions::pointX>},
    {"--y", kInfoBit, true, SetPoint<&CliOptions::pointY>},
    {"--series", kTableBit, false, SetFlag<&CliOptions::series>},
    {"--out", kPictureCommands | kPrintBit, true, SetOut},
    {"--frames", kChartBit, true, SetFrames},
    {"--scale", kPictureCommands, true, SetScale},
    {"--palette", kPictureCommands, true, SetPalette},
    {"--ops", kChartBit, false, SetFlag<&CliOptions::ops>},
    {"--readout", kWindowBit, false, SetFlag<&CliOptions::readout>},
};

// --- Reading the arguments ------------------------------------------------------

CliParse Fail(std::string message) {
  return CliParse{std::nullopt, std::move(message)};
}

const CommandName* FindCommand(std::string_view word) {
  for (const CommandName& c : kCommands) {
    if (c.word == word) return &c;
  }
  return nullptr;
}

const OptionSpec* FindOption(std::string_view name) {
  for (const OptionSpec& option : kOptionSpecs) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

// "--name=value" as name and value; any other argument as a name alone.
std::pair<std::string, std::optional<std::string>> SplitInlineValue(const std::string& arg) {
  const std::size_t eq = arg.find('=');
  if (arg.rfind("--", 0) != 0 || eq == std::string::npos) return {arg, std::nullopt};
  return {arg.substr(0, eq), arg.substr(eq + 1)};
}

// The chart's options, one flag each (--grid ticks 高度・方位線), for the
// commands that set the window's controls.
constexpr OptionSpec kChartOptionFlag{"", kControlCommands, false, nullptr};

// Reads the option at args[i] (and its value, advancing i past it) into `options`.
Error ReadOption(const std::vector<std::string>& args, std::size_t& i, const CommandName& command,
                 CliOptions& options) {
  const auto [name, inline_value] = SplitInlineValue(args[i]);
  const auto chart_option =
      name.starts_with("--") ? chart::OptionOfWord(std::string_view(name).substr(2)) : std::nullopt;
  const OptionSpec* option = chart_option ? &kChartOptionFlag : FindOption(name);
  if (!option) return "unknown option " + Quoted(args[i]) + " (try --help)";
  if ((option->commands & command.bit) == 0) {
    return "option " + name + " does not apply to " + std::string(command.word) + " (try --help)";
  }
  if (chart_option) {
    if (inline_value) return "option " + name + " takes no value";
    options.request.options.Set(*chart_option);
    return {};
  }
  if (!option->takesValue) {
    if (inline_value) return "option " + name + " takes no value";
    return option->apply(options, {});
  }
  if (inline_value) return option->apply(options, *inline_value);
  if (i + 1 >= args.size()) return "option " + name + " needs a value";
  return option->apply(options, args[++i]);
}

// The options some commands and options cannot do without.
Error CheckCompanions(const CliOptions& o) {
  if (o.command == CliCommand::kPrint && LowerSuffix(o.out) != "pdf") {
    return "print needs --out FILE.pdf (the printed page as PDF)";
  }
  if (o.command == CliCommand::kWindow && o.out.empty()) {
    return "window needs --out FILE (.png, .svg or .pdf)";
  }
  if (o.command == CliCommand::kChart && o.out.empty() && o.frames.empty() && !o.ops) {
    return "chart needs --out FILE, --frames DIR or --ops";
  }
  if (!o.frames.empty() && o.ticks == 0) return "--frames needs --ticks N (one picture per tick)";
  if (o.command == CliCommand::kInfo && (!o.pointX || !o.pointY)) {
    return "info needs --x X --y Y (a point of the 1040 x 640 chart, in its pixels)";
  }
  if (o.command == CliCommand::kInfo && o.format == OutputFormat::kCsv) {
    return "--format wants text or json for info";
  }
  if (o.timeZone && !o.at) return "--tz needs --at (the instant given in that zone)";
  return {};
}

}  // namespace

CliParse ParseCliArguments(const std::vector<std::string>& args) {
  if (args.empty()) return Fail("no command given (try --help)");
  const CommandName* command = FindCommand(args[0]);
  if (!command) return Fail("unknown command " + Quoted(args[0]) + " (try --help)");
  CliOptions options;
  if (command->command == CliCommand::kHelp || AsksForHelp(args)) return CliParse{options, {}};
  options.command = command->command;
  if (options.command == CliCommand::kVersion) return CliParse{options, {}};
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (const Error error = ReadOption(args, i, *command, options)) return Fail(*error);
  }
  if (const Error error = CheckCompanions(options)) return Fail(*error);
  return CliParse{options, {}};
}

}  // namespace platform
