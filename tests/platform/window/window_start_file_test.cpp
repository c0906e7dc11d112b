// The start file's failures as the window's box names them: in Japanese.

#include "platform/window/window_start_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "tests/platform/qt/file_size_limit.h"

namespace platform {
namespace {

TEST(WindowStartFile, TellsAFailedWriteInJapanese) {
  QTemporaryDir temporary;
  const QDir dir(temporary.path());
  dir.mkdir(QStringLiteral("folder"));
  struct Case {
    const char* name;
    const char* told;
  };
  const Case cases[] = {
      {"missing/pstart.txt", "フォルダーがありません"},
      {"folder", "同じ名前のフォルダーがあります"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowStartFile file(dir.filePath(QString::fromUtf8(c.name)).toStdString());
    EXPECT_EQ(file.Write(" 3 38.267 140.867\r\n"), c.told);
  }
  // Past the size this process may write, as on a full disk.
  WindowStartFile file(dir.filePath(QStringLiteral("pstart.txt")).toStdString());
  const platform_test::FileSizeLimit full_disk(4);
  EXPECT_EQ(file.Write(" 3 38.267 140.867\r\n"), "ファイルが大きすぎます");
}

}  // namespace
}  // namespace platform
