#include "platform/cli_options.h"

#include <charconv>
#include <cstddef>
#include <string_view>

#include "app/sites.h"

namespace platform {
namespace {

constexpr std::array<const char*, 4> kDirections = {"north", "east", "south", "west"};
constexpr std::array<const char*, 5> kDateOptions = {"--year", "--month", "--day", "--hour",
                                                     "--minute"};
constexpr std::array<const char*, 4> kChartOptionFlags = {"--equator", "--ecliptic", "--grid",
                                                          "--names"};

std::optional<int> WholeInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  return value;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  text = TrimTrailingBlanks(text);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// "YYYY-MM-DD HH:MM" as the five box texts, each a plain decimal integer.
std::optional<std::array<std::string, 5>> ParseInstant(std::string_view text) {
  std::array<std::string, 5> boxes;
  const std::array<char, 5> separators = {'-', '-', ' ', ':', '\0'};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    std::size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9') ++length;
    const auto value = WholeInt(text.substr(0, length));
    if (!value) return std::nullopt;
    boxes[i] = std::to_string(*value);
    text.remove_prefix(length);
    if (separators[i] == '\0') break;
    if (text.empty() || text.front() != separators[i]) return std::nullopt;
    text.remove_prefix(1);
  }
  if (!text.empty()) return std::nullopt;
  return boxes;
}

bool Uses(CliCommand command, std::initializer_list<CliCommand> allowed) {
  for (const CliCommand c : allowed) {
    if (c == command) return true;
  }
  return false;
}

std::optional<CliCommand> ParseCommand(std::string_view word) {
  if (word == "table") return CliCommand::kTable;
  if (word == "window") return CliCommand::kWindow;
  if (word == "chart") return CliCommand::kChart;
  if (word == "stars") return CliCommand::kStars;
  if (word == "--help" || word == "-h" || word == "help") return CliCommand::kHelp;
  if (word == "--version") return CliCommand::kVersion;
  return std::nullopt;
}

CliParse Fail(std::string message) {
  return CliParse{std::nullopt, std::move(message)};
}

}  // namespace

CliParse ParseCliArguments(const std::vector<std::string>& args) {
  CliOptions options;
  if (args.empty()) return Fail("no command given (try --help)");
  const auto command = ParseCommand(args[0]);
  if (!command) return Fail("unknown command '" + args[0] + "' (try --help)");
  options.command = *command;
  if (options.command == CliCommand::kHelp || options.command == CliCommand::kVersion) {
    return CliParse{options, {}};
  }

  using C = CliCommand;
  const bool controls = Uses(options.command, {C::kTable, C::kWindow, C::kChart});
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inline_value;
    if (const std::size_t eq = name.find('=');
        name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inline_value = name.substr(eq + 1);
      name.resize(eq);
    }
    // The value of an option that takes one: after '=' or the next argument.
    const auto value = [&]() -> std::optional<std::string> {
      if (inline_value) return inline_value;
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    const auto flag_ok = [&] { return !inline_value.has_value(); };

    if (name == "--help" || name == "-h") {
      options.command = CliCommand::kHelp;
      return CliParse{options, {}};
    }
    const auto misplaced = [&] {
      return Fail("option " + name + " does not apply to this command (try --help)");
    };
    const auto missing = [&] { return Fail("option " + name + " needs a value"); };

    bool handled = true;
    if (name == "--site" || name == "--lat" || name == "--lon" || name == "--step") {
      if (!controls) return misplaced();
      const auto v = value();
      if (!v) return missing();
      if (name == "--site") options.site = *v;
      if (name == "--lat") options.latitude = *v;
      if (name == "--lon") options.longitude = *v;
      if (name == "--step") options.step = *v;
    } else if (name == "--at") {
      if (!controls) return misplaced();
      const auto v = value();
      if (!v) return missing();
      options.at = ParseInstant(*v);
      if (!options.at) return Fail("--at wants \"YYYY-MM-DD HH:MM\", got '" + *v + "'");
    } else if (name == "--dir") {
      if (!controls) return misplaced();
      const auto v = value();
      if (!v) return missing();
      options.direction.reset();
      for (std::size_t d = 0; d < kDirections.size(); ++d) {
        if (*v == kDirections[d]) options.direction = static_cast<int>(d);
      }
      if (!options.direction) {
        return Fail("unknown direction '" + *v + "' (north, east, south or west)");
      }
    } else if (name == "--ticks") {
      if (!controls) return misplaced();
      const auto v = value();
      if (!v) return missing();
      const auto n = WholeInt(*v);
      if (!n || *n < 0) return Fail("--ticks wants a count of 0 or more, got '" + *v + "'");
      options.ticks = *n;
    } else if (name == "--format") {
      if (!Uses(options.command, {C::kTable, C::kStars})) return misplaced();
      const auto v = value();
      if (!v) return missing();
      if (*v == "text") {
        options.format = OutputFormat::kText;
      } else if (*v == "json") {
        options.format = OutputFormat::kJson;
      } else {
        return Fail("unknown format '" + *v + "' (text or json)");
      }
    } else if (name == "--out") {
      if (!Uses(options.command, {C::kWindow, C::kChart})) return misplaced();
      const auto v = value();
      if (!v || v->empty()) return missing();
      options.out = *v;
    } else if (name == "--frames") {
      if (options.command != C::kChart) return misplaced();
      const auto v = value();
      if (!v || v->empty()) return missing();
      options.frames = *v;
    } else if (name == "--ops" && flag_ok()) {
      if (options.command != C::kChart) return misplaced();
      options.ops = true;
    } else if (name == "--readout" && flag_ok()) {
      if (options.command != C::kWindow) return misplaced();
      options.readout = true;
    } else {
      handled = false;
    }
    if (handled) continue;

    for (std::size_t b = 0; b < kDateOptions.size() && !handled; ++b) {
      if (name != kDateOptions[b]) continue;
      if (!controls) return misplaced();
      const auto v = value();
      if (!v) return missing();
      options.dateBoxes[b] = *v;
      handled = true;
    }
    for (std::size_t b = 0; b < kChartOptionFlags.size() && !handled; ++b) {
      if (name != kChartOptionFlags[b] || !flag_ok()) continue;
      if (!controls) return misplaced();
      options.chartOptions[b] = true;
      handled = true;
    }
    if (!handled) return Fail("unknown option '" + args[i] + "' (try --help)");
  }

  if (options.command == C::kWindow && options.out.empty()) {
    return Fail("window needs --out FILE.png");
  }
  if (options.command == C::kChart && options.out.empty() && options.frames.empty() &&
      !options.ops) {
    return Fail("chart needs --out FILE, --frames DIR or --ops");
  }
  if (!options.frames.empty() && options.ticks == 0) {
    return Fail("--frames needs --ticks N (one picture per tick)");
  }
  return CliParse{options, {}};
}

