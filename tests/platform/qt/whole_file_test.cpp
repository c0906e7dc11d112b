// A file that cannot be written says why as the system's error number, so
// that the window can name the reason in its own words.

#include "platform/qt/whole_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/platform/qt/file_size_limit.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(WholeFileFailures, CarryTheSystemsErrorNumber) {
  QTemporaryDir temporary;
  const fs::path dir = temporary.path().toStdString();
  fs::create_directory(dir / "folder");
  std::ofstream(dir / "plain.txt") << "x";
  const QByteArray contents(64, 'x');
  struct Case {
    const char* what;
    fs::path path;
    int expected;  // errno
  };
  const Case cases[] = {
      {"a missing folder", dir / "missing" / "a.png", ENOENT},
      {"a folder in the file's place", dir / "folder", EISDIR},
      {"a file where a folder should be", dir / "plain.txt" / "a.png", ENOTDIR},
      {"a name too long", dir / std::string(300, 'n'), ENAMETOOLONG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto failure = WriteWholeFile(QString::fromStdString(c.path.string()), contents);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->errorNumber, c.expected)
        << "expected " << std::strerror(c.expected) << ", got " << failure->text;
  }
  // Past the size this process may write, as on a full disk.
  const platform_test::FileSizeLimit full_disk(16);
  const auto failure = WriteWholeFile(QString::fromStdString((dir / "big").string()), contents);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->errorNumber, EFBIG) << failure->text;
  EXPECT_EQ(failure->text, "File too large");
}

// On a read-only disk (a tmpfs that tests/platform/cli/full_disk.sh mounts
// read-only, holding old.txt, and names in READ_ONLY_FOLDER), an existing
// file and a new one are both refused as such, not as files not permitted.
TEST(WholeFileOnAReadOnlyDisk, IsRefusedAsReadOnly) {
  const char* folder = std::getenv("READ_ONLY_FOLDER");
  if (folder == nullptr) GTEST_SKIP() << "run by full_disk.sh on a read-only tmpfs";
  for (const char* name : {"old.txt", "new.txt"}) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path(folder) / name;
    const auto failure = WriteWholeFile(QString::fromStdString(path.string()), "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->errorNumber, EROFS) << failure->text;
  }
}

}  // namespace
}  // namespace platform
