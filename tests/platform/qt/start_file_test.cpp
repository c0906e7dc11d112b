#include "platform/qt/start_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/start_file.h"
#include "tests/platform/qt/file_size_limit.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
std::string Get(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct StartFileTest : ::testing::Test {
  std::string PathOf(const char* name) const { return (dir / name).string(); }
  QTemporaryDir temporary;
  const fs::path dir{temporary.path().toStdString()};
  const std::string line = " 3            38.267        140.867";
};

TEST_F(StartFileTest, WriteReplacesTheFileAndReadGivesItsFirstLine) {
  StartFile file(PathOf("pstart.txt"));
  EXPECT_EQ(file.Location(), PathOf("pstart.txt"));
  ASSERT_EQ(file.Write(std::string(1000, 'x') + "\r\n"), std::nullopt);
  ASSERT_EQ(file.Write(line + "\r\n"), std::nullopt);
  EXPECT_EQ(Get(file.Path()), line + "\r\n");
  for (const std::string& text : {line, std::string()}) {
    for (const char* end : {"\r\n", "\nsecond", "\rsecond", ""}) {
      Put(file.Path(), text + end);
      EXPECT_EQ(file.ReadLine(), text) << end;
    }
  }
}

TEST_F(StartFileTest, NothingToReadGivesNulloptAndAHugeFileIsReadOnlyAtItsStart) {
  fs::create_directory(dir / "folder");
  Put(dir / "binary.txt", std::string("12\0 35", 6) + "\r\n");
  Put(dir / "long.txt", std::string(app::kStartFileReadLimit + 10, '1'));
  Put(dir / "sparse.txt", "");
  fs::resize_file(dir / "sparse.txt", std::uintmax_t{8} << 30);  // 8 GiB of holes: NULs
  for (const char* name : {"missing.txt", "folder", "binary.txt", "long.txt", "sparse.txt"}) {
    EXPECT_FALSE(StartFile(PathOf(name)).ReadLine()) << name;
  }
}

// A write that fails (a folder in the file's place, a missing or read-only
// folder, a full disk) says why and leaves what was there exactly as it was,
// with no temporary file beside it.
TEST_F(StartFileTest, AFailedWriteSaysWhyAndLeavesTheOldFile) {
  fs::create_directory(dir / "folder");
  EXPECT_NE(StartFile(PathOf("folder")).Write("x\r\n"), std::nullopt);
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_EQ(StartFile((dir / "no-such-folder" / "pstart.txt").string()).Write("x\r\n"),
            "No such file or directory");

  StartFile file(PathOf("pstart.txt"));
  ASSERT_EQ(file.Write(line + "\r\n"), std::nullopt);
  {
    const platform_test::FileSizeLimit full_disk(16);
    EXPECT_EQ(file.Write(line + "\r\n"), "File too large");
  }
  fs::create_directory(dir / "read-only");
  Put(dir / "read-only" / "pstart.txt", line + "\r\n");
  fs::permissions(dir / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
  const bool folder_refuses = access((dir / "read-only").c_str(), W_OK) != 0;  // not as root
  if (folder_refuses) {
    EXPECT_NE(StartFile(PathOf("read-only/pstart.txt")).Write("x\r\n"), std::nullopt);
  }
  fs::permissions(dir / "read-only", fs::perms::owner_all);
  EXPECT_EQ(Get(file.Path()), line + "\r\n");
  EXPECT_EQ(Get(dir / "read-only" / "pstart.txt"), line + "\r\n");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 3u) << "pstart.txt, folder and read-only only";
}

// On a real full disk (a small tmpfs that tests/platform/cli/full_disk.sh mounts
// and names in FULL_DISK_FOLDER): the write fails with the system's reason and
// the good start file stays as it was.
TEST(StartFileOnAFullDisk, KeepsTheOldFile) {
  const char* folder = std::getenv("FULL_DISK_FOLDER");
  if (folder == nullptr) GTEST_SKIP() << "run by full_disk.sh on a tmpfs";
  const fs::path path = fs::path(folder) / "pstart.txt";
  StartFile file(path.string());
  const std::string good = " 48           43.1          141.3\r\n";
  ASSERT_EQ(file.Write(good), std::nullopt);
  {
    std::ofstream filler(fs::path(folder) / "start-filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
  }
  EXPECT_EQ(file.Write(" 12 " + std::string(100'000, '5') + " 139.75\r\n"),
            "No space left on device");
  EXPECT_EQ(Get(path), good);
  fs::remove(fs::path(folder) / "start-filler");
}

}  // namespace
}  // namespace platform
