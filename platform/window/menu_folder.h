#pragma once

#include <optional>
#include <string>

namespace platform {

// Started from the desktop menu, the window would keep its start file in
// whatever folder the desktop starts programs in (the home folder); it keeps
// it in the user's configuration folder instead.

// Given:    the values of XDG_CONFIG_HOME (empty when unset) and HOME.
// Returned: $XDG_CONFIG_HOME/planetarium, or HOME/.config/planetarium when
//           XDG_CONFIG_HOME is empty or not an absolute path (the XDG base
//           directory rules ignore a relative one).
std::string MenuFolder(const std::string& xdg_config_home, const std::string& home);

// Where the window started from the menu works.
struct MenuStart {
  std::string folder;                  // the current directory now
  std::optional<std::string> failure;  // why the menu folder could not be used
  std::string menuFolder;              // the folder that was wanted
};

// Given:    the values of XDG_CONFIG_HOME and HOME.
// Returned: the menu folder, made when missing and now the current directory;
//           when it cannot be made or entered (a file stands in its place, no
//           permission), the home folder instead, with the system's reason.
MenuStart EnterMenuFolder(const std::string& xdg_config_home, const std::string& home);

}  // namespace platform
