#include "platform/window/menu_folder.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string MenuFolder(const std::string& xdg_config_home, const std::string& home) {
  const std::filesystem::path config_home = std::filesystem::path(xdg_config_home).is_absolute()
                                                ? std::filesystem::path(xdg_config_home)
                                                : std::filesystem::path(home) / ".config";
  return (config_home / "planetarium").string();
}

MenuStart EnterMenuFolder(const std::string& xdg_config_home, const std::string& home) {
  MenuStart start;
  start.menuFolder = MenuFolder(xdg_config_home, home);
  std::error_code error;
  std::filesystem::create_directories(start.menuFolder, error);
  if (!error) std::filesystem::current_path(start.menuFolder, error);
  if (!error) {
    start.folder = start.menuFolder;
    return start;
  }
  start.failure = error.message();
  std::error_code ignored;
  std::filesystem::current_path(home, ignored);
  start.folder = std::filesystem::current_path(ignored).string();
  return start;
}

}  // namespace platform
