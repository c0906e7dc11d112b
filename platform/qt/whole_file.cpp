#include "platform/qt/whole_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace platform {

std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& contents) {
  QSaveFile file(path);
  // Unbuffered, so that the disk's answer comes with the write itself: a
  // commit after a write that failed in a buffer would still rename the
  // short file into place.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return file.errorString().toStdString();
  }
  errno = 0;
  if (file.write(contents) != contents.size()) {
    // A write that stops part way (a full disk) leaves Qt without a reason of
    // its own; the system's is in errno.
    const int error = errno;
    file.cancelWriting();
    return error != 0 ? std::string(std::strerror(error)) : file.errorString().toStdString();
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

}  // namespace platform
