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
  std::string PathOf(const char* name) const { return (dir / name).string(); }
  QTemporaryDir temporary;
  const fs::path dir{temporary.path().toStdString()};
  const std::string line = " 3            38.267        140.867";
};

TEST_F(StartFileTest, WriteReplacesTheFileAndReadGivesItsFirstLine) {
  StartFile file(PathOf("pstart.txt"));
  ASSERT_TRUE(file.Write(std::string(1000, 'x') + "\r\n"));
  ASSERT_TRUE(file.Write(line + "\r\n"));
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
  Put(dir / "long.txt", std::string(StartFile::kMaxReadBytes + 10, '1'));
  Put(dir / "sparse.txt", "");
  fs::resize_file(dir / "sparse.txt", std::uintmax_t{8} << 30);  // 8 GiB of holes: NULs
  for (const char* name : {"missing.txt", "folder", "binary.txt", "long.txt", "sparse.txt"}) {
    EXPECT_FALSE(StartFile(PathOf(name)).ReadLine()) << name;
  }
}

TEST_F(StartFileTest, AnUnwritablePlaceGivesFalse) {
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(StartFile(PathOf("folder")).Write("x\r\n"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_FALSE(StartFile((dir / "no-such-folder" / "pstart.txt").string()).Write("x\r\n"));
}

}  // namespace
}  // namespace platform
