#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace platform {

// Why a file was not written: what went wrong, the system's error number
// where the system gave one, and the reason in the words the command line
// prints ("No space left on device"); the window tells it in its own words.
struct FileFailure {
  enum class Cause {
    kSystem,          // the system refused; errorNumber says why, where known
    kNotPictureName,  // the name ends in none of .png, .svg and .pdf
    kNotDrawn,        // the picture or the page could not be drawn in memory
  };
  Cause cause = Cause::kSystem;
  int errorNumber = 0;  // errno (ENOSPC, EROFS, ...) for kSystem; 0 when not known
  std::string text;     // the reason, in the system's or Qt's words
};

// Given:    a path and the file's whole new contents.
// Returned: nullopt once the file holds them; otherwise why not.
// Notes:    the contents go to a temporary file in the target's folder, each
//           byte checked as it is written, and only then is it renamed over
//           the target. A failure of any step (a full disk, a read-only
//           folder, a folder in the target's place) leaves the target exactly
//           as it was and no temporary file behind.
std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& contents);

}  // namespace platform
