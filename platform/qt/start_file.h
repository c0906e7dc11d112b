#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/services.h"
#include "platform/qt/whole_file.h"

namespace platform {

// The start file on disk, by default `pstart.txt` in the current directory.
class StartFile final : public app::StartFileStore {
 public:
  explicit StartFile(std::string path = "pstart.txt");

  // Returned: the first line as app::FirstStartFileLine cuts it from the
  // file's first app::kStartFileReadLimit bytes (the most it reads); nullopt
  // also when the file is missing, not a regular file (a directory, a pipe) or
  // cannot be opened.
  std::optional<std::string> ReadLine() override;

  // Given: the whole new contents. Returned: nullopt once they replaced the
  // file, otherwise why not. Notes: written whole or not at all
  // (WriteWholeFile): a failure leaves the old file exactly as it was.
  std::optional<FileFailure> Replace(const std::string& contents);
  // Returned: as Replace, the reason in the system's words.
  std::optional<std::string> Write(const std::string& contents) override;
  // Returned: the file's absolute path.
  std::string Location() const override;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The start file for the command line: read as the window reads it, never written.
class ReadOnlyStartFile final : public app::StartFileStore {
 public:
  explicit ReadOnlyStartFile(std::string path = "pstart.txt") : file_(std::move(path)) {}
  std::optional<std::string> ReadLine() override { return file_.ReadLine(); }
  // Returned: a reason; the file is left untouched.
  std::optional<std::string> Write(const std::string&) override {
    return "the command line never writes the start file";
  }
  std::string Location() const override { return file_.Location(); }

 private:
  StartFile file_;
};

}  // namespace platform
