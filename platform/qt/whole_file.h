#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace platform {

// Given:    a path and the file's whole new contents.
// Returned: nullopt once the file holds them; otherwise why not, in the
//           system's words ("No space left on device").
// Notes:    the contents go to a temporary file in the target's folder, each
//           byte checked as it is written, and only then is it renamed over
//           the target. A failure of any step (a full disk, a read-only
//           folder, a folder in the target's place) leaves the target exactly
//           as it was and no temporary file behind.
std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& contents);

}  // namespace platform
