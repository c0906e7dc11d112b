#pragma once

#include <ostream>

#include "app/form.h"
#include "app/services.h"
#include "platform/cli_options.h"

namespace platform {

// The outside world of the command line: where start-up reads the time and
// the start file.
struct CliEnvironment {
  app::Clock& clock;
  app::StartFileStore& startFile;
};

// Exit statuses of planetarium-cli.
inline constexpr int kCliOk = 0;
inline constexpr int kCliWriteFailed = 1;
inline constexpr int kCliUsageError = 2;

// Given: parsed options. Returned: true when the command draws with Qt (chart
// images and the window) and so needs a QApplication on the offscreen platform.
bool CliNeedsGui(const CliOptions& options);

// Given: a Form1 after Form_Load and the options. Returned: false, with a
// message on `err`, for an unknown site or time step. Notes: sets the
// controls in the order site, coordinates, date and time, direction, display
// options, time step; choosing a site other than "入力" puts its table
// coordinates into the two boxes, as the planetarium button would.
bool ApplyControls(app::Form1& form, const CliOptions& options, std::ostream& err);

// Given: parsed options (not --help) and the environment; a QApplication must
// exist when CliNeedsGui. Returned: the exit status. Notes: results go to
// `out`, messages to `err`.
int RunCli(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
           std::ostream& err);

}  // namespace platform
