#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/form.h"
#include "app/services.h"
#include "platform/cli/options.h"
#include "platform/cli/status.h"

namespace platform {

// The outside world of the command line: where start-up and --at now read
// the time, the start file, and whether progress lines may go to standard
// error (a terminal is watching it).
struct CliEnvironment {
  app::Clock& clock;
  app::StartFileStore& startFile;
  bool errIsTerminal = false;
};

// Given: parsed options. Returned: true when the command draws with Qt (chart
// images and the window) and so needs a QApplication on the offscreen platform.
bool CliNeedsGui(const CliOptions& options);

// Given: a Form1 after Form_Load, the options and the clock.
// Returned: nullopt once the controls are set; a failure (status 2) for an
// unknown site, zone or time step or a date and time that do not exist in the
// zone of --tz (or a --date that does not exist), or (status 3) an --at or
// --date beyond the calendar. Notes: sets the
// controls in the order site, coordinates, date and time, direction, display
// options, time step; choosing a site other than "入力" puts its table
// coordinates into the two boxes, as the planetarium button would.
std::optional<CliFailure> ApplyControls(app::Form1& form, const CliOptions& options,
                                        const app::Clock& clock);

// Given: a tick 1..last_tick. Returned: the file name of its frame,
// frame-0001.png ...: as many digits as the last tick has, at least four, so
// that the names sort in the order of the ticks.
std::string FrameFileName(int tick, int last_tick);

// Given: parsed options (not --help) and the environment; a QApplication must
// exist when CliNeedsGui. Returned: the exit status. Notes: results go to
// `out`, messages to `err`.
int RunCli(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
           std::ostream& err);

}  // namespace platform
