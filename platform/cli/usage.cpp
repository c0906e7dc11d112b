#include <algorithm>
#include <cstddef>
#include <string>

#include "app/intervals.h"
#include "chart/options.h"
#include "platform/cli/options.h"

namespace platform {
namespace {

// "  --grid   tick 高度・方位線", one line for each of the chart's options.
std::string ChartOptionLines() {
  constexpr std::size_t kDescriptionColumn = 32;
  std::string lines;
  for (const chart::OptionRow& option : chart::kOptionRows) {
    std::string flag = "  --" + std::string(option.word);
    flag.resize(std::max(kDescriptionColumn, flag.size() + 1), ' ');
    lines += flag + "tick " + std::string(option.caption) + "\n";
  }
  return lines;
}

}  // namespace

std::string CliUsage() {
  return R"(usage: planetarium-cli COMMAND [OPTIONS]

The planetarium window without a screen: it starts up as the window does (the
start file pstart.txt is read, never written), sets the controls, presses a
button and prints or draws the result.

Commands:
  table  [--format text|json|csv]
                                press "数値" and print the 26 readout rows
                                (with --ticks N: first the planetarium button
                                and N timer ticks)
         --series               the readout at the planetarium button and after
                                each of the N ticks (N + 1 steps)
  window --out FILE.png|.svg|.pdf
                                picture of the whole window after the
         [--readout]            planetarium button (or "数値" with --readout)
  print  --out FILE.pdf         press the planetarium button (then N ticks) and
                                write the page the window prints: one landscape
                                A4 page, the chart in the print palette and a
                                caption (site, coordinates, date and time in
                                Japan Standard Time, direction)
  chart  --out FILE.png|.svg|.pdf
                                press the planetarium button (then N ticks) and
                                write the chart
         --frames DIR           with --ticks N: one PNG per tick, named
                                DIR/frame-0001.png ... (as many digits as N has,
                                at least four); "frame i/N" on a terminal.
                                A folder holding frames this run would not
                                replace (of a longer run) is refused
         --ops                  print the drawing, one operation a line
  info   --x X --y Y [--format text|json]
                                press the planetarium button (then N ticks)
                                and name the body or star drawn nearest the
                                point (X, Y) of the 1040 x 640 chart, in its
                                pixels, within ten pixels of its disc; JSON
                                {"object": {...}}, or {"object": null}
  stars  [--format text|json|csv]
                                the 496 rows of the chart star catalogue
  sites  [--format text|json|csv]
                                the 75 entries of the site list, in list
                                order, with their Latin names
  almanac [--date YYYY-MM-DD] [--format text|json|csv]
                                press "暦" and print the almanac of the day:
                                rising, transit and setting (times, azimuths,
                                altitudes) of the Sun, the Moon and the
                                planets, the Moon's age, lit part and phase
                                and Venus's lit part and diameter at noon;
                                takes --site, --lat and --lon
         --date YYYY-MM-DD      the day, in Japan Standard Time (default:
                                today's); one that does not exist is refused
  --version                     print the program's version

Controls (table, window, chart, print, info; --site, --lat and --lon also almanac):
  --site NAME|POSITION          observing site by list name (東京), Latin name
                                (Tokyo, new-york, São Paulo: case, blanks,
                                hyphens and accents aside) or position 0..74
  --lat TEXT, --lon TEXT        typed into the latitude and longitude boxes;
                                without --site they choose the typed entry 入力
  --at "YYYY-MM-DD HH:MM"       the five date and time boxes; also
                                YYYY-MM-DDTHH:MM, or now (the present time in
                                Japan Standard Time); a date or time that does
                                not exist (February 30, 24:00) is refused
  --tz ZONE                     the zone --at is given in: a name of the
                                time-zone database (Europe/Paris), UTC, local
                                or JST (Asia/Tokyo); converted to Japan
                                Standard Time, summer time included (without
                                --tz, --at is Japan Standard Time)
  --year, --month, --day, --hour, --minute TEXT
                                raw text for one box (applied after --at)
  --dir north|east|south|west   view direction
)" + ChartOptionLines() +
         R"(  --step MINUTES                animation time step ()" + app::TimeStepsText() + R"(;
                                1440: a day, the same time each day)
  --ticks N                     timer ticks after the planetarium button
  --zoom F                      the chart magnified F times, 1 to 8 (stars and
                                words keep their size)
  --center AZIMUTH,ALTITUDE     the place drawn at the middle of a magnified
                                chart [degrees] (default: the middle of the
                                view); it must lie in the view of --dir

Pictures (window, chart):
  --scale N                     PNG files drawn at N times the pixels, 1 to 8
                                (2: 2080 x 1280)
  --palette screen|print        print: black on white for printers

CSV output follows RFC 4180 (UTF-8, CR LF line ends, a header line).

Without --at the boxes hold the present time in Japan Standard Time, as the
window's do, whatever zone the computer is set to. Pictures and frames are
written whole or not at all: a failure leaves an older file as it was.

Exit status:
  0  done
  1  a file could not be written, a folder could not be made, or standard
     output failed (a full disk, a closed pipe)
  2  bad arguments (an unknown command, option or value)
  3  nothing to compute: the boxes hold no instant the calendar can compute
     (the box at fault is named; nothing is written), or a --date beyond
     the years -32768 to 32767
)";
}

}  // namespace platform
