#include "platform/start_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

namespace platform {
namespace {

namespace fs = std::filesystem;

class StartFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const {
    return (fs::path(dir.path().toStdString()) / name).string();
  }
  void Put(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  QTemporaryDir dir;
};

TEST_F(StartFileTest, WriteThenReadGivesTheFirstLine) {
  StartFile file(PathOf("pstart.txt"));
  const std::string line = " 12           35.65         139.75";
  ASSERT_TRUE(file.Write(line + "\r\n"));
  EXPECT_EQ(Get(file.Path()), line + "\r\n");
  EXPECT_EQ(file.ReadLine(), line);
}

TEST_F(StartFileTest, WriteReplacesTheWholeFile) {
  StartFile file(PathOf("pstart.txt"));
  ASSERT_TRUE(file.Write(std::string(1000, 'x') + "\r\n"));
  ASSERT_TRUE(file.Write(" 3            38.267        140.867\r\n"));
  EXPECT_EQ(Get(file.Path()), " 3            38.267        140.867\r\n");
}

TEST_F(StartFileTest, EveryLineEndEndsTheLine) {
  const struct {
    const char* bytes;
    const char* line;
  } cases[] = {{"a b c\r\nsecond", "a b c"},
               {"a b c\nsecond", "a b c"},
               {"a b c\rsecond", "a b c"},
               {"a b c", "a b c"},
               {"\r\n", ""},
               {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    Put(PathOf("pstart.txt"), c.bytes);
    EXPECT_EQ(StartFile(PathOf("pstart.txt")).ReadLine(), std::string(c.line));
  }
}

TEST_F(StartFileTest, NothingToReadGivesNullopt) {
  EXPECT_FALSE(StartFile(PathOf("missing.txt")).ReadLine());
  fs::create_directory(PathOf("folder"));
  EXPECT_FALSE(StartFile(PathOf("folder")).ReadLine());
  Put(PathOf("binary.txt"), std::string("12\0 35", 6) + "\r\n");
  EXPECT_FALSE(StartFile(PathOf("binary.txt")).ReadLine());
  Put(PathOf("long.txt"), std::string(StartFile::kMaxReadBytes + 10, '1'));
  EXPECT_FALSE(StartFile(PathOf("long.txt")).ReadLine());
}

TEST_F(StartFileTest, AHugeSparseFileIsReadOnlyAtItsStart) {
  const std::string path = PathOf("pstart.txt");
  Put(path, "");
  fs::resize_file(path, std::uintmax_t{8} << 30);  // 8 GiB of holes
  // Its first bytes are NULs, not a text line: judged from the head alone.
  EXPECT_FALSE(StartFile(path).ReadLine());
}

TEST_F(StartFileTest, AnUnwritablePlaceGivesFalse) {
  EXPECT_FALSE(StartFile(PathOf("no-such-folder/pstart.txt")).Write("x\r\n"));
  fs::create_directory(PathOf("folder"));
  EXPECT_FALSE(StartFile(PathOf("folder")).Write("x\r\n"));
  EXPECT_TRUE(fs::is_directory(PathOf("folder")));
}

TEST_F(StartFileTest, TheCommandLineNeverWrites) {
  const std::string path = PathOf("pstart.txt");
  Put(path, " 3            38.267        140.867\r\n");
  ReadOnlyStartFile file(path);
  EXPECT_EQ(file.ReadLine(), " 3            38.267        140.867");
  EXPECT_FALSE(file.Write(" 12\r\n"));
  EXPECT_EQ(Get(path), " 3            38.267        140.867\r\n");
}

}  // namespace
}  // namespace platform
