#pragma once

#include <optional>
#include <string>
#include <utility>

#include "app/services.h"
#include "platform/qt/start_file.h"

namespace platform {

// The start file as the window keeps it: read and written as StartFile does,
// a failed write told in the window's Japanese (JapaneseReason), for the box
// that asks what to do next.
class WindowStartFile final : public app::StartFileStore {
 public:
  explicit WindowStartFile(std::string path = "pstart.txt") : file_(std::move(path)) {}
  std::optional<std::string> ReadLine() override { return file_.ReadLine(); }
  std::optional<std::string> Write(const std::string& contents) override;
  std::string Location() const override { return file_.Location(); }

 private:
  StartFile file_;
};

}  // namespace platform