std::optional<int> FindSite(const std::vector<std::string>& items, const std::string& wanted) {
  const std::string_view name = TrimTrailingBlanks(wanted);
  for (std::size_t p = 0; p < items.size(); ++p) {
    if (!name.empty() && TrimTrailingBlanks(items[p]) == name) return static_cast<int>(p);
  }
  const auto position = WholeInt(TrimBlanks(wanted));
  if (position && *position >= 0 && *position < app::kSiteCount &&
      static_cast<std::size_t>(*position) < items.size()) {
    return position;
  }
  return std::nullopt;
}

std::optional<int> FindStep(const std::vector<std::string>& items, const std::string& minutes) {
  const auto wanted = WholeInt(TrimBlanks(minutes));
  if (!wanted) return std::nullopt;
  for (std::size_t p = 0; p < items.size(); ++p) {
    if (WholeInt(TrimBlanks(items[p])) == wanted) return static_cast<int>(p);
  }
  return std::nullopt;
}

std::string CliUsage() {
  return R"(usage: planetarium-cli COMMAND [OPTIONS]

The planetarium window without a screen: it starts up as the window does (the
start file pstart.txt is read, never written), sets the controls, presses a
button and prints or draws the result.

Commands:
  table  [--format text|json]   press "数値" and print the 26 readout rows
                                (with --ticks N: first the planetarium button
                                and N timer ticks)
  window --out FILE.png         picture of the whole window after the
         [--readout]            planetarium button (or "数値" with --readout)
  chart  --out FILE.png|.svg|.pdf
                                press the planetarium button (then N ticks) and
                                write the chart
         --frames DIR           with --ticks N: one PNG per tick
                                (DIR/frame-0001.png, ...)
         --ops                  print the drawing, one operation a line
  stars  [--format text|json]   the 496 rows of the chart star catalogue
  --version                     print the program's version

Controls (table, window, chart):
  --site NAME|POSITION          observing site by list name or position 0..74
  --lat TEXT, --lon TEXT        typed into the latitude and longitude boxes
  --at "YYYY-MM-DD HH:MM"       the five date and time boxes (Japan Standard Time)
  --year, --month, --day, --hour, --minute TEXT
                                raw text for one box (applied after --at)
  --dir north|east|south|west   view direction
  --equator --ecliptic --grid --names
                                tick the display options
  --step MINUTES                animation time step (2 5 10 15 30 60 90 120)
  --ticks N                     timer ticks after the planetarium button

Exit status: 0 done, 1 a file could not be written, 2 bad arguments.
)";
}

}  // namespace platform
