#pragma once

namespace platform {

// Puts Qt's own texts (the file and print dialogs, the text boxes' context
// menus, the standard buttons) into Japanese, as the rest of the window is,
// from the Japanese translation Qt installs with its translations package.
// Returned: false when that translation is not installed; Qt's texts stay in
// English then and the window works as before.
bool InstallQtJapaneseTexts();

}  // namespace platform
