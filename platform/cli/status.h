#pragma once

#include <string>

namespace platform {

// Exit statuses of planetarium-cli.
inline constexpr int kCliOk = 0;
inline constexpr int kCliWriteFailed = 1;       // a file or folder could not be written
inline constexpr int kCliUsageError = 2;        // bad arguments
inline constexpr int kCliNothingToCompute = 3;  // the boxes hold no computable instant

// Why the command line stops: the exit status and a message for the user.
struct CliFailure {
  int status = kCliUsageError;
  std::string message;
};

}  // namespace platform
