#pragma once

#include <optional>

#include "platform/window/menu_folder.h"

class QApplication;

namespace platform {

// Runs the planetarium window in a constructed application: style and fonts,
// the real clock, start file and process, the window shown, then the event loop
// until the exit button or the window closes. Returns the loop's exit code.
// Started from the menu whose folder could not be used, the window says so
// once it is shown.
int RunWindowProgram(QApplication& application, const std::optional<MenuStart>& menu = {});

}  // namespace platform
