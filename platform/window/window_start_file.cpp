#include "platform/window/window_start_file.h"

#include "platform/window/failure_reason.h"

namespace platform {

std::optional<std::string> WindowStartFile::Write(const std::string& contents) {
  const auto failure = file_.Replace(contents);
  if (failure) return JapaneseReason(*failure).toStdString();
  return std::nullopt;
}

}  // namespace platform
