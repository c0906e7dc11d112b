#pragma once

// planetarium-cli run inside the test: the fixed clock at 2000-01-01 21:00
// Japan Standard Time (12:00 UT) and no start file.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cli/options.h"
#include "platform/cli/run.h"
#include "tests/platform/fakes.h"

namespace platform_test {

// Arguments joined by '|', split as bytes (they need not be valid UTF-8).
inline std::vector<std::string> Split(const std::string& joined) {
  std::vector<std::string> args;
  std::size_t start = 0;
  while (start < joined.size()) {
    const std::size_t bar = std::min(joined.find('|', start), joined.size());
    if (bar > start) args.push_back(joined.substr(start, bar - start));
    start = bar + 1;
  }
  return args;
}

struct CliRun {
  int status = -1;
  std::string out, err;
};

inline CliRun Invoke(const std::string& joined_args, bool err_is_terminal = false) {
  FixedClock clock;
  MemoryStartFile start_file;
  platform::CliEnvironment environment{clock, start_file};
  environment.errIsTerminal = err_is_terminal;
  std::ostringstream out, err;
  const platform::CliParse parse = platform::ParseCliArguments(Split(joined_args));
  const int status = parse.options ? platform::RunCli(*parse.options, environment, out, err)
                                   : platform::kCliUsageError;
  return {status, out.str(), err.str() + parse.error};
}

inline QJsonObject Json(const std::string& joined_args) {
  const CliRun run = Invoke(joined_args);
  EXPECT_EQ(run.status, platform::kCliOk) << joined_args << ": " << run.err;
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << joined_args << ": " << run.out.substr(0, 200);
  return document.object();
}

}  // namespace platform_test
