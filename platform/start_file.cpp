#include "platform/start_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace platform {

StartFile::StartFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> StartFile::ReadLine() {
  const QString path = QString::fromStdString(path_);
  // A pipe or device would block or never end: only regular files are read.
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.read(kMaxReadBytes);
  if (head.isEmpty() && file.error() != QFileDevice::NoError) return std::nullopt;

  qsizetype end = 0;
  while (end < head.size() && head[end] != '\n' && head[end] != '\r') {
    if (head[end] == '\0') return std::nullopt;  // binary data, not a text line
    ++end;
  }
  const bool has_line_end = end < head.size();
  if (!has_line_end && info.size() > kMaxReadBytes) return std::nullopt;
  return std::string(head.constData(), static_cast<std::size_t>(end));
}

bool StartFile::Write(const std::string& contents) {
  QSaveFile file(QString::fromStdString(path_));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(contents.size());
  if (file.write(contents.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace platform
