#include "platform/qt/start_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "app/start_file.h"

namespace platform {

StartFile::StartFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> StartFile::ReadLine() {
  const QString path = QString::fromStdString(path_);
  // A pipe or device would block or never end: only regular files are read.
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.read(static_cast<qint64>(app::kStartFileReadLimit));
  if (head.isEmpty() && file.error() != QFileDevice::NoError) return std::nullopt;
  return app::FirstStartFileLine(
      std::string_view(head.constData(), static_cast<std::size_t>(head.size())),
      static_cast<std::uint64_t>(info.size()));
}

std::optional<FileFailure> StartFile::Replace(const std::string& contents) {
  return WriteWholeFile(QString::fromStdString(path_), QByteArray::fromStdString(contents));
}

std::optional<std::string> StartFile::Write(const std::string& contents) {
  const auto failure = Replace(contents);
  if (failure) return failure->text;
  return std::nullopt;
}

std::string StartFile::Location() const {
  return QFileInfo(QString::fromStdString(path_)).absoluteFilePath().toStdString();
}

}  // namespace platform
