#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/services.h"

namespace platform {

// The start file on disk, by default `pstart.txt` in the current directory.
class StartFile final : public app::StartFileStore {
 public:
  static constexpr std::int64_t kMaxReadBytes = 4096;  // a start line is far shorter

  explicit StartFile(std::string path = "pstart.txt");

  // Returned: the first line without its line end (CR LF, LF or CR). nullopt
  // when the file is missing, not a regular file (a directory, a pipe), cannot
  // be opened, holds a NUL byte before the line end, or has no line end within
  // the first kMaxReadBytes bytes of a longer file. Reads at most kMaxReadBytes.
  std::optional<std::string> ReadLine() override;

  // Given: the whole new contents. Returned: true once they replaced the file.
  // Notes: written to a temporary file that is renamed over the old one, so a
  // failure leaves the old file as it was.
  bool Write(const std::string& contents) override;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The start file for the command line: read as the window reads it, never written.
class ReadOnlyStartFile final : public app::StartFileStore {
 public:
  explicit ReadOnlyStartFile(std::string path = "pstart.txt") : file_(std::move(path)) {}
  std::optional<std::string> ReadLine() override { return file_.ReadLine(); }
  // Returned: false; the file is left untouched.
  bool Write(const std::string&) override { return false; }

 private:
  StartFile file_;
};

}  // namespace platform
