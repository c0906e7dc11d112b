// planetarium-cli: the planetarium window without a screen, for scripts and tests.

#include <unistd.h>

#include <QApplication>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/cli/descriptor_output.h"
#include "platform/cli/options.h"
#include "platform/cli/run.h"
#include "platform/qt/fonts.h"
#include "platform/qt/start_file.h"
#include "platform/qt/system_clock.h"
#include "platform/window/scaled_style.h"

namespace {

QtMessageHandler qt_messages = nullptr;  // Qt's own handler, for every other message

// Qt notes on each start without a desktop session that XDG_RUNTIME_DIR is
// not set; the command line uses no runtime folder, so that is not news for
// its user.
void DropRuntimeFolderNotes(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: "))) return;
  qt_messages(type, context, message);
}

}  // namespace

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
    qt_messages = qInstallMessageHandler(DropRuntimeFolderNotes);
    application = std::make_unique<QApplication>(argc, argv);
    platform::InstallScaledStyle();
    platform::InstallFontSubstitutes();
  }
  platform::SystemClock clock;
  platform::ReadOnlyStartFile start_file;
  platform::CliEnvironment environment{clock, start_file};
  environment.errIsTerminal = isatty(STDERR_FILENO) == 1;

  // A reader that closes the pipe early makes a write fail with EPIPE, which
  // is then reported like any other failed write, instead of ending the
  // program silently.
  std::signal(SIGPIPE, SIG_IGN);
  platform::DescriptorBuffer out_buffer(STDOUT_FILENO);
  std::ostream out(&out_buffer);
  int status = platform::RunCli(options, environment, out, std::cerr);
  out.flush();
  if (out_buffer.Error() != 0 && status == platform::kCliOk) {
    std::cerr << "planetarium-cli: cannot write to standard output: "
              << std::strerror(out_buffer.Error()) << '\n';
    status = platform::kCliWriteFailed;
  }
  return status;
}
