#include "platform/qt/whole_file.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// A refusal in Qt's words, with the error number the system left behind when
// those words were made from it (a later call may have changed errno since).
FileFailure Refusal(int error_number, const QString& words) {
  const bool made_from_it = error_number != 0 && qt_error_string(error_number) == words;
  return FileFailure{FileFailure::Cause::kSystem, made_from_it ? error_number : 0,
                     words.toStdString()};
}

// QSaveFile refuses two targets in words of its own before asking the
// system: an existing file it may not write, and a folder. Returned: the
// system's number for the same refusal (EACCES, or EROFS on a read-only
// disk), or 0.
int RefusedTarget(const QString& path) {
  const QFileInfo target(path);
  if (target.exists() && !target.isWritable()) {
    return access(QFile::encodeName(path).constData(), W_OK) != 0 ? errno : EACCES;
  }
  if (target.isDir()) return EISDIR;
  return 0;
}

}  // namespace

std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& contents) {
  QSaveFile file(path);
  // Unbuffered, so that the disk's answer comes with the write itself: a
  // commit after a write that failed in a buffer would still rename the
  // short file into place.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    const int error = errno;
    if (const int refused = RefusedTarget(path)) {
      return FileFailure{FileFailure::Cause::kSystem, refused, file.errorString().toStdString()};
    }
    return Refusal(error, file.errorString());
  }
  errno = 0;
  if (file.write(contents) != contents.size()) {
    // A write that stops part way (a full disk) leaves Qt without a reason of
    // its own; the system's is in errno.
    const int error = errno;
    file.cancelWriting();
    if (error == 0) return Refusal(0, file.errorString());
    return FileFailure{FileFailure::Cause::kSystem, error, std::strerror(error)};
  }
  if (!file.commit()) return Refusal(errno, file.errorString());
  return std::nullopt;
}

}  // namespace platform
