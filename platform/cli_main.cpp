// planetarium-cli: the planetarium window without a screen, for scripts and tests.

#include <unistd.h>

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/cli_options.h"
#include "platform/cli_run.h"
#include "platform/fonts.h"
#include "platform/start_file.h"
#include "platform/system_clock.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const platform::CliParse parse = platform::ParseCliArguments(args);
  if (!parse.options) {
    std::cerr << "planetarium-cli: " << parse.error << '\n';
    return platform::kCliUsageError;
  }
  const platform::CliOptions& options = *parse.options;

  // Pictures are drawn the same way with or without a screen.
  std::unique_ptr<QApplication> application;
  if (platform::CliNeedsGui(options)) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::InstallFontSubstitutes();
  }
  platform::SystemClock clock;
  platform::ReadOnlyStartFile start_file;
  platform::CliEnvironment environment{clock, start_file};
  environment.errIsTerminal = isatty(STDERR_FILENO) == 1;
  return platform::RunCli(options, environment, std::cout, std::cerr);
}
