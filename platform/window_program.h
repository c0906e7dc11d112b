#pragma once

class QApplication;

namespace platform {

// Runs the planetarium window in a constructed application: style and fonts,
// the real clock, start file and process, the window shown, then the event loop
// until the exit button or the window closes. Returns the loop's exit code.
int RunWindowProgram(QApplication& application);

}  // namespace platform
