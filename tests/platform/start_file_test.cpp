#include "platform/start_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

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
  QTemporaryDir temporary;
  const fs::path dir{temporary.path().toStdString()};
  const std::string line = " 3            38.267        140.867";
};

TEST_F(StartFileTest, WriteReplacesTheFileAndReadGivesItsFirstLine) {
  StartFile file((dir / "pstart.txt").string());
  ASSERT_TRUE(file.Write(std::string(1000, 'x') + "\r\n"));
  ASSERT_TRUE(file.Write(line + "\r\n"));
  EXPECT_EQ(Get(file.Path()), line + "\r\n");
  EXPECT_EQ(file.ReadLine(), line);
  for (const char* end : {"\r\nsecond", "\nsecond", "\rsecond", ""}) {
    Put(file.Path(), line + end);
    EXPECT_EQ(file.ReadLine(), line);
  }
  Put(file.Path(), "\r\n");
  EXPECT_EQ(file.ReadLine(), "");
  Put(file.Path(), "");
  EXPECT_EQ(file.ReadLine(), "");
}

TEST_F(StartFileTest, NothingToReadGivesNullopt) {
  fs::create_directory(dir / "folder");
  Put(dir / "binary.txt", std::string("12\0 35", 6) + "\r\n");
  Put(dir / "long.txt", std::string(StartFile::kMaxReadBytes + 10, '1'));
  for (const char* name : {"missing.txt", "folder", "binary.txt", "long.txt"}) {
    EXPECT_FALSE(StartFile((dir / name).string()).ReadLine()) << name;
  }
}

TEST_F(StartFileTest, AHugeSparseFileIsReadOnlyAtItsStart) {
  Put(dir / "pstart.txt", "");
  fs::resize_file(dir / "pstart.txt", std::uintmax_t{8} << 30);  // 8 GiB of holes
  // Its first bytes are NULs, not a text line: judged from the head alone.
  EXPECT_FALSE(StartFile((dir / "pstart.txt").string()).ReadLine());
}

TEST_F(StartFileTest, AnUnwritablePlaceGivesFalseAndTheCommandLineNeverWrites) {
  EXPECT_FALSE(StartFile((dir / "no-such-folder" / "pstart.txt").string()).Write("x\r\n"));
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(StartFile((dir / "folder").string()).Write("x\r\n"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  Put(dir / "pstart.txt", line + "\r\n");
  ReadOnlyStartFile file((dir / "pstart.txt").string());
  EXPECT_EQ(file.ReadLine(), line);
  EXPECT_FALSE(file.Write(" 12\r\n"));
  EXPECT_EQ(Get(dir / "pstart.txt"), line + "\r\n");
}

}  // namespace
}  // namespace platform
