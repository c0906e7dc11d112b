// The folder the window keeps its start file in when started from the menu.

#include "platform/window/menu_folder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(MenuFolder, FollowsTheXdgRulesForTheConfigurationFolder) {
  EXPECT_EQ(MenuFolder("", "/home/a"), "/home/a/.config/planetarium");
  EXPECT_EQ(MenuFolder("/etc/xdg-a", "/home/a"), "/etc/xdg-a/planetarium");
  EXPECT_EQ(MenuFolder("relative/path", "/home/a"), "/home/a/.config/planetarium");
}

// The folder is made and entered; when a file stands in its place the window
// works in the home folder instead and knows why.
TEST(MenuFolder, IsMadeAndEnteredOrTheHomeFolderIsUsedWithTheReason) {
  const fs::path before = fs::current_path();
  QTemporaryDir temporary;
  const fs::path home = fs::path(temporary.path().toStdString()) / "home";
  fs::create_directories(home);

  const MenuStart made = EnterMenuFolder("", home.string());
  EXPECT_EQ(made.failure, std::nullopt);
  EXPECT_EQ(made.folder, (home / ".config" / "planetarium").string());
  EXPECT_EQ(fs::current_path(), home / ".config" / "planetarium");

  const fs::path blocked = fs::path(temporary.path().toStdString()) / "blocked";
  fs::create_directories(blocked);
  std::ofstream(blocked / "planetarium") << "a file, not a folder";
  const MenuStart refused = EnterMenuFolder(blocked.string(), home.string());
  ASSERT_TRUE(refused.failure.has_value());
  EXPECT_EQ(*refused.failure, "Not a directory");
  EXPECT_EQ(refused.menuFolder, (blocked / "planetarium").string());
  EXPECT_EQ(refused.folder, home.string());
  EXPECT_EQ(fs::current_path(), home);
  fs::current_path(before);
}

}  // namespace
}  // namespace platform
